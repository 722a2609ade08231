#include "key_mode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

#include "engine/text_export.h"
#include "key_script.h"
#include "platform/clock.h"

namespace orvana::qt {

namespace {

// The gap between two hardware keys: above the debounce's 200 ms.
constexpr uint32_t kKeyGapMs = 250;

void sendKey(QWidget* target, int key, const QString& text = {},
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void click(ClientView& view, int32_t x, int32_t y) {
    const int s = view.scale();
    const QPointF at(x * s + s / 2.0, y * s + s / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, view.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view.mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &release);
}

}  // namespace

void typeKeys(MainWindow& window, const std::u16string& keyText) {
    ClientView& view = window.client();
    using Kind = ScriptedKey::Kind;
    for (const ScriptedKey& key : parseKeyScript(keyText)) {
        if (window.destroyed()) break;
        platformAdvanceClock(kKeyGapMs);
        switch (key.kind) {
            case Kind::Character:
                sendKey(&view, 0, QString(QChar(char16_t(key.value))));
                break;
            case Kind::Enter: sendKey(&view, Qt::Key_Return, QStringLiteral("\r")); break;
            case Kind::Backspace: sendKey(&view, Qt::Key_Backspace, QStringLiteral("\b")); break;
            case Kind::Back: sendKey(&view, Qt::Key_Escape); break;
            case Kind::Function: sendKey(&view, Qt::Key_F1 + key.value - 1); break;
            case Kind::Up: sendKey(&view, Qt::Key_Up); break;
            case Kind::Down: sendKey(&view, Qt::Key_Down); break;
            case Kind::Left: sendKey(&view, Qt::Key_Left); break;
            case Kind::Right: sendKey(&view, Qt::Key_Right); break;
            case Kind::Command: view.command(key.value); break;
            case Kind::Click: click(view, key.x, key.y); break;
            case Kind::Wait: platformAdvanceClock(uint32_t(key.value)); break;
        }
        QCoreApplication::processEvents();
    }
}

std::string exportWorkspace(const shell::ShellState& state) {
    engine::ExportOptions options;
    options.answers = true;
    options.formatCode = state.view.display().formatCode;
    options.polar = state.view.display().polar;
    options.lineEnd = "\n";
    return engine::exportBlocks(state.document.blocks(), options);
}

bool saveScreenshot(MainWindow& window, const std::string& path) {
    QCoreApplication::processEvents();
    return window.grab().save(QString::fromStdString(path), "PNG");
}

}  // namespace orvana::qt
