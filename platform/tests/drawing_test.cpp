// Memory surfaces and the headless drawing primitives, copies, and the
// routing of primitives to an installed drawing backend.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/backend.h"
#include "platform/drawing.h"

namespace {

constexpr PlatformColour kWhite = PLATFORM_RGB(255, 255, 255);
constexpr PlatformColour kRed = PLATFORM_RGB(255, 0, 0);
constexpr PlatformColour kBlue = PLATFORM_RGB(0, 0, 255);

struct SurfaceFree {
    void operator()(PlatformSurface* s) const { platformDestroySurface(s); }
};
using Surface = std::unique_ptr<PlatformSurface, SurfaceFree>;

Surface make(int32_t w, int32_t h) {
    return Surface(platformCreateSurface(w, h));
}

int count(const PlatformSurface* s, PlatformColour c) {
    int n = 0;
    for (int32_t y = 0; y < platformSurfaceHeight(s); ++y)
        for (int32_t x = 0; x < platformSurfaceWidth(s); ++x)
            n += platformSurfacePixel(s, x, y) == c;
    return n;
}

TEST(Drawing, SurfacesAreWhiteImagesOfSaneSizes) {
    Surface s = make(4, 3);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(platformSurfaceWidth(s.get()), 4);
    EXPECT_EQ(platformSurfaceHeight(s.get()), 3);
    EXPECT_EQ(count(s.get(), kWhite), 12);
    EXPECT_EQ(platformSurfacePixel(s.get(), 4, 0), PLATFORM_NO_PIXEL);
    EXPECT_EQ(platformSurfacePixel(s.get(), -1, 0), PLATFORM_NO_PIXEL);
    EXPECT_EQ(platformSurfacePixel(nullptr, 0, 0), PLATFORM_NO_PIXEL);
    for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-1, 5}, {4097, 1}, {1, 4097}})
        EXPECT_EQ(platformCreateSurface(w, h), nullptr) << w << "x" << h;
    EXPECT_EQ(platformSurfaceWidth(nullptr), 0);
    EXPECT_EQ(platformSurfacePixels(nullptr), nullptr);
    platformDestroySurface(nullptr);
}

TEST(Drawing, FillsAndLinesAreClipped) {
    Surface s = make(10, 10);
    platformFillRect(s.get(), -5, -5, 3, 2, kRed);
    EXPECT_EQ(count(s.get(), kRed), 6);
    platformFillRect(s.get(), 5, 5, 5, 9, kBlue);  // empty
    platformFillRect(s.get(), 8, 8, 100, 100, kBlue);
    EXPECT_EQ(count(s.get(), kBlue), 4);

    Surface l = make(10, 10);
    platformDrawLine(l.get(), 0, 0, 9, 9, kRed);
    EXPECT_EQ(count(l.get(), kRed), 10);
    EXPECT_EQ(platformSurfacePixel(l.get(), 9, 9), kRed);
    platformDrawLine(l.get(), -1000000, 5, 1000000, 5, kBlue);  // far outside, still ends
    EXPECT_EQ(count(l.get(), kBlue), 10);
    const PlatformPoint box[] = {{1, 1}, {3, 1}, {3, 3}, {1, 3}, {1, 1}};
    Surface p = make(5, 5);
    platformDrawPolyline(p.get(), box, 5, kRed);
    EXPECT_EQ(count(p.get(), kRed), 8);
    platformDrawPolyline(p.get(), box, 1, kBlue);
    platformDrawPolyline(p.get(), nullptr, 5, kBlue);
    EXPECT_EQ(count(p.get(), kBlue), 0);
}

TEST(Drawing, EllipsesStayInTheirBox) {
    Surface s = make(20, 20);
    platformDrawEllipse(s.get(), 2, 4, 18, 14, kRed, 1);
    const int filled = count(s.get(), kRed);
    EXPECT_GT(filled, 100);
    EXPECT_LT(filled, 16 * 10);
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 20; ++x)
            if (platformSurfacePixel(s.get(), x, y) == kRed) {
                EXPECT_TRUE(x >= 2 && x < 18 && y >= 4 && y < 14);
                // Symmetric about the box centre.
                EXPECT_EQ(platformSurfacePixel(s.get(), 19 - x, y), kRed);
                EXPECT_EQ(platformSurfacePixel(s.get(), x, 17 - y), kRed);
            }
    Surface o = make(20, 20);
    platformDrawEllipse(o.get(), 2, 4, 18, 14, kRed, 0);
    EXPECT_GT(count(o.get(), kRed), 20);
    EXPECT_LT(count(o.get(), kRed), filled);
    EXPECT_EQ(platformSurfacePixel(o.get(), 10, 9), kWhite);  // hollow
}

