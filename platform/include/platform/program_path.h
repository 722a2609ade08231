/* The running program's own file, for finding what is installed beside it. */
#ifndef ORVANA_PLATFORM_PROGRAM_PATH_H
#define ORVANA_PLATFORM_PROGRAM_PATH_H

#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Copies the program's full path (UTF-16, '/' separated, symbolic links
 * resolved) into buffer (capacity units, always 0-terminated when
 * capacity > 0) and returns its full length; 0 when it cannot be found. */
PLATFORM_API int32_t platformProgramPath(char16_t* buffer, int32_t capacity);

/* The same for the folder that holds it, without a trailing '/'. */
PLATFORM_API int32_t platformProgramFolder(char16_t* buffer, int32_t capacity);

#ifdef __cplusplus
}
#endif

#endif
