// Composing the keypad view: legend, overlays, the parts that change at run
// time (library name, quick selects), indicators and bands.
#include "shell/keypad_view.h"

#include <algorithm>

#include "engine/library_table.h"
#include "keypad_support/key_table.h"
#include "shell/text_wrap.h"

namespace shell {
namespace {

constexpr int32_t kComposedHeight = 150;  // legend and overlays, between the bands
constexpr int32_t kPageIconX = 195, kPageIconY = 130;
constexpr int32_t kHelpIconX = 224, kHelpIconY = 116;

constexpr PlatformColour kWhite = PLATFORM_RGB(255, 255, 255);
constexpr PlatformColour kInk = PLATFORM_RGB(0, 0, 0);
constexpr PlatformColour kTabEdge = PLATFORM_RGB(160, 160, 160);
constexpr PlatformColour kEmptyTab = PLATFORM_RGB(214, 214, 214);

const PlatformFont kNameFont{u"Tahoma", 11, PLATFORM_FONT_BOLD};
const PlatformFont kTabFont{u"Tahoma", 9, PLATFORM_FONT_NORMAL};

// A library name short enough for its tab: cut and ended with a full stop
// when the whole name does not fit ("Hexadecimal" becomes "Hexad.").
std::u16string fittedTitle(std::u16string title, int32_t width) {
    int32_t w = 0;
    platformMeasureText(title.c_str(), &kTabFont, &w, nullptr);
    if (w <= width) return title;
    while (title.size() > 1) {
        title.pop_back();
        const std::u16string cut = title + u".";
        platformMeasureText(cut.c_str(), &kTabFont, &w, nullptr);
        if (w <= width) return cut;
    }
    return title;
}

// The quick-select tabs under the legend.
constexpr int32_t kTabTop = 117, kTabBottom = 133, kTabPitch = 43, kTabWidth = 41;

constexpr PlatformColour kLegendGrid = PLATFORM_RGB(192, 192, 192);

// Whether the legend has a label in the rectangle: any pixel that is
// neither the key's white nor the grid's grey.
bool hasInk(const PlatformSurface* legend, int32_t left, int32_t top, int32_t right,
            int32_t bottom) {
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) {
            const PlatformColour c = platformSurfacePixel(legend, x, y);
            if (c != kWhite && c != kLegendGrid) return true;
        }
    return false;
}

PlatformSurface* blankSurface(int32_t scale) {
    return platformCreateScaledSurface(kKeypadViewWidth, kKeypadViewHeight, scale);
}

}  // namespace

std::u16string libraryTitle(int index) {
    const std::u16string* name = engine::libraryName(index + 1);
    if (index < 0 || name == nullptr) return {};
    std::u16string title = *name;
    if (!title.empty() && title[0] >= u'a' && title[0] <= u'z') title[0] = char16_t(title[0] - 32);
    return title;
}

KeypadHit keypadHitTest(int32_t x, int32_t y) {
    KeypadHit hit;
    if (x < 0 || y < 0 || x >= kKeypadViewWidth || y >= kKeypadViewHeight) return hit;
    if (x >= kLegendWidth) {
        hit.advancePage = true;
        return hit;
    }
    const int32_t ly = y - kBandHeight;
    if (ly < 0 || ly >= kLegendHeight) return hit;
    static constexpr char16_t kKeys[4][3] = {
        {u'1', u'2', u'3'}, {u'4', u'5', u'6'}, {u'7', u'8', u'9'}, {u'.', u'0', 0}};
    for (int32_t row = 0; row < keypad_support::kLegendRows; ++row)
        for (int32_t column = 0; column < keypad_support::kLegendColumns; ++column) {
            int32_t left, top, right, bottom;
            keypad_support::cellBounds(column, row, &left, &top, &right, &bottom);
            if (x < left || x >= right || ly < top || ly >= bottom) continue;
            hit.key = kKeys[row][column];
            hit.advancePage = hit.key == 0;
            return hit;
        }
    return hit;
}

KeypadView::KeypadView() : indicators_(createKeypadIndicators()) {
    build(1);
}

KeypadView::~KeypadView() {
    release();
}

void KeypadView::release() {
    for (PlatformSurface*& overlay : overlays_) {
        platformDestroySurface(overlay);
        overlay = nullptr;
    }
    for (PlatformSurface** surface : {&rpnOverlay_, &legend_, &composition_}) {
        platformDestroySurface(*surface);
        *surface = nullptr;
    }
}

void KeypadView::build(int32_t scale) {
    release();
    scale_ = scale;
    for (int page = 0; page < kKeypadPages; ++page) {
        overlays_[size_t(page)] = blankSurface(scale);
        if (overlays_[size_t(page)] != nullptr) drawPageOverlay(overlays_[size_t(page)], page);
    }
    rpnOverlay_ = blankSurface(scale);
    if (rpnOverlay_ != nullptr) drawRpnOverlay(rpnOverlay_);
    legend_ = blankSurface(scale);
    composition_ = blankSurface(scale);
}

