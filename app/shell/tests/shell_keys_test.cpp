// Keys as the window delivers them: characters with the keypad page, the
// key-up keys, the hardware keys and their debounce, the Library menu and
// key help.
#include "engine/key_help.h"
#include "engine/workspace_settings.h"
#include "platform/clock.h"
#include "platform/edit_control.h"
#include "shell/commands.h"
#include "shell/key_routing.h"
#include "shell/keypad_choice.h"
#include "shell/keys.h"
#include "shell/menus.h"
#include "shell_test_support.h"

namespace shell::testing {
namespace {

class ShellKeys : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        start();
        wait(1000);
    }
    void type(std::u16string_view text) {
        for (char16_t c : text) onCharacter(state(), c);
    }
};

TEST_F(ShellKeys, HardwareKeysCloserThan200MsAreIgnored) {
    EXPECT_TRUE(onHotKey(state(), kKeyVolumeUp));
    EXPECT_TRUE(state().helpMode);
    wait(150);
    EXPECT_FALSE(onHotKey(state(), kKeyVolumeUp));
    EXPECT_TRUE(state().helpMode);
    wait(50);  // 200 ms since the accepted key: still too close
    EXPECT_FALSE(onHotKey(state(), kKeyVolumeUp));
    wait(1);
    EXPECT_TRUE(onHotKey(state(), kKeyVolumeUp));
    EXPECT_FALSE(state().helpMode);
}

TEST_F(ShellKeys, AfterRecordEveryHardwareKeyWaitsTwelveHundredMs) {
    EXPECT_TRUE(onHotKey(state(), kKeyRecord));
    EXPECT_TRUE(state().graphShown());
    for (uint32_t step : {300u, 300u, 300u, 300u}) {
        wait(step);
        EXPECT_FALSE(onHotKey(state(), kKeyVolumeDown));
    }
    EXPECT_FALSE(state().fullScreen);
    wait(1);  // 1201 ms after Record
    EXPECT_TRUE(onHotKey(state(), kKeyRecord));
    EXPECT_FALSE(state().graphShown());
}

TEST_F(ShellKeys, VolumeDownTogglesFullScreen) {
    EXPECT_TRUE(onHotKey(state(), kKeyVolumeDown));
    EXPECT_TRUE(state().fullScreen);
    EXPECT_EQ(state().blockAreaHeight(), 266);
}

TEST_F(ShellKeys, BackOnPageTwoInFullScreenOnlyLeavesThePage) {
    type(u"12");
    runCommand(state(), kCmdFullScreen);
    onKeyUp(state(), kKeyF9);
    onKeyUp(state(), kKeyF9);
    ASSERT_EQ(state().page, 2);
    ASSERT_TRUE(state().keypadShown);
    wait(300);
    EXPECT_TRUE(onHotKey(state(), kKeyBack));
    EXPECT_EQ(state().page, 0);
    EXPECT_FALSE(state().keypadShown);
    EXPECT_EQ(doc().editText(), u"12");
    // On page 0 Back erases.
    wait(300);
    onHotKey(state(), kKeyBack);
    EXPECT_EQ(doc().editText(), u"1");
}

TEST_F(ShellKeys, BackOverTheGraphUndoesTheScaling) {
    runCommand(state(), kCmdGraph);
    const GraphRange before = state().graph->visible();
    state().graph->command(GraphCommand::ZoomIn);
    ASSERT_NE(state().graph->visible().xMax, before.xMax);
    EXPECT_TRUE(onHotKey(state(), kKeyBack));
    EXPECT_EQ(state().graph->visible().xMax, before.xMax);
}

TEST_F(ShellKeys, F9CyclesThePagesAndShowsTheKeypadInFullScreen) {
    runCommand(state(), kCmdFullScreen);
    for (int16_t expected : {1, 2, 3, 4, 0}) {
        onKeyUp(state(), kKeyF9);
        EXPECT_EQ(state().page, expected);
        EXPECT_EQ(state().keypadShown, expected != 0) << expected;
    }
    onKeyUp(state(), kKeyF9);
    EXPECT_EQ(state().keypadTop, 112);  // the active block is near the top
}

