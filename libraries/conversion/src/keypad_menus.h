// The two pop-up menus of the Conversion keypad: the star key's "Units" menu
// and the 0 key's menu of ".cvt" tables with its "Constants" dialog. Both
// insert what is chosen into the edit control and nothing when dismissed.
#ifndef ORVANA_CONVERSION_KEYPAD_MENUS_H
#define ORVANA_CONVERSION_KEYPAD_MENUS_H

#include <cstdint>

#include "platform/message_box.h"

namespace conversion {

// Where the menus open, in the coordinates of the edit control's parent.
inline constexpr int32_t kMenuX = 20;
inline constexpr int32_t kUnitsMenuY = 204;
inline constexpr int32_t kTablesMenuY = 184;

void showUnitsMenu(PlatformWindow editControl);
void showTablesMenu(PlatformWindow editControl);

}  // namespace conversion

#endif
