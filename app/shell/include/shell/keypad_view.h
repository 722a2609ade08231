// The keypad view under the block list: the current library's legend for
// the current page, laid over by the page's overlay (and the RPN overlay
// while the RPN display is on), the page and help-mode indicators, and the
// bands in the page's colour above and below. Beside the legend a strip
// names the library and the page; under it the quick selects show which
// libraries the Left and Right keys step through.
#ifndef ORVANA_SHELL_KEYPAD_VIEW_H
#define ORVANA_SHELL_KEYPAD_VIEW_H

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "keypad.h"
#include "platform/drawing.h"
#include "shell/image_list.h"
#include "shell/quick_selects.h"

namespace shell {

inline constexpr int32_t kKeypadViewWidth = 240;
inline constexpr int32_t kKeypadViewHeight = 154;
inline constexpr int kKeypadPages = 5;
inline constexpr int32_t kBandHeight = 2;
// The library's legend, at (0, 2) of the view.
inline constexpr int32_t kLegendWidth = 176;
inline constexpr int32_t kLegendHeight = 111;

// The band colour of a page (0..4).
PlatformColour pageBandColour(int page);

// What the view shows. Libraries are those of the engine's library table:
// library index n is library number n + 1 there.
struct KeypadViewInput {
    int16_t libraryIndex = -1;  // the current library
    int page = 0;
    bool helpMode = false;
    bool rpnDisplay = false;
    QuickSelectSlots quickSelects{0, kNoLibrary, kNoLibrary, kNoLibrary, kNoLibrary};
    int quickSelectCursor = 0;
};

// A library's name as the window shows it, first letter raised ("graphing"
// shows as "Graphing"); empty for an index without a library.
std::u16string libraryTitle(int index);

// A click on the view: a phone key of the legend, or the page key.
struct KeypadHit {
    char16_t key = 0;          // '0'..'9' or '.', 0 for none
    bool advancePage = false;  // the hash key or the strip
};

// The key under a point of the view (view coordinates).
KeypadHit keypadHitTest(int32_t x, int32_t y);

class KeypadView {
  public:
    // Draws the five page overlays, the RPN overlay and the indicators once.
    KeypadView();
    ~KeypadView();
    KeypadView(const KeypadView&) = delete;
    KeypadView& operator=(const KeypadView&) = delete;

    // Composes the view and copies it to `target` at (x, y). The view's
    // images are made again at the target's scale when it changes.
    void draw(PlatformSurface* target, int32_t x, int32_t y, const KeypadViewInput& input);
    // The composed image of the last draw (240 x 154).
    const PlatformSurface* composition() const { return composition_; }

  private:
    void build(int32_t scale);
    void release();
    void markLabelRow(int page);
    void drawStrip(const KeypadViewInput& input);
    void drawQuickSelects(const KeypadViewInput& input);

    std::array<PlatformSurface*, kKeypadPages> overlays_{};
    PlatformSurface* rpnOverlay_ = nullptr;
    PlatformSurface* legend_ = nullptr;
    PlatformSurface* composition_ = nullptr;
    std::unique_ptr<ImageList> indicators_;
    int32_t scale_ = 0;
};

// The overlays, drawn on pure blue (transparent) 240 x 154 surfaces.
void drawPageOverlay(PlatformSurface* surface, int page);
void drawRpnOverlay(PlatformSurface* surface);

}  // namespace shell

#endif
