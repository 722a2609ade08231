// Key mode: the real window, offscreen, fed the keys of a key text in order,
// then its Workspace written as text and a picture of it taken. Hardware keys
// are delivered as if 250 ms apart on the virtual clock, so the debounce
// accepts each of them.
#ifndef ORVANA_SHELL_QT_KEY_MODE_H
#define ORVANA_SHELL_QT_KEY_MODE_H

#include <string>

#include "main_window.h"

namespace orvana::qt {

// Delivers every key of the text to the window as the toolkit would.
void typeKeys(MainWindow& window, const std::u16string& keyText);

// The Workspace as text with its answers and LF line ends, without committing
// the edit line and without asking anything.
std::string exportWorkspace(const shell::ShellState& state);

// A picture of the window; false when it cannot be written.
bool saveScreenshot(MainWindow& window, const std::string& path);

}  // namespace orvana::qt

#endif