TEST_F(ShellKeys, CharactersCarryTheirPageAndReturnToPageZero) {
    type(u"7");
    EXPECT_EQ(state().lastKey, uint32_t(u'7'));
    onKeyUp(state(), kKeyF9);
    onKeyUp(state(), kKeyF9);
    onKeyUp(state(), kKeyF9);
    onCharacter(state(), u'5');
    EXPECT_EQ(state().lastKey, 3u * 65536u + u'5');
    EXPECT_EQ(state().page, 0);
    // F8 is the '.' key of its page.
    onKeyUp(state(), kKeyF8);
    EXPECT_EQ(doc().editText(), u"7.");
}

TEST_F(ShellKeys, TypedKeysHighlightTheTokenLeftOfTheCaret) {
    type(u"2*sin");
    int32_t start = 0;
    int32_t end = 0;
    platformEditGetSelection(doc().editLine(), &start, &end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 5);
    // Back then removes the whole name.
    onHotKey(state(), kKeyBack);
    EXPECT_EQ(doc().editText(), u"2*");
    onKeyUp(state(), kKeyLeft);
    platformEditGetSelection(doc().editLine(), &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 1);
}

TEST_F(ShellKeys, TheEditLineStopsAt99Characters) {
    type(std::u16string(99, u'1'));
    EXPECT_TRUE(backend_.messageBoxes().empty());
    type(u"2");
    EXPECT_EQ(doc().editText().size(), 99u);
    ASSERT_EQ(backend_.messageBoxes().size(), 1u);
    EXPECT_EQ(backend_.messageBoxes()[0].text, u"Eqn too long. ");
}

TEST_F(ShellKeys, ExeKeepsTheExecutedBlockActiveWhenBothDoNotFit) {
    engine::workspaceSettings().answerRows = 3;
    syncBlockDisplay(state());
    type(u"{1,2,3,4}\r");
    EXPECT_EQ(blocks().count(), 2);
    EXPECT_EQ(doc().active(), 0);
    // A scalar answer leaves room for the new block, which becomes active.
    doc().setActive(1);
    type(u"5\r");
    EXPECT_EQ(blocks().count(), 3);
    EXPECT_EQ(doc().active(), 2);
}

TEST_F(ShellKeys, UpAndDownMoveBetweenBlocks) {
    type(u"1\r2\r");
    onKeyUp(state(), kKeyUp);
    EXPECT_EQ(doc().active(), 1);
    EXPECT_EQ(doc().editText(), u"2");
    onKeyUp(state(), kKeyDown);
    EXPECT_EQ(doc().active(), 2);
    // In RPN mode the display is on exactly on the last block.
    runCommand(state(), kCmdRpnMode);
    onKeyUp(state(), kKeyUp);
    EXPECT_FALSE(doc().rpnDisplay());
    onKeyUp(state(), kKeyDown);
    EXPECT_TRUE(doc().rpnDisplay());
}

class ShellLibraries : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        for (const char* name : {"graphing", "Scientific", "Statistics", "alpha", "beta"})
            placeModule(name);
        start();
    }
};

TEST_F(ShellLibraries, TheLibraryMenuListsTheLastLoadedFirst) {
    // Name order: Scientific, Statistics, alpha, beta, graphing.
    const ShellMenus menus(state());
    const auto& items = menus.library();
    ASSERT_EQ(items.size(), 7u);
    const std::u16string expected[] = {u"Graphing", u"Beta", u"Alpha", u"Statistics", u"Scientific"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(std::u16string(items[size_t(i)].text), expected[i]);
        EXPECT_EQ(items[size_t(i)].id, kCmdLibraryBase + 4 - i);
    }
    EXPECT_EQ(items[5].text, nullptr);
    EXPECT_EQ(std::u16string(items[6].text), u"Quick Selects...");
    EXPECT_EQ(items[6].id, kCmdQuickSelects);
    // The Workspace menu holds it as its "Library" sub-menu.
    bool found = false;
    for (const PlatformMenuItem& item : menus.workspace())
        if (item.text != nullptr && std::u16string(item.text) == u"Library") {
            found = item.submenu == items.data() && item.submenuCount == 7;
        }
    EXPECT_TRUE(found);
}

