// A started window on the offscreen platform, with its own per-user folder,
// the keypad modules of the build loaded, and the virtual clock running, for
// tests that send it real key and mouse events.
#ifndef ORVANA_SHELL_QT_TESTS_WINDOW_FIXTURE_H
#define ORVANA_SHELL_QT_TESTS_WINDOW_FIXTURE_H

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "main_window.h"
#include "qt_backend.h"
#include "shell/shell_state.h"

namespace orvana::qt::testing {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the window at the scale (the fixture starts one at scale 1).
    void start(int scale);

    // Real events, through the toolkit.
    void type(const QString& text);
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A click at logical client coordinates.
    void clickAt(int x, int y);

    // The edit line, the active block and block texts and answers as the
    // export writes them.
    std::u16string editLine() const;
    std::string exported() const;
    // The client area as drawn now, in device pixels.
    QImage grabClient();

    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<QtBackend> backend_;
    std::unique_ptr<shell::ShellState> state_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace orvana::qt::testing

#endif
