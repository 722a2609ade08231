// The small icons of the block list and the keypad view, drawn with the
// platform's primitives onto a transparent strip.
#include "shell/image_list.h"

#include <array>

namespace shell {
namespace {

constexpr int32_t kMarkerSize = 12;
constexpr int32_t kIndicatorSize = 16;
constexpr int kMarkerCount = 16;
constexpr int kIndicatorCount = 5;

constexpr PlatformColour kWhite = PLATFORM_RGB(255, 255, 255);
constexpr PlatformColour kInk = PLATFORM_RGB(48, 48, 48);
constexpr PlatformColour kErrorRed = PLATFORM_RGB(210, 0, 0);
constexpr PlatformColour kHelpBlue = PLATFORM_RGB(30, 90, 200);

// Colours of the graph markers by colour code 1..7. Blue stays off pure
// blue, which is the strip's transparent colour.
constexpr std::array<PlatformColour, 8> kGraphColours = {
    0,
    PLATFORM_RGB(220, 0, 0),     // red
    PLATFORM_RGB(0, 160, 0),     // green
    PLATFORM_RGB(225, 180, 0),   // yellow
    PLATFORM_RGB(0, 0, 220),     // blue
    PLATFORM_RGB(150, 0, 170),   // purple
    PLATFORM_RGB(0, 150, 170),   // colour 6
    PLATFORM_RGB(240, 120, 0)};  // colour 7

constexpr std::array<int, 8> kGraphIcons = {-1,
                                            kIconGraphRed,
                                            kIconGraphGreen,
                                            kIconGraphYellow,
                                            kIconGraphBlue,
                                            kIconGraphPurple,
                                            kIconGraphColour6,
                                            kIconGraphColour7};

// A stroke two pixels wide through points given relative to (left, top).
void stroke(PlatformSurface* s, int32_t left, int32_t top, std::initializer_list<PlatformPoint> p,
            PlatformColour colour) {
    std::array<PlatformPoint, 8> points{};
    int32_t n = 0;
    for (const PlatformPoint& q : p) points[size_t(n++)] = {left + q.x, top + q.y};
    platformDrawPolyline(s, points.data(), n, colour);
    for (int32_t i = 0; i < n; ++i) ++points[size_t(i)].x;
    platformDrawPolyline(s, points.data(), n, colour);
}

// Icons keep a transparent column at each side, so a toolkit pen that
// spreads half a pixel never reaches the neighbouring icon of the strip.

// A small curve, the graph view in miniature.
void graphMarker(PlatformSurface* s, int32_t left, PlatformColour colour) {
    stroke(s, left, 0, {{1, 9}, {3, 4}, {4, 2}, {6, 5}, {8, 9}, {10, 7}}, colour);
    std::array<PlatformPoint, 6> lower = {{{left + 1, 10},
                                           {left + 3, 5},
                                           {left + 4, 3},
                                           {left + 6, 6},
                                           {left + 8, 10},
                                           {left + 10, 8}}};
    platformDrawPolyline(s, lower.data(), int32_t(lower.size()), colour);
}

void drawMarker(PlatformSurface* s, int index, int32_t left) {
    for (size_t code = 1; code < kGraphIcons.size(); ++code)
        if (kGraphIcons[code] == index) return graphMarker(s, left, kGraphColours[code]);
    switch (index) {
        case kIconDegrees:  // "D"
            stroke(s, left, 0, {{2, 1}, {2, 10}, {6, 10}, {8, 8}, {8, 3}, {6, 1}, {2, 1}}, kInk);
            break;
        case kIconRadians:  // "R"
            stroke(s, left, 0, {{2, 10}, {2, 1}, {7, 1}, {8, 2}, {8, 4}, {7, 5}, {2, 5}}, kInk);
            stroke(s, left, 0, {{5, 6}, {8, 10}}, kInk);
            break;
        case kIconError:  // a red disc with a white "!"
            platformDrawEllipse(s, left + 1, 0, left + kMarkerSize - 1, kMarkerSize, kErrorRed, 1);
            platformFillRect(s, left + 5, 2, left + 7, 7, kWhite);
            platformFillRect(s, left + 5, 8, left + 7, 10, kWhite);
            break;
        default:
            break;
    }
}

void drawIndicator(PlatformSurface* s, int index, int32_t left) {
    switch (index) {
        case kIconPage:  // the shift arrow: a triangle over a stem
            for (int32_t row = 0; row < 7; ++row)
                platformFillRect(s, left + 7 - row, 2 + row, left + 9 + row, 3 + row, kInk);
            platformFillRect(s, left + 5, 9, left + 11, 15, kInk);
            break;
        case kIconHelpMode:  // a blue disc with a white "?"
            platformDrawEllipse(s, left + 1, 0, left + kIndicatorSize - 1, kIndicatorSize, kHelpBlue, 1);
            stroke(s, left, 0, {{5, 5}, {6, 3}, {9, 3}, {10, 5}, {10, 6}, {7, 8}, {7, 10}},
                   kWhite);
            platformFillRect(s, left + 7, 12, left + 9, 14, kWhite);
            break;
        default:
            break;
    }
}

}  // namespace

ImageList::ImageList(int32_t size, int count, DrawIcon draw)
    : size_(size), count_(count), drawIcon_(draw) {
    build(1);
}

void ImageList::build(int32_t scale) {
    platformDestroySurface(strip_);
    strip_ = platformCreateScaledSurface(size_ * count_, size_, scale);
    if (strip_ == nullptr) return;
    platformFillRect(strip_, 0, 0, size_ * count_, size_, kTransparentBlue);
    for (int i = 0; i < count_; ++i) drawIcon_(strip_, i, size_ * i);
}

ImageList::~ImageList() {
    platformDestroySurface(strip_);
}

void ImageList::draw(PlatformSurface* target, int index, int32_t x, int32_t y) {
    if (target == nullptr || index < 0 || index >= count_) return;
    if (strip_ == nullptr || platformSurfaceScale(strip_) != platformSurfaceScale(target))
        build(platformSurfaceScale(target));
    if (strip_ == nullptr) return;
    platformCopyTransparent(target, x, y, strip_, size_ * index, 0, size_, size_,
                            kTransparentBlue);
}

std::unique_ptr<ImageList> createBlockMarkers() {
    return std::make_unique<ImageList>(kMarkerSize, kMarkerCount, drawMarker);
}

std::unique_ptr<ImageList> createKeypadIndicators() {
    return std::make_unique<ImageList>(kIndicatorSize, kIndicatorCount, drawIndicator);
}

int graphMarkerIcon(int colourCode) {
    return colourCode >= 1 && colourCode < int(kGraphIcons.size()) ? kGraphIcons[size_t(colourCode)]
                                                                   : -1;
}

}  // namespace shell
