// The main window's commands: the menu items, the menu-bar buttons and the
// notifications of the expression edit line. Menu items, hardware keys and
// other parts of the shell all act through runCommand.
#ifndef ORVANA_SHELL_COMMANDS_H
#define ORVANA_SHELL_COMMANDS_H

#include <cstdint>

#include "shell/shell_state.h"

namespace shell {

// Command identifiers.
enum Command : uint16_t {
    kCmdClearEdit = 1066,         // "Clear"
    kCmdDeleteEqn = 40006,        // "Delete Eqn."
    kCmdGraphRed = 40007,         // "Red"
    kCmdGraphGreen = 40008,       // "Green"
    kCmdGraphBlue = 40009,        // "Blue"
    kCmdGraphClear = 40010,       // "Clear "
    kCmdGraphClearAll = 40023,    // "Clear All" (Set to Graph)
    kCmdCopyEqn = 40024,          // "Copy Eqn."
    kCmdPasteEqn = 40025,         // "Paste Eqn."
    kCmdInsertEqn = 40026,        // "Insert Eqn."
    kCmdExit = 40027,             // "Exit"
    kCmdShowAnswer = 40057,       // "Show Answer..."
    kCmdLoad = 40059,             // "Load..."
    kCmdSave = 40060,             // "Save..."
    kCmdAbout = 40061,            // "About..."
    kCmdClearAll = 40064,         // "Clear All" (Workspace)
    kCmdClearVariables = 40065,   // "Clear Variables"
    kCmdClearEqns = 40066,        // "Clear Eqns."
    kCmdLoadDefault = 40076,      // "Load Default"
    kCmdSaveDefault = 40077,      // "Save Default"
    kCmdDeleteBelow = 40079,      // "All Below"
    kCmdSetAsStartup = 40081,     // "Set as Startup"
    kCmdExportText = 40083,       // "Export as Text..."
    kCmdRunFromHere = 40084,      // "Run from here"
    kCmdScriptDirectory = 40085,  // "Set Script Directory..."
    kCmdDeleteAbove = 40091,      // "All Above"
    kCmdResetWorkspace = 40092,   // "Reset Workspace"
    kCmdRpnMode = 40094,          // "RPN Mode"
    kCmdFormat = 40102,           // "Format..."
    kCmdMenuButton = 40115,       // the menu bar's left button
    kCmdGraphYellow = 40121,      // "Yellow"
    kCmdGraph = 40125,            // "Graph (Record)"
    kCmdUndo = 40129,             // "Undo"
    kCmdGraphPurple = 40131,      // "Purple"
    kCmdDegRad = 40135,           // "Deg/Rad"
    kCmdQuickSelects = 40173,     // "Quick Selects..."
    kCmdHelpMode = 40174,         // "Help (Vol Up)"
    kCmdFullScreen = 40175,       // "Full Screen (Vol Down)"
    kCmdLibraryBase = 7000,       // 7000 + n: library n
};

// Edit-line notifications.
inline constexpr uint16_t kEditTextLimitReached = 1281;
inline constexpr uint16_t kEditTextChanging = 1024;

// The command handler. A notification code other than 0 makes it return at
// once; an identifier it does not know only redraws the block area.
void runCommand(ShellState& state, uint16_t id, uint16_t notification = 0);

// A command message as the window receives it: the edit line's
// notifications, the left menu-bar button (the "G" pop-up over the graph
// view, else the "Eqns" pop-up), and everything else for runCommand.
void onCommandMessage(ShellState& state, uint16_t id, uint16_t notification);

// Undo, one level (undo.cpp).
void undoLastChange(ShellState& state);

// The display-state changes (display_toggles.cpp).
void toggleGraphView(ShellState& state);
void toggleFullScreen(ShellState& state);
void toggleRpnMode(ShellState& state);

}  // namespace shell

#endif
