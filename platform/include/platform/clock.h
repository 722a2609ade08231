/* Time: the millisecond tick counter and the local time.
 *
 * The tick counter debounces keys and paces polling. Tests and the window's
 * key mode switch it to a virtual clock that stands still until advanced, so
 * that what depends on time is repeatable. */
#ifndef ORVANA_PLATFORM_CLOCK_H
#define ORVANA_PLATFORM_CLOCK_H

#include <stdint.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Milliseconds since an arbitrary start; wraps around after 2^32. */
PLATFORM_API uint32_t platformTickCount(void);

/* Non-zero switches the tick counter to the virtual clock, which keeps the
 * value the counter had and moves only through platformAdvanceClock; 0
 * returns to real time, continuing from the virtual value. */
PLATFORM_API void platformUseVirtualClock(int enabled);
/* Moves the virtual clock forward; ignored on real time. */
PLATFORM_API void platformAdvanceClock(uint32_t milliseconds);

/* The local date and time as a file time: 100-nanosecond units since
 * 1 January 1601, 00:00, in the local time zone. */
PLATFORM_API uint64_t platformLocalFileTime(void);

#ifdef __cplusplus
}
#endif

#endif
