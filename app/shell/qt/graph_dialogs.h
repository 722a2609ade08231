// The graph view's dialogs as windows ("Grid Setting", "Graph Settings",
// "Graph Keypad"), sized like the device's full-screen dialogs at the
// window's scale with OK and Cancel, and the "G" menu's picture actions
// (Copy Graph, Save Graph as PNG...). In key mode nothing modal is shown: a
// dialog is confirmed as it opened, and the PNG's file name is asked with a
// scripted prompt.
#ifndef ORVANA_SHELL_QT_GRAPH_DIALOGS_H
#define ORVANA_SHELL_QT_GRAPH_DIALOGS_H

#include "client_view.h"
#include "qt_backend.h"
#include "shell/shell_state.h"

namespace orvana::qt {

// Installs the views into the state. The window and backend must outlive the
// state's use of them (the program has one window).
void installGraphDialogs(shell::ShellState& state, ClientView& view, QtBackend& backend);

}  // namespace orvana::qt

#endif
