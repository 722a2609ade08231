// The command handler driven as the window drives it: the block commands,
// the Workspace commands with their questions and files, undo, the display
// toggles and the menus.
#include <filesystem>

#include "engine/script_folder.h"
#include "engine/workspace_note.h"
#include "engine/workspace_settings.h"
#include "shell/commands.h"
#include "shell/keypad_choice.h"
#include "shell/keys.h"
#include "shell/menus.h"
#include "shell_test_support.h"

namespace shell::testing {
namespace {

namespace fs = std::filesystem;

class ShellCommands : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        start();
    }
    std::vector<std::u16string> texts() {
        std::vector<std::u16string> out;
        for (int k = 0; k < blocks().count(); ++k) out.push_back(blocks().block(k).text());
        return out;
    }
    double answer(int k) { return blocks().block(k).answer()->re[0]; }
    void command(uint16_t id) { runCommand(state(), id); }
};

using Texts = std::vector<std::u16string>;

TEST_F(ShellCommands, DeleteEqnNeedsTwoBlocks) {
    doc().setEditText(u"1+2");
    command(kCmdDeleteEqn);
    EXPECT_EQ(blocks().count(), 1);
    EXPECT_EQ(doc().editText(), u"1+2");
    EXPECT_TRUE(state().pending.redrawBlockArea);

    command(kCmdClearEdit);
    enter(u"1");
    enter(u"2");
    enter(u"3");
    doc().setActive(1);
    command(kCmdDeleteEqn);
    EXPECT_EQ(texts(), (Texts{u"1", u"3", u""}));
    EXPECT_EQ(doc().active(), 1);  // the block below
    EXPECT_EQ(doc().editText(), u"3");
    EXPECT_EQ(doc().undoRecord().kind, engine::UndoKind(0));
    doc().setActive(2);
    command(kCmdDeleteEqn);
    EXPECT_EQ(texts(), (Texts{u"1", u"3"}));
    EXPECT_EQ(doc().active(), 1);  // the new last block
}

TEST_F(ShellCommands, AllAboveOnTheFirstBlockDeletesNothing) {
    enter(u"1");
    enter(u"2");
    doc().setActive(0);
    backend_.queueMessageBoxAnswer(PLATFORM_IDYES);
    command(kCmdDeleteAbove);
    ASSERT_EQ(backend_.messageBoxes().size(), 1u);
    EXPECT_EQ(backend_.messageBoxes()[0].text, u"Do you want to delete all blocks above this one?");
    EXPECT_EQ(backend_.messageBoxes()[0].caption, u"Orvana");
    EXPECT_EQ(backend_.messageBoxes()[0].style, PLATFORM_MB_YESNO | PLATFORM_MB_ICONEXCLAMATION);
    EXPECT_EQ(texts(), (Texts{u"1", u"2", u""}));
    EXPECT_EQ(doc().active(), 0);
}

TEST_F(ShellCommands, AllAboveAndAllBelowDeleteOnYesOnly) {
    for (const char16_t* t : {u"1", u"2", u"3", u"4"}) enter(t);
    doc().setActive(2);
    backend_.queueMessageBoxAnswer(PLATFORM_IDNO);
    command(kCmdDeleteAbove);
    EXPECT_EQ(blocks().count(), 5);
    backend_.queueMessageBoxAnswer(PLATFORM_IDYES);
    command(kCmdDeleteAbove);
    EXPECT_EQ(texts(), (Texts{u"3", u"4", u""}));
    EXPECT_EQ(doc().active(), 0);
    EXPECT_EQ(state().view.firstVisible(), 0);

    doc().setActive(1);
    backend_.queueMessageBoxAnswer(PLATFORM_IDYES);
    command(kCmdDeleteBelow);
    EXPECT_EQ(backend_.messageBoxes().back().text, u"Do you want to delete all blocks below this one?");
    EXPECT_EQ(texts(), (Texts{u"3", u"4"}));
    EXPECT_EQ(doc().active(), 1);

    // A single block is not asked about.
    backend_.clear();
    command(kCmdClearEqns);
    command(kCmdDeleteBelow);
    command(kCmdDeleteAbove);
    EXPECT_TRUE(backend_.messageBoxes().empty());
}

