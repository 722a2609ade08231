// Codes to message texts, for the main program and for libraries.
#include <gtest/gtest.h>

#include <string>

#include "engine/library_table.h"
#include "engine/messages.h"
#include "platform/module.h"
#include "scripted_backend.h"

using engine::messageText;

namespace {

OperatorCode noStrOperator(const char16_t*) { return 0; }
OperatorCode noOperator(char16_t) { return 0; }

}  // namespace

TEST(Messages, MainProgramTable) {
    EXPECT_EQ(messageText(1), u"Unrecognized symbol ");
    EXPECT_EQ(messageText(58), u"Can't  import the data.");
    EXPECT_EQ(messageText(63), u"Lines starting with \"*\" ignored");
    EXPECT_EQ(messageText(64), u"Can't save workspace. ");
    EXPECT_EQ(messageText(53), u"Matrix singular or near sing.");
    EXPECT_EQ(messageText(20), u"Unknown error");
    EXPECT_EQ(messageText(99), u"Unknown error");
    // An id below 100 is the main program's message whatever the library.
    EXPECT_EQ(messageText(3 * 256 + 14), u"Invalid parameter value");
    for (int id = 0; id < 100; ++id) EXPECT_LE(messageText(id).size(), engine::kMessageLimit);
}

TEST(Messages, LibraryCodesUseThatLibrarysTable) {
    engine::resetLibraries();
    PlatformModule* strings =
        platformLoadModule(ORVANA_TEST_EXTRA_MODULE_DIR "/platform_string_table_module.so");
    ASSERT_NE(strings, nullptr) << platformModuleError();
    KeypadLibrary plain{};
    plain.GetStrOperator = noStrOperator;
    plain.GetOperator = noOperator;
    KeypadLibrary withStrings = plain;
    withStrings.module = strings;
    ASSERT_EQ(engine::addLibrary(plain, u"First"), 1);
    ASSERT_EQ(engine::addLibrary(plain, u"Second"), 2);
    ASSERT_EQ(engine::addLibrary(withStrings, u"Third"), 3);

    EXPECT_EQ(messageText(0x0365), u"Bad first argument");
    EXPECT_EQ(messageText(0x0366), u"Unknown library error");
    EXPECT_EQ(messageText(0x0165), u"Unknown library error");  // no table
    EXPECT_EQ(messageText(0x0965), u"Unknown library error");  // no such library
    EXPECT_EQ(messageText(0x0065), u"Unknown library error");

    engine::resetLibraries();
    platformFreeModule(strings);
}

TEST(Messages, ShowErrorOpensAnExclamationBox) {
    orvana::testing::ScriptedBackend ui;
    int owner = 0;
    engine::showError(15, &owner);
    ASSERT_EQ(ui.messageBoxes().size(), 1u);
    EXPECT_EQ(ui.messageBoxes()[0].text, u"Missing WHILE, IF, ELSE, or END");
    EXPECT_EQ(ui.messageBoxes()[0].caption, u"Error");
    EXPECT_EQ(ui.messageBoxes()[0].owner, &owner);
    EXPECT_EQ(ui.messageBoxes()[0].style & PLATFORM_MB_ICON_MASK, PLATFORM_MB_ICONEXCLAMATION);
}
