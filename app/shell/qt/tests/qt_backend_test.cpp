// The window's backend: drawing at a scale, the typeface, key mode's answers.
#include <gtest/gtest.h>

#include <memory>

#include "application.h"
#include "font_setup.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "platform/popup_menu.h"
#include "platform/shell_services.h"
#include "qt_backend.h"

using orvana::qt::QtBackend;
using orvana::qt::ScriptedAnswers;

namespace {

struct SurfaceFree {
    void operator()(PlatformSurface* s) const { platformDestroySurface(s); }
};
using Surface = std::unique_ptr<PlatformSurface, SurfaceFree>;

constexpr PlatformColour kWhite = PLATFORM_RGB(255, 255, 255);
constexpr PlatformColour kBlack = PLATFORM_RGB(0, 0, 0);

// Device pixels that are neither white nor black: the antialiased edge.
int greys(const PlatformSurface* s) {
    int n = 0;
    for (int y = 0; y < platformSurfacePixelHeight(s); ++y)
        for (int x = 0; x < platformSurfacePixelWidth(s); ++x) {
            const PlatformColour c = platformSurfaceDevicePixel(s, x, y);
            n += c != kWhite && c != kBlack;
        }
    return n;
}

int inked(const PlatformSurface* s) {
    int n = 0;
    for (int y = 0; y < platformSurfacePixelHeight(s); ++y)
        for (int x = 0; x < platformSurfacePixelWidth(s); ++x)
            n += platformSurfaceDevicePixel(s, x, y) != kWhite;
    return n;
}

TEST(QtBackend, TextIsDrawnAtTheDeviceResolutionNotScaledUp) {
    orvana::qt::testing::application();
    QtBackend backend(ScriptedAnswers{});
    const PlatformFont font{u"Tahoma", 20, PLATFORM_FONT_BOLD};
    Surface one(platformCreateScaledSurface(60, 30, 1));
    Surface two(platformCreateScaledSurface(60, 30, 2));
    platformDrawText(one.get(), 2, 2, u"Rx5", &font, kBlack);
    platformDrawText(two.get(), 2, 2, u"Rx5", &font, kBlack);
    ASSERT_GT(inked(one.get()), 20);
    // About four times the ink, but not a 2 x 2 copy of each pixel: a scaled
    // bitmap would have every device row pair equal.
    const double ratio = double(inked(two.get())) / inked(one.get());
    EXPECT_GT(ratio, 3.0);
    EXPECT_LT(ratio, 5.0);
    int differingPairs = 0;
    for (int y = 0; y < 60; y += 2)
        for (int x = 0; x < 120; ++x)
            differingPairs += platformSurfaceDevicePixel(two.get(), x, y) !=
                              platformSurfaceDevicePixel(two.get(), x, y + 1);
    EXPECT_GT(differingPairs, 10);
    EXPECT_GT(greys(two.get()), 0);  // antialiased

    // The metrics are the font's, and the same at every scale.
    int32_t w = 0, h = 0;
    platformMeasureText(u"Rx5", &font, &w, &h);
    EXPECT_GT(w, 20);
    EXPECT_LT(w, 60);
    EXPECT_GE(h, 20);
}

TEST(QtBackend, FillsAndLinesCoverWholeDevicePixelsOfTheirLogicalPixels) {
    orvana::qt::testing::application();
    QtBackend backend(ScriptedAnswers{});
    Surface s(platformCreateScaledSurface(20, 20, 3));
    platformFillRect(s.get(), 2, 2, 4, 3, PLATFORM_RGB(192, 192, 192));
    EXPECT_EQ(platformSurfaceDevicePixel(s.get(), 6, 6), PLATFORM_RGB(192, 192, 192));
    EXPECT_EQ(platformSurfaceDevicePixel(s.get(), 11, 8), PLATFORM_RGB(192, 192, 192));
    EXPECT_EQ(platformSurfaceDevicePixel(s.get(), 12, 8), kWhite);
    EXPECT_EQ(platformSurfaceDevicePixel(s.get(), 11, 9), kWhite);
    platformDrawLine(s.get(), 0, 10, 19, 10, kBlack);
    for (int dy = 0; dy < 3; ++dy) EXPECT_EQ(platformSurfaceDevicePixel(s.get(), 30, 30 + dy), kBlack);
    EXPECT_EQ(platformSurfaceDevicePixel(s.get(), 30, 29), kWhite);
    EXPECT_EQ(platformSurfaceDevicePixel(s.get(), 30, 33), kWhite);
    EXPECT_EQ(platformSurfacePixel(s.get(), 19, 10), kBlack);  // both ends drawn
}

TEST(QtBackend, KeyModeAnswersEveryQuestionFromTheList) {
    orvana::qt::testing::application();
    QtBackend backend(ScriptedAnswers::parse(u"no,12.5,,IN,#0"));
    EXPECT_EQ(platformMessageBox(nullptr, u"Delete?", u"Orvana", PLATFORM_MB_YESNO), PLATFORM_IDNO);
    char16_t first[10] = u"1", second[10] = u"old";
    PlatformPromptField fields[] = {{u"a", first, 10}, {u"b", second, 10}};
    EXPECT_EQ(platformPromptDialog(nullptr, u"ASK", fields, 2), 1);
    EXPECT_EQ(std::u16string(first), u"12.5");
    EXPECT_EQ(std::u16string(second), u"");
    const PlatformMenuItem units[] = {{u"FT", 5, 0, nullptr, 0}, {u"IN", 6, 0, nullptr, 0}};
    const PlatformMenuItem menu[] = {{u"Length", 0, 0, units, 2}, {nullptr, 0, 0, nullptr, 0}};
    EXPECT_EQ(platformTrackMenu(nullptr, menu, 2, 0, 0), 6);
    const char16_t* items[] = {u"c", u"h"};
    EXPECT_EQ(platformListDialog(nullptr, u"Constants", items, 2, 1), 0);
    // Nothing left: defaults.
    EXPECT_EQ(platformListDialog(nullptr, u"Constants", items, 2, 1), 1);
    EXPECT_EQ(platformTrackMenu(nullptr, menu, 2, 0, 0), -1);
    // Key mode never starts a browser.
    EXPECT_EQ(platformOpenHelp(u"/x/Orvana.htm", u"Main_Contents"), 1);
    ASSERT_EQ(backend.helpRequests().size(), 1u);
    EXPECT_EQ(backend.helpRequests()[0], u"/x/Orvana.htm#Main_Contents");
}

TEST(QtBackend, ClipboardAndWindowLookUp) {
    orvana::qt::testing::application();
    QtBackend backend(ScriptedAnswers{});
    platformSetClipboardText(u"{1,2|3,4}");
    char16_t buffer[32];
    EXPECT_EQ(platformGetClipboardText(buffer, 32), 9);
    EXPECT_EQ(std::u16string(buffer), u"{1,2|3,4}");
    QWidget window;
    backend.setMainWindow(&window, u"ZebOrvanaCLS", u"Orvana");
    EXPECT_EQ(platformFindWindow(u"ZebOrvanaCLS", u"Orvana"), &window);
    EXPECT_EQ(platformFindWindow(u"OVGRAPH", u"Orvana"), nullptr);
}

TEST(FontSetup, TheProgramFaceIsRegisteredFromItsFiles) {
    orvana::qt::testing::application();
    const QString family = orvana::qt::programFamily();
    EXPECT_FALSE(family.isEmpty());
    // fonts-wine is in the package list; without it DejaVu Sans stands in.
    EXPECT_TRUE(family == "Tahoma" || family == "DejaVu Sans") << family.toStdString();
}

}  // namespace
