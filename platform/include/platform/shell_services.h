/* Desktop services the program asks of the user interface: the help viewer
 * and finding a top-level window. */
#ifndef ORVANA_PLATFORM_SHELL_SERVICES_H
#define ORVANA_PLATFORM_SHELL_SERVICES_H

#include <uchar.h>

#include "platform/export.h"
#include "platform/message_box.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the help page (a local file) at the anchor (null or empty for the
 * top); 1 when a viewer was started. Headless: nothing is started, 0. */
PLATFORM_API int platformOpenHelp(const char16_t* path, const char16_t* anchor);

/* The top-level window with this class and title, or null (headless: null). */
PLATFORM_API PlatformWindow platformFindWindow(const char16_t* className, const char16_t* title);

#ifdef __cplusplus
}
#endif

#endif
