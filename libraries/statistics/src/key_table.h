// The keys of pages 2 to 4: one table gives both the text a key inserts and
// the label the legend shows. Keys that do more than insert a text (the
// store-line key and the two menus) insert nothing through the table and
// are handled by MapKeyboard itself.
#ifndef ORVANA_STATISTICS_KEY_TABLE_H
#define ORVANA_STATISTICS_KEY_TABLE_H

#include "keypad_support/key_table.h"

namespace statistics {

keypad_support::KeyTable keyTable();

}  // namespace statistics

#endif
