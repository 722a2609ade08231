/* Reading files: open, read, seek and close, for readers that must never
 * trust what they read (every read reports how much it really got). */
#ifndef ORVANA_PLATFORM_FILE_READER_H
#define ORVANA_PLATFORM_FILE_READER_H

#include <stddef.h>
#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct PlatformReadFile PlatformReadFile;

/* Opens an existing regular file for reading; null when it cannot be opened
 * (missing, a folder, no permission, a null or empty path). */
PLATFORM_API PlatformReadFile* platformOpenFileForReading(const char16_t* path);
/* Reads up to `size` bytes at the current position; returns the number of
 * bytes read (less at the end of the file or on an error). */
PLATFORM_API size_t platformReadFileBytes(PlatformReadFile* file, void* out, size_t size);
/* Moves the position to `offset` bytes from the start; 0 when that fails. A
 * position beyond the end is allowed (reads there give 0 bytes). */
PLATFORM_API int platformSeekFile(PlatformReadFile* file, uint64_t offset);
/* The current position, and the size the file had when it was opened. */
PLATFORM_API uint64_t platformFilePosition(const PlatformReadFile* file);
PLATFORM_API uint64_t platformFileSize(const PlatformReadFile* file);
/* Null is ignored. */
PLATFORM_API void platformCloseFile(PlatformReadFile* file);

#ifdef __cplusplus
}
#endif

#endif