TEST_F(ShellLibraries, ALibraryChosenFromTheMenuTakesSlotThree) {
    ASSERT_EQ(state().quickSelect.slots, (std::array<int16_t, 5>{0, 1, 2, 3, kNoLibrary}));
    runCommand(state(), kCmdLibraryBase + 4);
    EXPECT_EQ(state().currentLibrary, 4);
    EXPECT_EQ(state().quickSelect.slots[3], 4);
    runCommand(state(), kCmdLibraryBase + 1);  // already in slot 1
    EXPECT_EQ(state().currentLibrary, 1);
    EXPECT_EQ(state().quickSelect.slots[3], 4);
    runCommand(state(), kCmdLibraryBase + 9);  // no such library
    EXPECT_EQ(state().currentLibrary, 1);
}

TEST_F(ShellLibraries, InFullScreenChoosingALibraryShowsPageOne) {
    runCommand(state(), kCmdFullScreen);
    runCommand(state(), kCmdLibraryBase + 2);
    EXPECT_EQ(state().page, 1);
    EXPECT_TRUE(state().keypadShown);
    EXPECT_EQ(state().keypadTop, 112);
}

TEST_F(ShellLibraries, LeftAndRightOnALibraryPageStepThroughTheQuickSelects) {
    state().quickSelect.slots = {0, kNoLibrary, 2, 4, kNoLibrary};
    onKeyUp(state(), kKeyF9);
    onKeyUp(state(), kKeyLeft);
    EXPECT_EQ(state().quickSelect.cursor, 2);
    EXPECT_EQ(state().currentLibrary, 2);
    onKeyUp(state(), kKeyRight);
    onKeyUp(state(), kKeyRight);
    EXPECT_EQ(state().quickSelect.cursor, 3);
    EXPECT_EQ(state().currentLibrary, 4);
}

class ShellKeyHelp : public ShellTest {};

TEST_F(ShellKeyHelp, HelpOnSinAndOnTheElementwisePrefix) {
    placeModule("Scientific", ORVANA_SCIENTIFIC_MODULE);
    start();
    // "V:" has no name the lookup knows: the main program's string 37878.
    const engine::KeyHelp v = engine::keyHelp(u"V:", mainProgramModule());
    EXPECT_EQ(v.code, 5110u);
    EXPECT_EQ(v.caption, u"V: Help");
    EXPECT_NE(v.text.find(u"each element"), std::u16string::npos);
    // "sin()" looks up "sin": the Scientific library's operator, whose
    // table has no help for it, so the name itself is shown.
    const engine::KeyHelp sin = engine::keyHelp(u"sin()", mainProgramModule());
    EXPECT_EQ(sin.name, u"sin");
    EXPECT_EQ(keypadRoutedLibrary(sin.code), 1u);
    EXPECT_EQ(sin.text, u"sin");
    EXPECT_EQ(sin.caption, u"sin Help");
    // A built-in keyword's help comes from the main program's table.
    EXPECT_NE(engine::keyHelp(u"det(", mainProgramModule()).text.find(u"determinant"),
              std::u16string::npos);
}

TEST_F(ShellKeyHelp, HelpModeShowsAKeysHelpInsteadOfTypingIt) {
    start();
    runCommand(state(), kCmdHelpMode);
    onCharacter(state(), u'+');
    EXPECT_EQ(doc().editText(), u"");
    ASSERT_EQ(backend_.messageBoxes().size(), 1u);
    EXPECT_EQ(backend_.messageBoxes()[0].caption, u"+ Help");
    EXPECT_EQ(backend_.messageBoxes()[0].style, PLATFORM_MB_OK | PLATFORM_MB_ICONINFORMATION);
    EXPECT_EQ(state().page, 0);
}

}  // namespace
}  // namespace shell::testing