TEST(Drawing, TextFollowsTheGlyphModel) {
    int32_t w = -1, h = -1;
    const PlatformFont font{u"Tahoma", 9, PLATFORM_FONT_NORMAL};
    platformMeasureText(u"abc", &font, &w, &h);
    EXPECT_EQ(w, 15);
    EXPECT_EQ(h, 9);
    const PlatformFont negative{nullptr, -12, PLATFORM_FONT_BOLD};
    platformMeasureText(u"ab", &negative, &w, &h);
    EXPECT_EQ(w, 12);
    EXPECT_EQ(h, 12);
    platformMeasureText(u"ab", nullptr, &w, &h);
    EXPECT_EQ(w, 12);
    platformMeasureText(u"", &font, &w, &h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    platformMeasureText(nullptr, &font, &w, &h);
    EXPECT_EQ(w, 0);

    Surface s = make(40, 20);
    platformDrawText(s.get(), 10, 5, u"ab c", &font, kRed);
    int32_t minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 40; ++x)
            if (platformSurfacePixel(s.get(), x, y) == kRed) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    EXPECT_GE(minX, 10);
    EXPECT_LT(maxX, 10 + 20);
    EXPECT_GE(minY, 5);
    EXPECT_LT(maxY, 5 + 9);
    // The space's cell stays empty; every other character leaves a mark.
    for (int32_t y = 5; y < 14; ++y)
        for (int32_t x = 20; x < 25; ++x) EXPECT_EQ(platformSurfacePixel(s.get(), x, y), kWhite);
    for (int cell : {0, 1, 3}) {
        int marks = 0;
        for (int32_t y = 5; y < 14; ++y)
            for (int32_t x = 10 + cell * 5; x < 15 + cell * 5; ++x)
                marks += platformSurfacePixel(s.get(), x, y) == kRed;
        EXPECT_GT(marks, 0) << cell;
    }
    // The same text draws the same pixels; bold draws more.
    Surface again = make(40, 20), bold = make(40, 20);
    platformDrawText(again.get(), 10, 5, u"ab c", &font, kRed);
    const PlatformFont heavy{u"Tahoma", 9, PLATFORM_FONT_BOLD};
    platformDrawText(bold.get(), 10, 5, u"ab c", &heavy, kRed);
    EXPECT_EQ(count(again.get(), kRed), count(s.get(), kRed));
    EXPECT_GT(count(bold.get(), kRed), count(s.get(), kRed));
}

TEST(Drawing, CopiesAreClippedToBothSurfaces) {
    Surface source = make(4, 4), target = make(6, 6);
    platformFillRect(source.get(), 0, 0, 4, 4, kRed);
    platformFillRect(source.get(), 1, 1, 3, 3, kBlue);
    platformCopySurface(target.get(), 4, 4, source.get(), 0, 0, 4, 4);
    EXPECT_EQ(count(target.get(), kRed), 3);
    EXPECT_EQ(count(target.get(), kBlue), 1);
    Surface t2 = make(6, 6);
    platformCopySurface(t2.get(), -1, -1, source.get(), 0, 0, 100, 100);
    EXPECT_EQ(count(t2.get(), kRed) + count(t2.get(), kBlue), 9);
    platformCopySurface(t2.get(), 0, 0, nullptr, 0, 0, 4, 4);
    platformCopySurface(nullptr, 0, 0, source.get(), 0, 0, 4, 4);

    Surface t3 = make(4, 4);
    platformFillRect(t3.get(), 0, 0, 4, 4, PLATFORM_RGB(0, 255, 0));
    platformCopyTransparent(t3.get(), 0, 0, source.get(), 0, 0, 4, 4, kBlue);
    EXPECT_EQ(count(t3.get(), kRed), 12);
    EXPECT_EQ(count(t3.get(), PLATFORM_RGB(0, 255, 0)), 4);
}

struct Recorder {
    std::vector<int> calls;
};

void recordFill(void* context, PlatformSurface*, int32_t, int32_t, int32_t, int32_t,
                PlatformColour) {
    static_cast<Recorder*>(context)->calls.push_back(1);
}
void recordText(void* context, PlatformSurface*, int32_t, int32_t, const char16_t* text,
                const PlatformFont* font, PlatformColour) {
    auto* r = static_cast<Recorder*>(context);
    r->calls.push_back(text[0] == u'x' && font->face != nullptr ? 2 : -2);
}

