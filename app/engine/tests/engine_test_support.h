// Shared by the engine's tests: a fixture that puts every piece of engine
// state back to its start-up form, fake keypad libraries, and compiling a
// line straight to its disassembly.
#ifndef ORVANA_ENGINE_TESTS_SUPPORT_H
#define ORVANA_ENGINE_TESTS_SUPPORT_H

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "keypad.h"

namespace engine::testing {

std::string utf8(std::u16string_view text);

struct Compiled {
    uint16_t status = 0;
    bool hasList = false;
    std::string code;  // the disassembly
};

// Compiles, disassembles and frees.
Compiled compileText(std::u16string_view text);

// Library 1 of the fakes ("Sci"): GetStrOperator knows
//   sin 0x0115 (1 argument), pairtest 0x02F5 (any number), NOT 0x0305
//   (prefix), mod 0x0101 (named binary), fact 0x0104 (named postfix),
//   pi 0x0100 (named value), externS 0x0405, and det 0x0999 (which the
//   built-in det shadows);
// GetOperator knows '^' 0x0103 (power level), '!' 0x0204 (postfix).
KeypadLibrary fakeScientific();
// Library 2 of the fakes: sin 0x0777 (shadowed by a library loaded before
// it), cos 0x0115, '^' 0x0903, '#' 0x0A02.
KeypadLibrary fakeSecond();

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { resetEngine(); }
    void TearDown() override { resetEngine(); }

    static void resetEngine();
    // Adds globals (each reads as 0 until set).
    static void defineVariables(std::initializer_list<std::u16string_view> names);
    // Loads the fake libraries in this order.
    static void loadFakeLibraries();
};

}  // namespace engine::testing

#endif
