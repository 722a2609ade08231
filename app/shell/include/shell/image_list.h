// The two image lists of small icons: the block markers (12 x 12: graph
// colours, angle mode, error) and the keypad indicators (16 x 16: a page
// other than 0, help mode). Each list is one strip of icons side by side on
// a pure blue background, which copies leave out.
#ifndef ORVANA_SHELL_IMAGE_LIST_H
#define ORVANA_SHELL_IMAGE_LIST_H

#include <cstdint>
#include <memory>

#include "platform/drawing.h"

namespace shell {

inline constexpr PlatformColour kTransparentBlue = PLATFORM_RGB(0, 0, 255);

// Block markers.
inline constexpr int kIconGraphRed = 4;
inline constexpr int kIconGraphGreen = 5;
inline constexpr int kIconGraphBlue = 6;
inline constexpr int kIconDegrees = 8;
inline constexpr int kIconRadians = 9;
inline constexpr int kIconError = 10;
inline constexpr int kIconGraphPurple = 11;
inline constexpr int kIconGraphColour6 = 12;
inline constexpr int kIconGraphColour7 = 13;
inline constexpr int kIconGraphYellow = 15;
// Keypad indicators.
inline constexpr int kIconPage = 3;
inline constexpr int kIconHelpMode = 4;

class ImageList {
  public:
    // `count` icons of size x size pixels, icon i drawn by draw(strip, i, left)
    // into the strip at x = left.
    using DrawIcon = void (*)(PlatformSurface* strip, int index, int32_t left);
    ImageList(int32_t size, int count, DrawIcon draw);
    ~ImageList();
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    int32_t size() const { return size_; }
    int count() const { return count_; }
    // Draws icon `index` with its top-left corner at (x, y); an index outside
    // the list draws nothing. The icons are drawn again at the target's scale
    // when it differs from the last one, so they stay sharp.
    void draw(PlatformSurface* target, int index, int32_t x, int32_t y);

  private:
    void build(int32_t scale);

    int32_t size_;
    int count_;
    DrawIcon drawIcon_;
    PlatformSurface* strip_ = nullptr;
};

// The 12 x 12 block markers, 16 of them (unused numbers are empty).
std::unique_ptr<ImageList> createBlockMarkers();
// The 16 x 16 keypad indicators, 5 of them.
std::unique_ptr<ImageList> createKeypadIndicators();

// The marker icon of a graph colour code 1..7, or -1.
int graphMarkerIcon(int colourCode);

}  // namespace shell

#endif