TEST_F(ShellCommands, EditsCommittedBeforeDeletingAreKept) {
    enter(u"1");
    enter(u"2");
    doc().setActive(1);
    doc().setEditText(u"5*5");
    backend_.queueMessageBoxAnswer(PLATFORM_IDYES);
    command(kCmdDeleteBelow);
    EXPECT_EQ(texts(), (Texts{u"1", u"5*5"}));
    EXPECT_EQ(answer(1), 25.0);
}

TEST_F(ShellCommands, UndoAfterExeOnTheLastBlockTakesTheNewBlockAway) {
    enter(u"6*7");
    ASSERT_EQ(texts(), (Texts{u"6*7", u""}));
    ASSERT_EQ(answer(0), 42.0);
    command(kCmdUndo);
    EXPECT_EQ(blocks().count(), 1);
    EXPECT_EQ(doc().active(), 0);
    EXPECT_EQ(doc().editText(), u"6*7");
    EXPECT_EQ(blocks().block(0).text(), u"");
    EXPECT_EQ(answer(0), 0.0);
    EXPECT_EQ(doc().undoRecord().kind, engine::UndoKind(0));
    // One level only: a second undo changes nothing.
    command(kCmdUndo);
    EXPECT_EQ(blocks().count(), 1);
    EXPECT_EQ(doc().editText(), u"6*7");
}

TEST_F(ShellCommands, UndoAfterExeOnAnEarlierBlockRestoresItsText) {
    enter(u"2");
    enter(u"ANS*10");
    doc().setActive(0);
    doc().setEditText(u"3");
    onCharacter(state(), u'\r');
    ASSERT_EQ(answer(1), 30.0);
    doc().setActive(1);
    command(kCmdUndo);
    EXPECT_EQ(blocks().block(0).text(), u"2");
    EXPECT_EQ(answer(0), 2.0);
}

TEST_F(ShellCommands, UndoOfRpnOperationsRestoresTheEntries) {
    // Entries as an RPN operation leaves them: "1+2" over "3" replaced.
    enter(u"1+2");
    enter(u"3*4");
    // Kind 3: the block above the last was replaced.
    engine::UndoRecord& undo = doc().undoRecord();
    undo = engine::UndoRecord{engine::UndoKind(3), u"5", u""};
    command(kCmdUndo);
    EXPECT_EQ(texts(), (Texts{u"1+2", u"5", u""}));
    EXPECT_EQ(answer(1), 5.0);
    EXPECT_EQ(doc().undoRecord().kind, engine::UndoKind(0));

    // Kind 4 with the last block active: the edit line gets the first text.
    undo = engine::UndoRecord{engine::UndoKind(4), u"8", u"7"};
    command(kCmdUndo);
    EXPECT_EQ(texts(), (Texts{u"1+2", u"7", u""}));
    EXPECT_EQ(doc().editText(), u"8");

    // Kind 2: the last block is executed, then the two above it restored.
    doc().setEditText(u"");
    doc().setActive(0);
    undo = engine::UndoRecord{engine::UndoKind(2), u"20", u"10"};
    command(kCmdUndo);
    ASSERT_GE(blocks().count(), 3);
    const int n = blocks().count();
    EXPECT_EQ(blocks().block(n - 3).text(), u"10");
    EXPECT_EQ(blocks().block(n - 2).text(), u"20");
    EXPECT_EQ(answer(n - 2), 20.0);
    EXPECT_EQ(doc().undoRecord().kind, engine::UndoKind(0));
}

TEST_F(ShellCommands, UndoOfATypedKeyPutsTheStoredTextBack) {
    enter(u"12");
    doc().setActive(0);
    for (char16_t c : std::u16string(u"+1")) onCharacter(state(), c);
    ASSERT_EQ(doc().editText(), u"12+1");
    ASSERT_EQ(doc().undoRecord().kind, engine::UndoKind(6));
    command(kCmdUndo);
    EXPECT_EQ(doc().editText(), u"12");
    EXPECT_EQ(doc().undoRecord().kind, engine::UndoKind(6));  // stays set
}

