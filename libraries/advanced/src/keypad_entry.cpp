// The keypad entry points: MapKeyboard edits the expression text for a key,
// LoadBMP hands out the legend, GetButtonRect gives a key's screen
// rectangle, doDraw has nothing to draw.
#include "keypad.h"
#include "keypad_keys.h"
#include "platform/edit_control.h"

namespace advanced {
namespace {

keypad_support::Legend& legend() {
    static keypad_support::Legend image(keyTable());
    return image;
}

void prefixElementwise(PlatformWindow edit) {
    int32_t start = 0;
    int32_t caret = 0;
    platformEditGetSelection(edit, &start, &caret);
    platformEditSetSelection(edit, 0, 0);
    platformEditReplaceSelection(edit, u"V:");
    platformEditSetSelection(edit, caret + 2, caret + 2);
}

void caretLeft(PlatformWindow edit) {
    int32_t start = 0;
    int32_t caret = 0;
    platformEditGetSelection(edit, &start, &caret);
    if (caret > 0) --caret;
    platformEditSetSelection(edit, caret, caret);
}

}  // namespace
}  // namespace advanced

extern "C" {

PLATFORM_API int32_t MapKeyboard(uint32_t keyCode, PlatformWindow editControl,
                                 const HostServices*) {
    using namespace advanced;
    const uint32_t normalised = normalisedKeyCode(keyCode);
    switch (keyEdit(normalised)) {
        case KeyEdit::PrefixElementwise:
            prefixElementwise(editControl);
            break;
        case KeyEdit::CaretLeft:
            caretLeft(editControl);
            break;
        case KeyEdit::Insert:
            keypad_support::insertKey(keyTable(), normalised, editControl);
            break;
    }
    return KEYPAD_ACTION_NONE;
}

PLATFORM_API int32_t LoadBMP(KeypadSurface surface, KeypadLibrary*) {
    advanced::legend().copyTo(surface);
    return 1;
}

PLATFORM_API int32_t GetButtonRect(int32_t row, int32_t column, KeypadRect* rect) {
    if (rect != nullptr) {
        rect->left = 30 * column;
        rect->top = 20 * row + 154;
        rect->right = 30 * column + 29;
        rect->bottom = 20 * row + 174;
    }
    return 1;
}

PLATFORM_API int32_t doDraw(void) {
    return 0;
}

}  // extern "C"
