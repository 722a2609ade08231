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
    engine::EquationBlock& block = state.document.activeBlock();
    block.setFlags((block.flags() & ~engine::kGraphColourMask) | colour);
}

// The list changed under the view: keep its first block in range.
void listChanged(ShellState& state, int firstVisible) {
    state.view.setFirstVisible(state.blocks(), firstVisible);
    state.pending.updateScrollBar = true;
}

void deleteEqn(ShellState& state) {
    WorkspaceDocument& document = state.document;
    // The block below takes the place, or the new last block.
    if (!document.blocks().remove(document.active())) return;
    document.setActive(document.active());
    document.undoRecord() = engine::UndoRecord{};
    listChanged(state, state.view.firstVisible());
}

// Commits the edit line and, with at least two blocks, asks the question of
// All Below or All Above; true on Yes.
bool confirmDeleting(ShellState& state, const char16_t* question) {
    commitEditLine(state);
    if (state.blocks().count() < 2) return false;
    return platformMessageBox(state.windows.main, question, u"Orvana",
                              PLATFORM_MB_YESNO | PLATFORM_MB_ICONEXCLAMATION) == PLATFORM_IDYES;
}

void deleteBelow(ShellState& state) {
    if (!confirmDeleting(state, u"Do you want to delete all blocks below this one?")) return;
    state.blocks().removeAfter(state.document.active());
    listChanged(state, state.view.firstVisible());
}

void deleteAbove(ShellState& state) {
    if (!confirmDeleting(state, u"Do you want to delete all blocks above this one?")) return;
    WorkspaceDocument& document = state.document;
    if (document.active() == 0) return;
    document.blocks().removeBefore(document.active());
    document.setActive(0);
    listChanged(state, 0);
}

void pasteEqn(ShellState& state) {
    if (state.copiedBlock == nullptr) return;
    WorkspaceDocument& document = state.document;
    document.blocks().replace(document.active(), state.copiedBlock->copy());
    document.setActive(document.active());
}

void insertEqn(ShellState& state) {
    commitEditLine(state);
    WorkspaceDocument& document = state.document;
    document.insertAt(document.active());
    if (state.rpnMode) document.setRpnDisplay(document.active() == document.blocks().count() - 1);
    listChanged(state, state.view.firstVisible());
}

void clearAll(ShellState& state) {
    clearBlocks(state);
    clearVariables(state);
}

void resetWorkspace(ShellState& state) {
    if (state.rpnMode) state.document.setRpnDisplay(true);
    clearBlocks(state);
    clearVariables(state);
    loadStartupWorkspace(state);
    state.view.setFirstVisible(state.blocks(), std::max(state.blocks().count() - 2, 0));
    state.rpnMenuChecked = state.rpnMode;
}

void runFromHere(ShellState& state) {
    engine::clearScriptAbort();
    engine::setAnswerIndex(state.document.active() - 1);
    engine::runFromBlock(state.blocks(), state.document.active());
}

void chooseFormat(ShellState& state) {
    state.dialogs.format(state);
    applyNumberFormat(state.formats);
    syncBlockDisplay(state);
    state.view.setFirstVisible(state.blocks(), state.document.active());
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
    const size_t wrapped = wrapEditLine(state.document.editText(), normalFont(), kWrapWidth).size();
    const int lines = std::clamp(int(wrapped), 1, kMostEditLines);
    state.view.setEditLineCount(state.document, lines);
    state.pending.redrawBlockArea = true;
}

}  // namespace

void runCommand(ShellState& state, uint16_t id, uint16_t notification) {
    if (notification != 0) return;
    engine::BlockList& blocks = state.blocks();
    engine::EquationBlock& active = state.document.activeBlock();
    switch (id) {
    case kCmdClearEdit: state.document.setEditText(u""); break;
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
    case kCmdCopyEqn: state.copiedBlock = active.copy(); break;
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
    case kCmdDegRad: active.setDegrees(!active.degrees()); break;
    case kCmdQuickSelects: state.dialogs.librarySelection(state); break;
    case kCmdHelpMode:
        state.helpMode = !state.helpMode;
        state.pending.redrawClient = true;
        break;
    case kCmdFullScreen: toggleFullScreen(state); break;
    default:
        if (id >= kCmdLibraryBase && id < kCmdLibraryBase + kMaxLibraryMenuItems)
            selectLibrary(state, id - kCmdLibraryBase);
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