TEST_F(ShellCommands, InsertEqnAtAHundredBlocksReplacesTheFirst) {
    for (int k = 0; k < 99; ++k) enter(u"1");
    ASSERT_EQ(blocks().count(), 100);
    doc().setActive(0);
    command(kCmdInsertEqn);
    EXPECT_EQ(blocks().count(), 100);
    EXPECT_EQ(doc().active(), 0);
    EXPECT_EQ(blocks().block(0).text(), u"");
    EXPECT_EQ(blocks().block(1).text(), u"1");

    // Below 100 blocks it inserts above the active block, committing first.
    command(kCmdClearEqns);
    enter(u"1");
    enter(u"2");
    doc().setActive(1);
    doc().setEditText(u"9");
    command(kCmdInsertEqn);
    EXPECT_EQ(texts(), (Texts{u"1", u"", u"9", u""}));
    EXPECT_EQ(doc().active(), 1);
}

TEST_F(ShellCommands, CopyAndPasteGiveAFullCopy) {
    enter(u"\"ab\"");
    enter(u"2^0.5");
    doc().setActive(0);
    doc().activeBlock().setDegrees(true);
    command(kCmdGraphGreen);
    command(kCmdPasteEqn);  // nothing copied yet
    EXPECT_EQ(blocks().block(0).text(), u"\"ab\"");
    command(kCmdCopyEqn);
    doc().setActive(1);
    command(kCmdPasteEqn);
    const engine::EquationBlock& pasted = blocks().block(1);
    EXPECT_EQ(pasted.text(), u"\"ab\"");
    EXPECT_EQ(doc().editText(), u"\"ab\"");
    EXPECT_TRUE(pasted.degrees());
    EXPECT_EQ(pasted.graphColour(), 2);
    EXPECT_EQ(pasted.answer()->kind, blocks().block(0).answer()->kind);
    // The copy owns its strings: evaluating it again after the original is
    // gone still works.
    command(kCmdClearEqns);
    command(kCmdPasteEqn);
    doc().activeBlock().evaluate();
    EXPECT_EQ(doc().activeBlock().status(), 0);
}

TEST_F(ShellCommands, GraphColoursAndAngleMode) {
    enter(u"x");
    enter(u"x^2");
    struct Row {
        uint16_t command;
        int colour;
    };
    const Row rows[] = {{kCmdGraphRed, 1},    {kCmdGraphGreen, 2}, {kCmdGraphYellow, 3},
                        {kCmdGraphBlue, 4},   {kCmdGraphPurple, 5}, {kCmdGraphClear, 0}};
    doc().setActive(1);
    for (const Row& row : rows) {
        command(row.command);
        EXPECT_EQ(blocks().block(1).graphColour(), row.colour) << row.command;
    }
    command(kCmdGraphRed);
    doc().setActive(0);
    command(kCmdGraphBlue);
    command(kCmdDegRad);
    EXPECT_TRUE(blocks().block(0).degrees());
    command(kCmdGraphClearAll);
    EXPECT_EQ(blocks().block(0).graphColour(), 0);
    EXPECT_EQ(blocks().block(1).graphColour(), 0);
    EXPECT_TRUE(blocks().block(0).degrees());
}

TEST_F(ShellCommands, ClearCommandsEmptyWhatTheySay) {
    enter(u"v=3");
    engine::setWorkspaceNote(u"a note");
    doc().setEditText(u"typed");
    command(kCmdClearEdit);
    EXPECT_EQ(doc().editText(), u"");
    command(kCmdClearEqns);
    EXPECT_EQ(texts(), (Texts{u""}));
    EXPECT_EQ(engine::workspaceNote(), u"");
    enter(u"v");
    EXPECT_EQ(answer(0), 3.0);  // variables survive Clear Eqns.
    command(kCmdClearAll);
    enter(u"v");
    EXPECT_EQ(answer(0), 0.0);
}

TEST_F(ShellCommands, AboutShowsVersionAndBuild) {
    command(kCmdAbout);
    ASSERT_EQ(backend_.messageBoxes().size(), 1u);
    EXPECT_EQ(backend_.messageBoxes()[0].text, u"Orvana 2.02\nBuild 0605010000");
    EXPECT_EQ(backend_.messageBoxes()[0].caption, u"Orvana");
}

