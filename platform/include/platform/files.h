/* Files. Paths are 0-terminated UTF-16 with '/' as the separator. */
#ifndef ORVANA_PLATFORM_FILES_H
#define ORVANA_PLATFORM_FILES_H

#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

#define PLATFORM_FILE_NO_ATTRIBUTES 0xFFFFFFFFu
#define PLATFORM_FILE_ATTRIBUTE_READONLY 0x01u
#define PLATFORM_FILE_ATTRIBUTE_DIRECTORY 0x10u
#define PLATFORM_FILE_ATTRIBUTE_NORMAL 0x80u

/* The attributes of a file or folder, or PLATFORM_FILE_NO_ATTRIBUTES when
 * there is nothing at that path (or the path is null or cannot be read). */
PLATFORM_API uint32_t platformFileAttributes(const char16_t* path);

#ifdef __cplusplus
}
#endif

#endif
