// The key text of the window's key mode (--keys): plain characters typed as
// they are, and brace groups that name a key: {Enter} {BS} {Back} {F6}..{F10}
// {Up} {Down} {Left} {Right} {Cmd:N} {Click:X,Y} {Wait:N}. A brace group whose
// content is not one of those is typed as it is, braces included, so that
// "{1,2|3,4}" types a matrix literal.
#ifndef ORVANA_SHELL_QT_KEY_SCRIPT_H
#define ORVANA_SHELL_QT_KEY_SCRIPT_H

#include <cstdint>
#include <string>
#include <vector>

namespace orvana::qt {

struct ScriptedKey {
    enum class Kind {
        Character,  // value: the character
        Enter,
        Backspace,
        Back,       // the hardware Back key (Escape)
        Function,   // value: 6..10 for F6..F10
        Up,
        Down,
        Left,
        Right,
        Command,    // value: the command identifier
        Click,      // x, y: logical client coordinates
        Wait,       // value: milliseconds
    };
    Kind kind;
    int32_t value = 0;
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const ScriptedKey&) const = default;
};

std::vector<ScriptedKey> parseKeyScript(const std::u16string& text);

}  // namespace orvana::qt

#endif
