// The graph view's keys and commands while it is shown. The view has the
// focus then: the arrows, Enter and the digit keys of page 0 are its own;
// other typed keys of page 0 are not for it and go nowhere, while the keys
// of the library pages still reach the edit line, after which the graph is
// computed again (they may have changed a graphed block).
#ifndef ORVANA_SHELL_GRAPH_KEYS_H
#define ORVANA_SHELL_GRAPH_KEYS_H

#include <cstdint>
#include <string>

#include "shell/shell_state.h"

namespace shell {

// Commands of the graph view beyond the range commands of graph_model.h.
enum GraphViewCommand : int32_t {
    kCmdGraphSettings = 40020,   // "Graph Settings..."
    kCmdGraphGrids = 40093,      // "Grids..."
    kCmdGraphKeyHelp = 40169,    // "Graph Key Help"
    kCmdCopyGraph = 40301,       // "Copy Graph"
    kCmdSaveGraph = 40302,       // "Save Graph as PNG..."
    kCmdTraceToBlock = 40303,    // "Trace to Block"
};

// An arrow key-up for the graph view; false when the key is not its own.
bool graphViewKeyUp(ShellState& state, int key);
// A typed character while the graph is shown; false when it goes on to the
// edit line (a key of a page other than 0).
bool graphViewCharacter(ShellState& state, char16_t character);
// After a key that reached the edit line with the graph shown.
void recomputeGraphAfterKey(ShellState& state);

// The dialogs, picture actions and Trace to Block; false for an id that is
// not one of them.
bool runGraphViewCommand(ShellState& state, int32_t id);

// The block text Trace to Block appends: a 1 x 2 matrix literal of the
// cursor's x and the value under the cursor, "{x,y}", which evaluates to
// those two numbers. The value is that of the newest sampled curve at the
// cursor's column, or the cursor's own y when no curve has a value there.
std::u16string traceBlockText(const GraphModel& model);
// Appends that block (above the empty last block) and executes it.
void traceToBlock(ShellState& state);

}  // namespace shell

#endif