TEST_F(ShellCommands, SaveWarnsAboutNamesThatCannotBeCalled) {
    static std::u16string chosen;
    state().dialogs.files = [](ShellState&, FilesMode mode, std::u16string& path) {
        EXPECT_EQ(mode, FilesMode::Save);
        path = chosen;
        return kDialogConfirmed;
    };
    enter(u"1");
    chosen = (config_.root() / "Plain.ovw").u16string();
    command(kCmdSave);
    EXPECT_TRUE(backend_.messageBoxes().empty());
    EXPECT_TRUE(fs::exists(config_.root() / "Plain.ovw"));

    chosen = (config_.root() / "Area2.ovw").u16string();
    command(kCmdSave);
    ASSERT_EQ(backend_.messageBoxes().size(), 1u);
    EXPECT_EQ(backend_.messageBoxes()[0].caption, u"Warning");
    EXPECT_EQ(backend_.messageBoxes()[0].text,
              u"The workspace name contains digits or symbols and so can not be called as a "
              u"function");
    EXPECT_TRUE(fs::exists(config_.root() / "Area2.ovw"));  // saved anyway

    backend_.clear();
    chosen = (config_.root() / "no-such-folder" / "X.ovw").u16string();
    command(kCmdSave);
    ASSERT_EQ(backend_.messageBoxes().size(), 1u);
    EXPECT_EQ(backend_.messageBoxes()[0].text, u"Can't save workspace. ");
}

TEST_F(ShellCommands, ScriptDirectoryKeepsTheFolderOfAChosenPath) {
    static std::u16string chosen;
    state().dialogs.files = [](ShellState&, FilesMode, std::u16string& path) {
        path = chosen;
        return kDialogConfirmed;
    };
    struct Row {
        std::u16string chosen;
        std::u16string directory;
    };
    const Row rows[] = {{u"/home/u/scripts", u"/home/u/scripts/"},
                        {u"/home/u/scripts/", u"/home/u/scripts/"},
                        {u"/home/u/work/Sum.ovw", u"/home/u/work/"},
                        {u"Sum.ovw", u"Sum.ovw/"}};
    for (const Row& row : rows) {
        chosen = row.chosen;
        command(kCmdScriptDirectory);
        EXPECT_EQ(engine::scriptFolder(), row.directory);
    }
    chosen.clear();
    command(kCmdScriptDirectory);
    EXPECT_EQ(engine::scriptFolder(), u"Sum.ovw/");
    EXPECT_EQ(backend_.messageBoxes().back().text, u"No script selected, Script Directory not updated");
}

TEST_F(ShellCommands, DialogCommandsDoNothingVisibleUntilTheDialogsExist) {
    enter(u"1");
    for (uint16_t id : {kCmdLoad, kCmdSave, kCmdExportText, kCmdScriptDirectory, kCmdLoadDefault,
                        kCmdShowAnswer, kCmdFormat, kCmdQuickSelects})
        command(id);
    EXPECT_TRUE(backend_.messageBoxes().empty());
    EXPECT_EQ(texts(), (Texts{u"1", u""}));
}

TEST_F(ShellCommands, ResetWorkspaceReloadsTheStartupFile) {
    enter(u"q=4");
    command(kCmdSetAsStartup);
    enter(u"q+1");
    command(kCmdResetWorkspace);
    EXPECT_EQ(texts(), (Texts{u"q=4", u""}));
    EXPECT_EQ(doc().active(), 1);
    EXPECT_EQ(state().view.firstVisible(), 0);
    EXPECT_EQ(answer(0), 4.0);
}

TEST_F(ShellCommands, FullScreenAndGraphToggleMoveTheKeypad) {
    command(kCmdFullScreen);
    EXPECT_TRUE(state().fullScreen);
    EXPECT_EQ(state().blockAreaHeight(), 266);
    EXPECT_FALSE(state().keypadShown);
    command(kCmdGraph);
    EXPECT_TRUE(state().graphShown());
    EXPECT_EQ(state().leftButton, u"Graph");
    EXPECT_TRUE(state().editSingleLine);
    command(kCmdGraph);
    EXPECT_FALSE(state().graphShown());
    EXPECT_EQ(state().leftButton, u"Eqns");
    EXPECT_FALSE(state().keypadShown);  // full screen on page 0
    command(kCmdFullScreen);
    EXPECT_FALSE(state().fullScreen);
    EXPECT_EQ(state().blockAreaHeight(), 112);
    EXPECT_TRUE(state().keypadShown);
    EXPECT_EQ(state().keypadTop, 112);
}

