// The shell's one state record for the whole process: the window handles,
// the layout of the client area, the display states (full screen, help mode,
// keypad page, graph view), the library choice and quick selects, RPN mode,
// the copied block, the hardware-key clock, the edit line's line count, the
// last key code and the display-format slots. The document (blocks, active
// block, edit line, undo record, RPN display, EXE) is the Workspace document
// object the state owns.
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
#include "shell/preferences.h"

namespace shell {

// Client-area geometry (logical pixels).
inline constexpr int kClientWidth = 240;
inline constexpr int kClientHeight = 266;
inline constexpr int16_t kBlockAreaHeight = 112;
inline constexpr int16_t kFullScreenBlockAreaHeight = 266;
inline constexpr int kRowHeight = 28;
inline constexpr int kScrollBarX = 234;
inline constexpr int kScrollBarWidth = 6;
inline constexpr int kKeypadTop = 112;
inline constexpr int kKeypadHeight = 154;
inline constexpr int kPageCount = 5;
inline constexpr int kEditLimit = 99;
// Hardware keys closer together than this are ignored; after Record the
// next one is ignored for this long plus the extra.
inline constexpr double kHardwareKeyGapMs = 200.0;
inline constexpr uint32_t kRecordExtraMs = 1000;

// Window handles. The expression line and the hidden composition line are
// edit-control models of the platform; the others belong to the front end.
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

    // Layout: 112 with the keypad view shown, 266 in full screen.
    int16_t blockAreaHeight = kBlockAreaHeight;
    bool fullScreen = false;
    bool helpMode = false;
    int16_t page = 0;                // 0..4
    bool keypadShown = true;
    int16_t keypadTop = kKeypadTop;  // 112, or 0 over a block low in full screen
    bool graphShown = false;
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

    // The document: blocks, active block, edit line, undo record.
    engine::BlockList blocks;
    // Scrolling: the first block drawn, and the active block's top as last
    // drawn (-1 when it was not drawn).
    int16_t firstVisible = 0;
    int16_t activeTop = -1;

    // Filled by Copy Eqn.; null until then.
    std::unique_ptr<engine::EquationBlock> copiedBlock;
    // The Workspace note text is the engine's (engine/workspace_note.h): it
    // is saved and loaded with the Workspace.

    // Time of the last accepted hardware key (tick counter, milliseconds).
    uint32_t hardwareKeyTime = 0;
    // Lines the expression edit line shows, 1..3.
    int16_t editLineCount = 1;
    // The last key code passed on (character + page x 65536).
    uint32_t lastKey = 0;

    // Display-format slots 1 and 2 and the slot in use (slot 0 is the
    // Workspace's).
    FormatSlots formats;
    // Script directory as the preferences hold it.
    std::u16string scriptDirectory;

    // The graph view's model; created with the state.
    std::unique_ptr<GraphModel> graph;

    PendingWork pending;

    // The answer rows of the slot in use: 0 ("Script") to 3.
    int answerRows() const { return formats.inUse().answerRows; }
};

}  // namespace shell

#endif
