#include "key_translation.h"

namespace orvana::qt {

namespace {

using Kind = TranslatedKey::Kind;

// Command identifiers the desktop shortcuts send.
constexpr int kCmdUndo = 40129;
constexpr int kCmdLoad = 40059;
constexpr int kCmdSave = 40060;
constexpr int kCmdExit = 40027;

TranslatedKey withControl(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Z: return {Kind::Command, kCmdUndo};
        case Qt::Key_C: return {Kind::Copy};
        case Qt::Key_V: return {Kind::Paste};
        case Qt::Key_O: return {Kind::Command, kCmdLoad};
        case Qt::Key_S: return {Kind::Command, kCmdSave};
        case Qt::Key_Q: return {Kind::Command, kCmdExit};
        case Qt::Key_Plus:
        case Qt::Key_Equal: return {Kind::ScaleUp};
        case Qt::Key_Minus: return {Kind::ScaleDown};
        default: return {};
    }
}

}  // namespace

TranslatedKey translateKey(const QKeyEvent& event) {
    if (event.modifiers() & Qt::ControlModifier) return withControl(event);
    switch (event.key()) {
        case Qt::Key_Left: return {Kind::KeyUp, 37};
        case Qt::Key_Up: return {Kind::KeyUp, 38};
        case Qt::Key_Right: return {Kind::KeyUp, 39};
        case Qt::Key_Down: return {Kind::KeyUp, 40};
        case Qt::Key_F8: return {Kind::KeyUp, 119};
        case Qt::Key_F9: return {Kind::KeyUp, 120};
        case Qt::Key_Escape: return {Kind::HotKey, 27};
        case Qt::Key_F6: return {Kind::HotKey, 117};
        case Qt::Key_F7: return {Kind::HotKey, 118};
        case Qt::Key_F10: return {Kind::HotKey, 121};
        case Qt::Key_F1: return {Kind::Help};
        case Qt::Key_Backspace: return {Kind::Character, 8};
        case Qt::Key_Return:
        case Qt::Key_Enter: return {Kind::Character, 13};
        default: break;
    }
    const QString text = event.text();
    // One printable character (Alt and Meta combinations are not typing).
    if (text.size() == 1 && text[0].isPrint() &&
        !(event.modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
        return {Kind::Character, text[0].unicode()};
    return {};
}

}  // namespace orvana::qt