TEST(Drawing, AnInstalledBackendDrawsWhatItProvides) {
    Recorder recorder;
    PlatformBackend backend{};
    backend.size = sizeof(PlatformBackend);
    backend.context = &recorder;
    backend.fillRect = recordFill;
    backend.drawText = recordText;
    platformSetBackend(&backend);
    Surface s = make(10, 10);
    platformFillRect(s.get(), 0, 0, 10, 10, kRed);
    platformDrawText(s.get(), 0, 0, u"x", nullptr, kRed);
    platformDrawLine(s.get(), 0, 0, 9, 0, kBlue);  // falls back to the headless line
    platformFillRect(s.get(), 0, 0, 0, 10, kRed);  // empty: never reaches the backend
    EXPECT_EQ(recorder.calls, (std::vector<int>{1, 2}));
    EXPECT_EQ(count(s.get(), kBlue), 10);
    EXPECT_EQ(count(s.get(), kRed), 0);

    // A table shorter than the current one has no text entries.
    PlatformBackend shorter = backend;
    shorter.size = offsetof(PlatformBackend, drawText);
    platformSetBackend(&shorter);
    platformDrawText(s.get(), 0, 0, u"x", nullptr, kRed);
    EXPECT_EQ(recorder.calls.size(), 2u);
    EXPECT_GT(count(s.get(), kRed), 0);
    platformSetBackend(nullptr);
    platformFillRect(s.get(), 0, 0, 10, 10, kWhite);
    EXPECT_EQ(count(s.get(), kWhite), 100);
    EXPECT_EQ(recorder.calls.size(), 2u);
}

}  // namespace

namespace {

TEST(Drawing, ModulesDrawTheirNamedBitmaps) {
    PlatformModule* module =
        platformLoadModule(ORVANA_TEST_EXTRA_MODULE_DIR "/platform_string_table_module.so");
    ASSERT_NE(module, nullptr) << platformModuleError();
    Surface name(platformLoadBitmap(module, "NAME"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(platformSurfaceWidth(name.get()), 20);
    EXPECT_EQ(platformSurfaceHeight(name.get()), 16);
    EXPECT_EQ(count(name.get(), kRed), 320);
    Surface empty(platformLoadBitmap(module, "EMPTY"));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(count(empty.get(), kWhite), 6);
    EXPECT_EQ(platformLoadBitmap(module, "HUGE"), nullptr);
    EXPECT_EQ(platformLoadBitmap(module, "name"), nullptr);
    EXPECT_EQ(platformLoadBitmap(module, nullptr), nullptr);
    EXPECT_EQ(platformLoadBitmap(nullptr, "NAME"), nullptr);
    platformFreeModule(module);
}

}  // namespace

namespace {

TEST(Drawing, ScaledSurfacesTakeLogicalCoordinatesAndCopyDevicePixels) {
    Surface big(platformCreateScaledSurface(10, 8, 2));
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(platformSurfaceWidth(big.get()), 10);
    EXPECT_EQ(platformSurfaceScale(big.get()), 2);
    EXPECT_EQ(platformSurfacePixelWidth(big.get()), 20);
    EXPECT_EQ(platformSurfacePixelHeight(big.get()), 16);
    platformFillRect(big.get(), 1, 1, 3, 2, kRed);
    EXPECT_EQ(platformSurfaceDevicePixel(big.get(), 2, 2), kRed);
    EXPECT_EQ(platformSurfaceDevicePixel(big.get(), 5, 3), kRed);
    EXPECT_EQ(platformSurfaceDevicePixel(big.get(), 6, 3), kWhite);
    EXPECT_EQ(platformSurfacePixel(big.get(), 2, 1), kRed);
    EXPECT_EQ(platformSurfacePixel(big.get(), 3, 1), kWhite);
    platformDrawLine(big.get(), 0, 7, 9, 7, kBlue);
    EXPECT_EQ(platformSurfaceDevicePixel(big.get(), 19, 15), kBlue);
    EXPECT_EQ(platformSurfaceDevicePixel(big.get(), 19, 13), kWhite);

    // Same scale: device pixels as they are; the key colour stays out.
    Surface other(platformCreateScaledSurface(10, 8, 2));
    platformFillRect(other.get(), 0, 0, 10, 8, PLATFORM_RGB(0, 255, 0));
    platformCopyTransparent(other.get(), 0, 0, big.get(), 0, 0, 10, 8, kWhite);
    EXPECT_EQ(platformSurfacePixel(other.get(), 1, 1), kRed);
    EXPECT_EQ(platformSurfacePixel(other.get(), 0, 0), PLATFORM_RGB(0, 255, 0));

    // A scale-1 legend copied onto a scale-2 view is enlarged pixel by pixel.
    Surface small = make(4, 4);
    platformFillRect(small.get(), 1, 1, 2, 2, kRed);
    platformCopySurface(other.get(), 5, 5, small.get(), 0, 0, 4, 4);
    EXPECT_EQ(platformSurfaceDevicePixel(other.get(), 12, 12), kRed);
    EXPECT_EQ(platformSurfaceDevicePixel(other.get(), 13, 13), kRed);
    EXPECT_EQ(platformSurfaceDevicePixel(other.get(), 14, 14), kWhite);

    EXPECT_EQ(platformCreateScaledSurface(10, 10, 0), nullptr);
    EXPECT_EQ(platformCreateScaledSurface(10, 10, 5), nullptr);
}

}  // namespace
