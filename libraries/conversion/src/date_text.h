// The text MDY answers: the time of day, then the date in the pattern
// "ddd MMM d, yyyy" with the abbreviated day and month names of the user's
// locale (as the environment selects it; the C locale gives English names).
#ifndef ORVANA_CONVERSION_DATE_TEXT_H
#define ORVANA_CONVERSION_DATE_TEXT_H

#include <string>

#include "calendar.h"

namespace conversion {

// "hh:mm:ss on ddd MMM d, yyyy", e.g. "00:00:00 on Sat Jan 1, 2000".
std::u16string dateTimeText(const CalendarTime& time);

}  // namespace conversion

#endif