TEST_F(ShellCommands, RpnModeTogglesTheDisplayAndTheCheckMark) {
    engine::workspaceSettings().rpnFirst = 3;
    command(kCmdRpnMode);
    EXPECT_TRUE(state().rpnMode);
    EXPECT_TRUE(doc().rpnDisplay());
    EXPECT_EQ(engine::workspaceSettings().rpnFirst, 0);
    const ShellMenus on(state());
    const auto rpn = std::find_if(on.workspace().begin(), on.workspace().end(), [](auto& i) {
        return i.id == kCmdRpnMode && i.text != nullptr;
    });
    ASSERT_NE(rpn, on.workspace().end());
    EXPECT_EQ(rpn->flags & PLATFORM_MENU_CHECKED, PLATFORM_MENU_CHECKED);
    command(kCmdRpnMode);
    EXPECT_FALSE(doc().rpnDisplay());
    const ShellMenus off(state());
    for (const PlatformMenuItem& i : off.workspace()) {
        if (i.id == kCmdRpnMode) {
            EXPECT_EQ(i.flags & PLATFORM_MENU_CHECKED, 0u);
        }
    }
}

TEST_F(ShellCommands, EditLineNotifications) {
    onCommandMessage(state(), 1, kEditTextLimitReached);
    ASSERT_EQ(backend_.messageBoxes().size(), 1u);
    EXPECT_EQ(backend_.messageBoxes()[0].text, u"Eqn too long. ");
    // A long line wraps to more lines; the count stops at 3.
    doc().setEditText(std::u16string(60, u'7'));
    onCommandMessage(state(), 1, kEditTextChanging);
    EXPECT_GT(state().view.editLineCount(), 1);
    doc().setEditText(std::u16string(99, u'7'));
    onCommandMessage(state(), 1, kEditTextChanging);
    EXPECT_EQ(state().view.editLineCount(), 3);
    // Any other notification code is ignored by the handler.
    doc().setEditText(u"keep");
    onCommandMessage(state(), kCmdClearEdit, 7);
    EXPECT_EQ(doc().editText(), u"keep");
}

TEST_F(ShellCommands, TheEqnsButtonRunsTheChosenCommand) {
    doc().setEditText(u"abc");
    backend_.queuePopupMenuChoice(std::u16string(u"Clear"));
    onCommandMessage(state(), kCmdMenuButton, 0);
    ASSERT_EQ(backend_.popupMenus().size(), 1u);
    EXPECT_EQ(backend_.popupMenus()[0].x, kPopupX);
    EXPECT_EQ(backend_.popupMenus()[0].y, kPopupY);
    EXPECT_EQ(doc().editText(), u"");

    // Over the graph view the "G" pop-up opens: its range commands go to the
    // graph, its dialogs open, and leaving the view goes through it too.
    command(kCmdGraph);
    static bool opened = false;
    state().graphDialogs.gridSetting = [](ShellState&, GridSettingForm&) { return opened = true; };
    backend_.queuePopupMenuChoice(std::u16string(u"Grids..."));
    onCommandMessage(state(), kCmdMenuButton, 0);
    EXPECT_TRUE(opened);
    const double width = state().graph->visible().xMax - state().graph->visible().xMin;
    backend_.queuePopupMenuChoice(std::u16string(u"Zoom In"));
    onCommandMessage(state(), kCmdMenuButton, 0);
    EXPECT_DOUBLE_EQ(state().graph->visible().xMax - state().graph->visible().xMin, width / 2);
    backend_.queuePopupMenuChoice(std::u16string(u"Graph (Record)"));
    onCommandMessage(state(), kCmdMenuButton, 0);
    EXPECT_FALSE(state().graphShown());
}

TEST_F(ShellCommands, UnknownCommandsOnlyRedraw) {
    enter(u"1");
    state().pending = PendingWork{};
    command(12345);
    EXPECT_TRUE(state().pending.redrawBlockArea);
    EXPECT_EQ(texts(), (Texts{u"1", u""}));
}

TEST_F(ShellCommands, ExitRunsTheDestroyHandling) {
    enter(u"5");
    command(kCmdExit);
    EXPECT_TRUE(state().pending.closeWindow);
    EXPECT_TRUE(fs::exists(config_.folder() / "default.ovw"));
    EXPECT_TRUE(fs::exists(config_.folder() / "prefs.prf"));
}

}  // namespace
}  // namespace shell::testing
