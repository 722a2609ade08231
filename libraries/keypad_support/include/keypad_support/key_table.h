// A keypad module's key table: for every key and page the text the key
// inserts, where the caret goes afterwards, and the label the legend shows.
// One table serves MapKeyboard and LoadBMP, so a key's legend always
// matches what it does.
#ifndef ORVANA_KEYPAD_SUPPORT_KEY_TABLE_H
#define ORVANA_KEYPAD_SUPPORT_KEY_TABLE_H

#include <cstddef>
#include <cstdint>
#include <span>

#include "keypad.h"
#include "platform/drawing.h"

namespace keypad_support {

struct Key {
    char16_t key;           // '0'-'9', '.' for the star key
    uint16_t page;          // 2, 3 or 4
    const char16_t* text;   // inserted at the caret; null inserts nothing
    int32_t caretBack;      // then the caret moves this many places left
    const char16_t* label;  // shown on the legend; null shows nothing
};

using KeyTable = std::span<const Key>;

// The entry for a key code (character in the low half, page in the high
// half), or null.
const Key* findKey(KeyTable keys, uint32_t keyCode);

// Inserts text into the edit control, replacing the selection, and moves the
// caret caretBack places left from the end of the inserted text.
void insertText(PlatformWindow editControl, const char16_t* text, int32_t caretBack);

// Inserts the key's text into the edit control, replacing the selection, and
// places the caret. Returns the follow-up action "nothing more" (1); a key
// without an entry changes nothing.
int32_t insertKey(KeyTable keys, uint32_t keyCode, PlatformWindow editControl);

// Puts the text in front of the whole line (as "V:" is) and moves the caret
// right by the text's length, so that it stays where it was in the line.
void insertAtLineStart(PlatformWindow editControl, const char16_t* text);

// The legend bitmap's size and the label colours of pages 2, 3 and 4.
inline constexpr int32_t kLegendWidth = 176;
inline constexpr int32_t kLegendHeight = 111;
inline constexpr int32_t kLegendColumns = 3;
inline constexpr int32_t kLegendRows = 4;  // 1 2 3 / 4 5 6 / 7 8 9 / star 0 hash
inline constexpr int32_t kLabelHeight = 9;
PlatformColour pageColour(uint16_t page);

// The key cell of a key character on the legend: column and row, false for a
// character with no place on the keypad.
bool keyCell(char16_t key, int32_t* column, int32_t* row);
// The cell's rectangle on the legend (right and bottom excluded).
void cellBounds(int32_t column, int32_t row, int32_t* left, int32_t* top, int32_t* right,
                int32_t* bottom);

// Draws the legend of the table into a surface at its origin: white keys
// separated by grey lines, each key's labels one above the other in the
// colours of their pages (page 2 on top), centred in the key.
void drawLegend(PlatformSurface* surface, KeyTable keys);

// The title bitmap "NAME" every library carries: a small picture of the
// library, here its short text in the colour, centred on white.
inline constexpr int32_t kTitleWidth = 20;
inline constexpr int32_t kTitleHeight = 16;
void drawTitle(PlatformSurface* surface, const char16_t* text, PlatformColour colour);

// A module's legend bitmap, drawn once on first use and released when the
// module is unloaded.
class Legend {
  public:
    explicit Legend(KeyTable keys) : keys_(keys) {}
    ~Legend();
    Legend(const Legend&) = delete;
    Legend& operator=(const Legend&) = delete;

    // Copies the legend to the surface's origin (LoadBMP); 1, or 0 for a null
    // surface or exhausted memory.
    int32_t copyTo(KeypadSurface surface);

  private:
    KeyTable keys_;
    PlatformSurface* image_ = nullptr;
};

}  // namespace keypad_support

#endif
