// Inserting a key's text into an edit control through the edit messages:
// replace the selection, then read it back to place the caret.
#include "keypad_support/key_table.h"
#include "platform/edit_control.h"
#include "platform/text.h"

namespace keypad_support {

const Key* findKey(KeyTable keys, uint32_t keyCode) {
    const auto character = char16_t(keyCode & 0xFFFFu);
    const auto page = uint16_t(keyCode >> 16);
    for (const Key& k : keys)
        if (k.key == character && k.page == page) return &k;
    return nullptr;
}

void insertText(PlatformWindow editControl, const char16_t* text, int32_t caretBack) {
    if (text != nullptr && text[0] != 0) platformEditReplaceSelection(editControl, text);
    if (caretBack > 0) {
        int32_t start = 0, end = 0;
        platformEditGetSelection(editControl, &start, &end);
        const int32_t caret = start > caretBack ? start - caretBack : 0;
        platformEditSetSelection(editControl, caret, caret);
    }
}

int32_t insertKey(KeyTable keys, uint32_t keyCode, PlatformWindow editControl) {
    const Key* key = findKey(keys, keyCode);
    if (key == nullptr) return KEYPAD_ACTION_NONE;
    insertText(editControl, key->text, key->caretBack);
    return KEYPAD_ACTION_NONE;
}

void insertAtLineStart(PlatformWindow editControl, const char16_t* text) {
    int32_t start = 0, end = 0;
    platformEditGetSelection(editControl, &start, &end);
    platformEditSetSelection(editControl, 0, 0);
    platformEditReplaceSelection(editControl, text);
    const auto caret = int32_t(end + int32_t(platformTextLength(text)));
    platformEditSetSelection(editControl, caret, caret);
}

}  // namespace keypad_support
