// The menus the window shows, as data: the "Eqns" pop-up (the left menu-bar
// button and a right click on a block), the "Workspace" menu of the right
// button with its Library sub-menu, and the graph view's "G" pop-up.
//
// Grouping, so that a user finds everything:
//   "Eqns": Undo first (the one thing a user reaches for after a slip); the
//     block-editing commands (copy, paste, insert, delete, clear the line);
//     the block's own settings ("Set to Graph" colours, Deg/Rad); looking at
//     and running blocks (Show Answer..., Run from here); deleting many
//     blocks at once in a sub-menu of its own, apart from the single-block
//     commands; last the view switches with their hardware keys in the text.
//   "Workspace": files (load, save, export), then the fixed files of the
//     program folder (default, start-up, reset), then emptying (equations,
//     variables, everything), then settings (Library, RPN Mode, Format...,
//     the script directory), then About... and Exit at the bottom.
//   "G": the zoom and range commands, then the graph dialogs, then the
//     picture actions (Copy Graph, Save Graph as PNG...) and Trace to Block,
//     then the way back to the blocks ("Graph (Record)", as on the Record
//     key).
#ifndef ORVANA_SHELL_MENUS_H
#define ORVANA_SHELL_MENUS_H

#include <string>
#include <vector>

#include "platform/popup_menu.h"
#include "shell/shell_state.h"

namespace shell {

// Where the pop-ups of the left button open (screen coordinates).
inline constexpr int kPopupX = 88;
inline constexpr int kPopupY = 201;
// The Library menu has an item for at most this many libraries.
inline constexpr int kMaxLibraryMenuItems = 16;

// The menus as the state asks for them now (the RPN Mode check mark follows
// the state). The items point into the object, which therefore is neither
// copied nor moved.
class ShellMenus {
public:
    explicit ShellMenus(const ShellState& state);
    ShellMenus(const ShellMenus&) = delete;
    ShellMenus& operator=(const ShellMenus&) = delete;

    const std::vector<PlatformMenuItem>& eqns() const { return eqns_; }
    const std::vector<PlatformMenuItem>& workspace() const { return workspace_; }
    const std::vector<PlatformMenuItem>& library() const { return library_; }
    const std::vector<PlatformMenuItem>& graph() const { return graph_; }

private:
    std::vector<std::u16string> libraryNames_;
    std::vector<PlatformMenuItem> colours_;
    std::vector<PlatformMenuItem> deletions_;
    std::vector<PlatformMenuItem> eqns_;
    std::vector<PlatformMenuItem> library_;
    std::vector<PlatformMenuItem> workspace_;
    std::vector<PlatformMenuItem> graph_;
};

// A library's name as the Library menu shows it: its first letter raised.
std::u16string libraryMenuText(std::u16string name);

// The left menu-bar button (command 40115): over the graph view the "G"
// pop-up, whose choice goes to the graph view; else the "Eqns" pop-up, whose
// choice runs here.
void openMenuButtonPopup(ShellState& state);

// A command for the graph view: its range commands change the graph model,
// its dialogs open; a command of the main window (leaving the view) runs
// there.
void postToGraphView(ShellState& state, int32_t command);

}  // namespace shell

#endif
