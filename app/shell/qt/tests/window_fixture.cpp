#include "window_fixture.h"

#include <QApplication>
#include <QTest>

#include "engine/text_export.h"
#include "key_mode.h"
#include "platform/clock.h"
#include "shell/shell_lifecycle.h"

namespace orvana::qt::testing {

void WindowTest::SetUp() { start(1); }

void WindowTest::start(int scale) {
    TearDown();
    config_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
    platformUseVirtualClock(1);
    backend_ = std::make_unique<QtBackend>(ScriptedAnswers{});
    state_ = std::make_unique<shell::ShellState>();
    window_ = std::make_unique<MainWindow>(*state_, *backend_, scale, QString());
    shell::StartupOptions options;
    options.moduleFolder = ORVANA_TEST_MODULE_DIR;
    shell::startShell(*state_, options);
    window_->client().setCaretBlinks(false);
    window_->client().settle();
    window_->show();
    window_->client().setFocus();
    QApplication::processEvents();
}

void WindowTest::TearDown() {
    window_.reset();
    if (state_) shell::destroyShell(*state_);
    state_.reset();
    backend_.reset();
    platformUseVirtualClock(0);
}

void WindowTest::type(const QString& text) {
    for (QChar c : text) {
        platformAdvanceClock(250);
        QTest::keyClicks(&window_->client(), QString(c));
    }
}

void WindowTest::press(int key, Qt::KeyboardModifiers modifiers) {
    platformAdvanceClock(250);
    QTest::keyClick(&window_->client(), Qt::Key(key), modifiers);
}

void WindowTest::clickAt(int x, int y) {
    const int s = window_->scale();
    QTest::mouseClick(&window_->client(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(x * s + s / 2, y * s + s / 2));
}

std::u16string WindowTest::editLine() const { return state_->document.editText(); }

std::string WindowTest::exported() const { return exportWorkspace(*state_); }

QImage WindowTest::grabClient() { return window_->client().grab().toImage(); }

}  // namespace orvana::qt::testing
