/* Replacing a file's contents in one step: the data goes to a temporary file
 * in the same folder, which is then renamed over the target, so a failure
 * (a full disk, a crash) never leaves a half-written file behind. A symbolic
 * link is followed: its target gets the new contents and the link stays. In
 * a folder where no file may be created, an existing file the user may write
 * is written over in place instead (its space reserved first). */
#ifndef ORVANA_PLATFORM_ATOMIC_FILE_H
#define ORVANA_PLATFORM_ATOMIC_FILE_H

#include <stddef.h>
#include <uchar.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Returns 1 when the file now holds exactly `size` bytes of `data`, 0 when it
 * could not be written (the previous file, if any, is then unchanged, and
 * errno holds the system's reason). The
 * path is 0-terminated UTF-16 with '/' as the separator. */
PLATFORM_API int platformWriteFileAtomically(const char16_t* path, const void* data, size_t size);

#ifdef __cplusplus
}
#endif

#endif
