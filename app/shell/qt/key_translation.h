// Desktop keys in the shell's terms: typed characters become character
// messages (Backspace the character 8, Enter 13), the arrows, F8 and F9
// key-up keys, Escape and F6, F7, F10 the hardware keys (Back, Volume Up,
// Volume Down, Record), and the desktop habits (Ctrl+Z, Ctrl+C, Ctrl+V,
// Ctrl+O, Ctrl+S, Ctrl+Q, F1, Ctrl+Plus, Ctrl+Minus) window actions.
#ifndef ORVANA_SHELL_QT_KEY_TRANSLATION_H
#define ORVANA_SHELL_QT_KEY_TRANSLATION_H

#include <QKeyEvent>

namespace orvana::qt {

struct TranslatedKey {
    enum class Kind {
        None,
        Character,  // value: the character
        KeyUp,      // value: the virtual key (37-40, 119, 120)
        HotKey,     // value: the virtual key (27, 117, 118, 121)
        Command,    // value: the command identifier
        Copy,
        Paste,
        Help,
        ScaleUp,
        ScaleDown,
    };
    Kind kind = Kind::None;
    int value = 0;
};

TranslatedKey translateKey(const QKeyEvent& event);

}  // namespace orvana::qt

#endif