void KeypadView::draw(PlatformSurface* target, int32_t x, int32_t y,
                      const KeypadViewInput& input) {
    if (target != nullptr && platformSurfaceScale(target) != scale_)
        build(platformSurfaceScale(target));
    if (composition_ == nullptr || legend_ == nullptr || rpnOverlay_ == nullptr) return;
    for (PlatformSurface* overlay : overlays_)
        if (overlay == nullptr) return;
    const int page = input.page >= 0 && input.page < kKeypadPages ? input.page : 0;

    platformFillRect(legend_, 0, 0, kKeypadViewWidth, kKeypadViewHeight, kWhite);
    const KeypadLibrary* library = engine::libraryAt(input.libraryIndex + 1);
    if (input.libraryIndex >= 0 && library != nullptr && library->LoadBMP != nullptr)
        library->LoadBMP(legend_, const_cast<KeypadLibrary*>(library));
    platformCopySurface(composition_, 0, kBandHeight, legend_, 0, 0, kKeypadViewWidth,
                        kComposedHeight);
    platformCopyTransparent(composition_, 0, kBandHeight, overlays_[size_t(page)], 0, kBandHeight,
                            kKeypadViewWidth, kComposedHeight, kTransparentBlue);
    if (page >= 2) markLabelRow(page);
    if (input.rpnDisplay)
        platformCopyTransparent(composition_, 0, kBandHeight, rpnOverlay_, 0, kBandHeight,
                                kKeypadViewWidth, kComposedHeight, kTransparentBlue);
    drawStrip(input);
    drawQuickSelects(input);
    if (page != 0) indicators_->draw(composition_, kIconPage, kPageIconX, kPageIconY);
    if (input.helpMode) indicators_->draw(composition_, kIconHelpMode, kHelpIconX, kHelpIconY);
    const PlatformColour band = pageBandColour(page);
    platformFillRect(composition_, 0, 0, kKeypadViewWidth, kBandHeight, band);
    platformFillRect(composition_, 0, kKeypadViewHeight - kBandHeight, kKeypadViewWidth, kKeypadViewHeight,
                     band);
    if (target != nullptr)
        platformCopySurface(target, x, y, composition_, 0, 0, kKeypadViewWidth, kKeypadViewHeight);
}

// Pages 2 to 4: bars in the page's colour at both ends of the page's row of
// labels, in every key that has a label there, so the eye finds the row.
void KeypadView::markLabelRow(int page) {
    const PlatformColour colour = pageBandColour(page);
    const int32_t row = keypad_support::kLabelHeight;
    for (int32_t r = 0; r < keypad_support::kLegendRows; ++r)
        for (int32_t c = 0; c < keypad_support::kLegendColumns; ++c) {
            int32_t left, top, right, bottom;
            keypad_support::cellBounds(c, r, &left, &top, &right, &bottom);
            top += (page - 2) * row;
            if (!hasInk(legend_, left + 2, top, right - 3, top + row)) continue;
            top += kBandHeight;
            platformFillRect(composition_, left, top + 1, left + 2, top + row - 1, colour);
            platformFillRect(composition_, right - 3, top + 1, right - 1, top + row - 1, colour);
        }
}

// The current library's name at the top of the strip.
void KeypadView::drawStrip(const KeypadViewInput& input) {
    const std::u16string title = libraryTitle(input.libraryIndex);
    drawCentredText(composition_, kLegendWidth + 2, 5, kKeypadViewWidth - 2, 21, title, kNameFont,
                    kInk);
}

// The four quick-select slots as tabs, the one under the cursor filled in
// the page's colour.
void KeypadView::drawQuickSelects(const KeypadViewInput& input) {
    const PlatformColour accent = pageBandColour(input.page);
    for (int slot = 0; slot < kQuickSelectCursorSlots; ++slot) {
        const int32_t left = 3 + kTabPitch * slot, right = left + kTabWidth;
        const int16_t library = input.quickSelects[size_t(slot)];
        if (library == kNoLibrary) {
            platformFillRect(composition_, left, kTabTop, right, kTabBottom, kEmptyTab);
            continue;
        }
        const bool underCursor = slot == input.quickSelectCursor;
        platformFillRect(composition_, left, kTabTop, right, kTabBottom,
                         underCursor ? accent : kTabEdge);
        if (!underCursor)
            platformFillRect(composition_, left + 1, kTabTop + 1, right - 1, kTabBottom - 1,
                             kWhite);
        drawCentredText(composition_, left + 2, kTabTop, right - 2, kTabBottom,
                        fittedTitle(libraryTitle(library), right - left - 4), kTabFont,
                        underCursor ? kWhite : kInk);
    }
}

}  // namespace shell
