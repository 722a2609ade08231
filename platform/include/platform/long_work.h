/* Long work: stopping an evaluation that runs for a long time.
 *
 * The engine brackets each run of an evaluation with platformLongWorkBegin and
 * platformLongWorkEnd (brackets nest; the outermost pair makes the period).
 * Every loop that can run long, in any module, calls platformLongWorkPoll once
 * per step of its own (a row block, an iteration, a series term), saying how
 * much elementary work the step did. The poll adds that up and reads the tick
 * counter only once enough work has passed, so calling it is cheap; a period's
 * time counts from that first reading, so a short period never reads the
 * clock at all. Once the period has lasted kLongWorkMs the wait cursor is
 * shown and each clock reading also polls the pointer (a click on the window, Ctrl-C in the
 * terminal). A press stops the work: the poll answers non-zero from then on
 * until the period ends, so every loop up the chain stops too and hands back
 * the shared status 65 (kInterrupted). Outside a period the poll answers 0. */
#ifndef ORVANA_PLATFORM_LONG_WORK_H
#define ORVANA_PLATFORM_LONG_WORK_H

#include <stddef.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* How long a period goes on before the pointer is polled, in milliseconds. */
enum { kLongWorkMs = 300 };
/* Work units between two readings of the tick counter. */
enum { kLongWorkUnitsBetweenReadings = 4096 };

/* Opens a period (or a nested bracket inside the current one). */
PLATFORM_API void platformLongWorkBegin(void);
/* Closes the bracket; the outermost one removes the wait cursor it showed
 * and forgets a stop. Answers non-zero when the period had been stopped. */
PLATFORM_API int platformLongWorkEnd(void);

/* Notes `units` of work done (a rough count of elementary operations; a step
 * worth more than kLongWorkUnitsBetweenReadings reads the clock every time)
 * and answers non-zero when the user asked the current period to stop. */
PLATFORM_API int platformLongWorkPoll(size_t units);

/* Non-zero when the current period was stopped, without polling. */
PLATFORM_API int platformLongWorkStopped(void);

#ifdef __cplusplus
}
#endif

#endif
