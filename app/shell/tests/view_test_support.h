// Test support for the block list and keypad view tests: the engine put back
// to its start-up state, and fake keypad libraries entered in the library
// table with only the entry points a test needs.
#ifndef ORVANA_SHELL_TESTS_VIEW_TEST_SUPPORT_H
#define ORVANA_SHELL_TESTS_VIEW_TEST_SUPPORT_H

#include "keypad.h"

namespace shell::testing {

// The engine's start-up state, with an empty library table.
void resetEngine();

// Enters a library that knows no names or characters unless `names` says
// otherwise; returns its library number.
int addFakeLibrary(const char16_t* name, KeypadLoadBMPFn loadBitmap = nullptr,
                   KeypadMapKeyboardFn mapKeys = nullptr, KeypadGetStrOperatorFn names = nullptr);

}  // namespace shell::testing

#endif
