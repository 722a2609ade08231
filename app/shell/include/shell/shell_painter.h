// Painting the shell's areas from its state record, as the window asks on a
// paint event: the block area (with the expression line and the scroll bar)
// and the keypad view. The painter owns the keypad view's drawing resources
// (overlays, indicators, composition surface), made once.
#ifndef ORVANA_SHELL_SHELL_PAINTER_H
#define ORVANA_SHELL_SHELL_PAINTER_H

#include <cstdint>
#include <optional>

#include "shell/keypad_help.h"
#include "shell/keypad_view.h"
#include "shell/shell_state.h"

namespace shell {

class ShellPainter {
  public:
    // Draws the block list into a surface of 240 x block-area height, with
    // the document's expression line (its text and selection).
    void paintBlockArea(ShellState& state, PlatformSurface* surface, bool showCaret = true);
    // Draws the keypad view into a 240 x 154 surface at (x, y).
    void paintKeypad(const ShellState& state, PlatformSurface* surface, int32_t x = 0,
                     int32_t y = 0);

  private:
    KeypadView keypad_;
};

// Help mode: shows the help of key code `keyCode` with the state's hidden
// composition control, the RPN display off while the key is composed.
// `mainProgram` holds the main program's help strings.
std::optional<engine::KeyHelp> showKeyHelp(ShellState& state, uint32_t keyCode,
                                           PlatformModule* mainProgram,
                                           const KeyComposer& composer = {});

}  // namespace shell

#endif
