// The shell's one state record for the whole process: the window handles,
// the display states (full screen, help mode, keypad page, keypad place),
// the library choice and quick selects, RPN mode, the copied block, the
// hardware-key clock, the last key code and the display-format slots. It owns
// the document (blocks, active block, edit line, undo record, RPN display,
// EXE), the block list on screen (block-area height, first visible block,
// the active block's top, the edit line's line count, whether the graph view
// covers the list) and the graph view's model.
//
// Nothing here draws or shows anything: the window front end reads this
// record after each event and does what the `pending` requests ask (redraw an
// area, move or hide the keypad view, close the window).
#ifndef ORVANA_SHELL_SHELL_STATE_H
#define ORVANA_SHELL_SHELL_STATE_H

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/block_list.h"
#include "engine/equation_block.h"
#include "platform/message_box.h"
#include "shell/format_slots.h"
#include "shell/graph_model.h"
#include "shell/block_view.h"
#include "shell/dialogs.h"
#include "shell/engine_startup.h"
#include "shell/graph_dialogs.h"
#include "shell/preferences.h"
#include "shell/workspace_document.h"

namespace shell {

// Where the keypad view stands normally (the block area's geometry is
// block_view.h's), and how many keypad pages there are.
inline constexpr int kKeypadTop = 112;
inline constexpr int kPageCount = 5;
// Hardware keys closer together than this are ignored; after Record the
// next one is ignored for this long plus the extra.
inline constexpr double kHardwareKeyGapMs = 200.0;
inline constexpr uint32_t kRecordExtraMs = 1000;

// Window handles. The expression line (the document's) and the hidden
// composition line (the state's own) are edit-control models of the
// platform; the others belong to the front end.
struct ShellWindows {
    PlatformWindow main = nullptr;         // class "ZebOrvanaCLS", title "Orvana"
    PlatformWindow edit = nullptr;         // expression edit line (child 1)
    PlatformWindow scrollBar = nullptr;    // child 3
    PlatformWindow composition = nullptr;  // hidden composition line (child 43221)
    PlatformWindow graphView = nullptr;    // class "OVGRAPH"
    PlatformWindow keypadView = nullptr;   // class "OVKEYBOARD"
    PlatformWindow menuBar = nullptr;
};

// Slots 0..4 hold library indices (0-based, load order) or kNoLibrary; slot
// 3 takes the last library chosen from the menu that is not in 0..2; slot 4
// stays empty. The cursor (0..3) is what Left and Right move.
struct QuickSelect {
    std::array<int16_t, kQuickSelectSlots> slots{0, kNoLibrary, kNoLibrary, kNoLibrary,
                                                 kNoLibrary};
    int16_t cursor = 0;
};

// What the front end must do after an event; it clears what it has done.
struct PendingWork {
    bool redrawBlockArea = false;  // (0, 0)-(240, block-area height)
    bool redrawClient = false;     // the whole client area
    bool redrawKeypad = false;
    bool updateScrollBar = false;
    bool closeWindow = false;      // the destroy handling has run
};

struct ShellState {
    ShellState();
    ~ShellState();
    ShellState(const ShellState&) = delete;
    ShellState& operator=(const ShellState&) = delete;

    ShellWindows windows;

    bool fullScreen = false;
    bool helpMode = false;
    int16_t page = 0;                // 0..4
    bool keypadShown = true;
    int16_t keypadTop = kKeypadTop;  // 112, or 0 over a block low in full screen
    // The edit line is single-line with horizontal scrolling while the graph
    // view is shown, multi-line otherwise.
    bool editSingleLine = false;
    // The left menu-bar button: "Eqns", or "Graph" over the graph view.
    std::u16string leftButton = u"Eqns";

    // Libraries.
    int16_t currentLibrary = 0;  // 0-based
    QuickSelect quickSelect;

    // RPN mode (saved in the preferences); the RPN display is the document's.
    bool rpnMode = false;
    // Whether the RPN Mode menu item shows its check mark.
    bool rpnMenuChecked = false;

    // The document: blocks, active block, edit line, undo record, RPN
    // display, EXE.
    WorkspaceDocument document;
    engine::BlockList& blocks() { return document.blocks(); }
    // The engine brought up by the start-up sequence (keypad libraries,
    // scripts); null before it and after the destroy handling.
    std::unique_ptr<EngineStartup> engine;
    // The list on screen: block-area height (112, or 266 in full screen),
    // first visible block, active block's top, edit line count, graph shown.
    BlockView view;

    // Filled by Copy Eqn.; null until then.
    std::unique_ptr<engine::EquationBlock> copiedBlock;
    // The Workspace note text is the engine's (engine/workspace_note.h): it
    // is saved and loaded with the Workspace.

    // Time of the last accepted hardware key (tick counter, milliseconds).
    uint32_t hardwareKeyTime = 0;
    // The last key code passed on (character + page x 65536).
    uint32_t lastKey = 0;

    // Display-format slots 1 and 2 and the slot in use (slot 0 is the
    // Workspace's).
    FormatSlots formats;
    // The script directory is the engine's (engine/script_folder.h).

    // The dialogs the commands open.
    ShellDialogs dialogs = inactiveDialogs();
    // The graph view's dialogs.
    GraphDialogViews graphDialogs = inactiveGraphDialogs();

    // The graph view's model; created with the state.
    std::unique_ptr<GraphModel> graph;

    PendingWork pending;

    bool graphShown() const { return view.graphShown(); }
    int blockAreaHeight() const { return view.blockAreaHeight(); }
};

// The block list shows answers in the format of the slot in use.
void syncBlockDisplay(ShellState& state);

}  // namespace shell

#endif
