// The command handler: every menu command of the main window, and the
// command messages around it (edit-line notifications, the left menu-bar
// button).
#include "shell/commands.h"

#include <algorithm>

#include "engine/answer_index.h"
#include "engine/messages.h"
#include "engine/scripts.h"
#include "shell/keypad_choice.h"
#include "shell/menus.h"
#include "shell/shell_lifecycle.h"
#include "shell/text_wrap.h"
#include "shell/workspace_commands.h"

namespace shell {
namespace {

constexpr uint16_t kMessageEqnTooLong = 7;
constexpr int kMostEditLines = 3;

void setGraphColour(ShellState& state, uint32_t colour) {
    engine::EquationBlock& block = state.blocks.activeBlock();
    block.setFlags((block.flags() & ~engine::kGraphColourMask) | colour);
}

bool askToDelete(ShellState& state, const char16_t* question) {
    return platformMessageBox(state.windows.main, question, u"Orvana",
                              PLATFORM_MB_YESNO | PLATFORM_MB_ICONEXCLAMATION) == PLATFORM_IDYES;
}

void deleteEqn(ShellState& state) {
    engine::BlockList& blocks = state.blocks;
    if (blocks.count() < 2) return;
    blocks.remove(blocks.active());
    state.view.setFirstVisible(blocks, state.view.firstVisible());
    blocks.undoRecord() = engine::UndoRecord{};
    state.pending.updateScrollBar = true;
}

void deleteBelow(ShellState& state) {
    commitEditLine(state);
    engine::BlockList& blocks = state.blocks;
    if (blocks.count() < 2) return;
    if (!askToDelete(state, u"Do you want to delete all blocks below this one?")) return;
    blocks.removeAfter(blocks.active());
    state.view.setFirstVisible(blocks, state.view.firstVisible());
    state.pending.updateScrollBar = true;
}

void deleteAbove(ShellState& state) {
    commitEditLine(state);
    engine::BlockList& blocks = state.blocks;
    if (blocks.count() < 2) return;
    if (!askToDelete(state, u"Do you want to delete all blocks above this one?")) return;
    if (blocks.active() == 0) return;
    blocks.removeBefore(blocks.active());
    state.view.setFirstVisible(blocks, 0);
    state.pending.updateScrollBar = true;
}

void pasteEqn(ShellState& state) {
    if (state.copiedBlock == nullptr) return;
    state.blocks.replace(state.blocks.active(), state.copiedBlock->copy());
}

void insertEqn(ShellState& state) {
    commitEditLine(state);
    engine::BlockList& blocks = state.blocks;
    blocks.insertAt(blocks.active());
    if (state.rpnMode) blocks.setRpnDisplay(blocks.active() == blocks.count() - 1);
    state.pending.updateScrollBar = true;
}

void clearAll(ShellState& state) {
    clearBlocks(state);
    clearVariables(state);
}

void resetWorkspace(ShellState& state) {
    if (state.rpnMode) state.blocks.setRpnDisplay(true);
    clearBlocks(state);
    clearVariables(state);
    loadStartupWorkspace(state);
    state.view.setFirstVisible(state.blocks, std::max(state.blocks.count() - 2, 0));
    state.rpnMenuChecked = state.rpnMode;
}

void runFromHere(ShellState& state) {
    engine::clearScriptAbort();
    engine::setAnswerIndex(state.blocks.active() - 1);
    engine::runFromBlock(state.blocks, state.blocks.active());
}

void chooseFormat(ShellState& state) {
    state.dialogs.format(state);
    applyNumberFormat(state.formats);
    syncBlockDisplay(state);
    state.view.setFirstVisible(state.blocks, state.blocks.active());
}

void about(ShellState& state) {
    platformMessageBox(state.windows.main, u"Orvana 2.02\nBuild 0605010000", u"Orvana",
                       PLATFORM_MB_OK);
}

// The edit line is about to change: its line count decides the active
// block's height.
void editLineChanging(ShellState& state) {
    if (state.graphShown()) return;
    // The lines the edit line wraps to in its width with the expression font.
    const size_t wrapped = wrapEditLine(state.blocks.editLine(), normalFont(), kWrapWidth).size();
    const int lines = std::clamp(int(wrapped), 1, kMostEditLines);
    state.view.setEditLineCount(state.blocks, lines);
    state.pending.redrawBlockArea = true;
}

}  // namespace

void runCommand(ShellState& state, uint16_t id, uint16_t notification) {
    if (notification != 0) return;
    engine::BlockList& blocks = state.blocks;
    switch (id) {
    case kCmdClearEdit: blocks.setEditLine(u""); break;
    case kCmdDeleteEqn: deleteEqn(state); break;
    case kCmdGraphRed: setGraphColour(state, 1); break;
    case kCmdGraphGreen: setGraphColour(state, 2); break;
    case kCmdGraphYellow: setGraphColour(state, 3); break;
    case kCmdGraphBlue: setGraphColour(state, 4); break;
    case kCmdGraphPurple: setGraphColour(state, 5); break;
    case kCmdGraphClear: setGraphColour(state, 0); break;
    case kCmdGraphClearAll:
        for (int k = 0; k < blocks.count(); ++k)
            blocks.block(k).setFlags(blocks.block(k).flags() & ~engine::kGraphColourMask);
        break;
    case kCmdCopyEqn: state.copiedBlock = blocks.activeBlock().copy(); break;
    case kCmdPasteEqn: pasteEqn(state); break;
    case kCmdInsertEqn: insertEqn(state); break;
    case kCmdExit: destroyShell(state); return;
    case kCmdShowAnswer: state.dialogs.answerViewer(state); break;
    case kCmdLoad: loadWithDialog(state); break;
    case kCmdSave: saveWithDialog(state); break;
    case kCmdAbout: about(state); break;
    case kCmdClearAll: clearAll(state); break;
    case kCmdClearVariables: clearVariables(state); break;
    case kCmdClearEqns: clearBlocks(state); break;
    case kCmdLoadDefault: loadDefaultWithDialog(state); break;
    case kCmdSaveDefault:
        commitEditLine(state);
        saveProgramFile(state, kDefaultFileName);
        break;
    case kCmdDeleteBelow: deleteBelow(state); break;
    case kCmdSetAsStartup: saveProgramFile(state, kStartupFileName); break;
    case kCmdExportText: exportWithDialog(state); break;
    case kCmdRunFromHere: runFromHere(state); break;
    case kCmdScriptDirectory: chooseScriptDirectory(state); break;
    case kCmdDeleteAbove: deleteAbove(state); break;
    case kCmdResetWorkspace: resetWorkspace(state); break;
    case kCmdRpnMode: toggleRpnMode(state); break;
    case kCmdFormat: chooseFormat(state); break;
    case kCmdGraph: toggleGraphView(state); break;
    case kCmdUndo: undoLastChange(state); break;
    case kCmdDegRad: blocks.activeBlock().setDegrees(!blocks.activeBlock().degrees()); break;
    case kCmdQuickSelects: state.dialogs.librarySelection(state); break;
    case kCmdHelpMode:
        state.helpMode = !state.helpMode;
        state.pending.redrawClient = true;
        break;
    case kCmdFullScreen: toggleFullScreen(state); break;
    default:
        if (id >= kCmdLibraryBase && id < kCmdLibraryBase + kMaxLibraryMenuItems)
            chooseLibrary(state, id - kCmdLibraryBase);
        break;
    }
    state.pending.redrawBlockArea = true;
}

void onCommandMessage(ShellState& state, uint16_t id, uint16_t notification) {
    if (notification == kEditTextLimitReached) {
        engine::showError(kMessageEqnTooLong, state.windows.main);
        return;
    }
    if (notification == kEditTextChanging) {
        editLineChanging(state);
        return;
    }
    if (id == kCmdMenuButton) {
        openMenuButtonPopup(state);
        return;
    }
    runCommand(state, id, notification);
}

}  // namespace shell
