// The keypad view composed headless with a fake library whose legend is a
// key table's: colours at known places for every page, the RPN overlay, the
// indicators and the quick selects; choosing libraries and the clicks.
#include <gtest/gtest.h>

#include <array>

#include "engine/library_table.h"
#include "keypad_support/key_table.h"
#include "shell/keypad_view.h"
#include "surface_snapshot.h"
#include "view_test_support.h"

namespace shell {
namespace {

constexpr PlatformColour kWhite = PLATFORM_RGB(255, 255, 255);

const keypad_support::Key kKeys[] = {
    {u'5', 2, u"sin()", 1, u"sin"},
    {u'5', 3, u"cos()", 1, u"cos"},
    {u'5', 4, u"tan()", 1, u"tan"},
    {u'1', 2, u"abs()", 1, u"abs"},
};

int32_t legend(KeypadSurface surface, KeypadLibrary*) {
    keypad_support::drawLegend(static_cast<PlatformSurface*>(surface), kKeys);
    return 1;
}

class KeypadViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::resetEngine();
        testing::addFakeLibrary(u"trial", legend);
        testing::addFakeLibrary(u"graphing");
        surface = platformCreateSurface(kKeypadViewWidth, kKeypadViewHeight);
        input.libraryIndex = 0;
        input.quickSelects = {0, 1, kNoLibrary, kNoLibrary, kNoLibrary};
    }
    void TearDown() override {
        platformDestroySurface(surface);
        testing::resetEngine();
    }
    void paint(const char* name = nullptr) {
        view.draw(surface, 0, 0, input);
        if (name != nullptr) testing::snapshot(surface, name);
    }
    PlatformColour at(int x, int y) const { return platformSurfacePixel(surface, x, y); }

    KeypadView view;
    KeypadViewInput input;
    PlatformSurface* surface = nullptr;
};

// Inside the "5" key of the legend (view coordinates): its first label row.
constexpr int kFiveLeft = 58, kFiveTop = 27 + 2;

TEST_F(KeypadViewTest, EveryPageHasItsBandsAndOverlay) {
    const std::array<const char*, 5> names = {"keypad_page0", "keypad_page1", "keypad_page2",
                                              "keypad_page3", "keypad_page4"};
    for (int page = 0; page < kKeypadPages; ++page) {
        input.page = page;
        paint(names[size_t(page)]);
        const PlatformColour band = pageBandColour(page);
        for (auto [x, y] : {std::pair{0, 0}, {239, 1}, {0, 152}, {120, 153}})
            EXPECT_EQ(at(x, y), band) << "page " << page << " at " << x << "," << y;
        // The library's labels: covered by key caps on pages 0 and 1, shown
        // on pages 2 to 4.
        int green = 0;
        for (int y = kFiveTop; y < kFiveTop + 27; ++y)
            for (int x = kFiveLeft; x < kFiveLeft + 58; ++x)
                green += at(x, y) == keypad_support::pageColour(2) ? 1 : 0;
        if (page < 2)
            EXPECT_EQ(green, 0) << page;
        else
            EXPECT_GT(green, 10) << page;
        // The page indicator shows on every page but 0.
        EXPECT_EQ(at(195 + 8, 130 + 12) == PLATFORM_RGB(48, 48, 48), page != 0) << page;
    }
}

TEST_F(KeypadViewTest, PagesTwoToFourMarkTheirLabelRow) {
    for (int page = 2; page < kKeypadPages; ++page) {
        input.page = page;
        paint();
        const int rowTop = kFiveTop + (page - 2) * keypad_support::kLabelHeight;
        EXPECT_EQ(at(kFiveLeft, rowTop + 4), pageBandColour(page)) << page;
        // Not beside the other pages' rows.
        const int otherTop = kFiveTop + ((page - 1) % 3) * keypad_support::kLabelHeight;
        EXPECT_NE(at(kFiveLeft, otherTop + 4), pageBandColour(page)) << page;
        // Key 1 has a label on page 2 only; key 9 has none.
        EXPECT_EQ(at(0, 2 + (page - 2) * keypad_support::kLabelHeight + 4) ==
                      pageBandColour(page),
                  page == 2)
            << page;
        EXPECT_NE(at(2 * 176 / 3, 2 + 2 * 111 / 4 + 4), pageBandColour(page)) << page;
    }
}

TEST_F(KeypadViewTest, KeyCapsCarryTheMainProgramsLabels) {
    input.page = 0;
    paint();
    EXPECT_EQ(at(kFiveLeft + 3, kFiveTop + 20), PLATFORM_RGB(250, 250, 250));
    EXPECT_GT(testing::inkPixels(surface, kFiveLeft + 20, kFiveTop + 4, kFiveLeft + 40,
                                 kFiveTop + 22, PLATFORM_RGB(250, 250, 250)),
              0);
    // Page 1 draws another label on the same key.
    std::vector<PlatformColour> page0;
    for (int x = kFiveLeft; x < kFiveLeft + 57; ++x) page0.push_back(at(x, kFiveTop + 13));
    input.page = 1;
    paint();
    int differ = 0;
    for (int x = kFiveLeft; x < kFiveLeft + 57; ++x)
        differ += at(x, kFiveTop + 13) != page0[size_t(x - kFiveLeft)] ? 1 : 0;
    EXPECT_GT(differ, 0);
}

TEST_F(KeypadViewTest, IndicatorsRpnBadgeNameAndQuickSelects) {
    input.page = 2;
    input.helpMode = true;
    input.rpnDisplay = true;
    paint("keypad_help_rpn");
    EXPECT_EQ(at(224 + 2, 116 + 8), PLATFORM_RGB(30, 90, 200));
    EXPECT_EQ(at(184, 94), PLATFORM_RGB(170, 0, 0));
    // The library's name at the top of the strip.
    EXPECT_GT(testing::inkPixels(surface, 178, 5, 238, 21, PLATFORM_RGB(236, 236, 236)), 0);
    // The slot under the cursor is filled in the page's colour; slot 1 is a
    // white tab; slot 2 is empty.
    EXPECT_EQ(at(4, 118), pageBandColour(2));
    EXPECT_EQ(at(3 + 43 + 1, 118), kWhite);
    EXPECT_EQ(at(3 + 86 + 1, 118), PLATFORM_RGB(214, 214, 214));

    input.helpMode = false;
    input.rpnDisplay = false;
    paint();
    EXPECT_NE(at(224 + 2, 116 + 8), PLATFORM_RGB(30, 90, 200));
    EXPECT_NE(at(184, 94), PLATFORM_RGB(170, 0, 0));
}

TEST_F(KeypadViewTest, DrawsAtTheTargetsScale) {
    input.page = 4;
    input.helpMode = true;
    paint();
    PlatformSurface* twice = platformCreateScaledSurface(kKeypadViewWidth, kKeypadViewHeight, 2);
    ASSERT_NE(twice, nullptr);
    view.draw(twice, 0, 0, input);
    EXPECT_EQ(platformSurfaceScale(view.composition()), 2);
    // Both device pixels of a band row, and the help icon, at twice the size.
    EXPECT_EQ(platformSurfaceDevicePixel(twice, 10, 0), pageBandColour(4));
    EXPECT_EQ(platformSurfaceDevicePixel(twice, 10, 3), pageBandColour(4));
    EXPECT_EQ(platformSurfaceDevicePixel(twice, 10, 4), platformSurfacePixel(surface, 10, 2));
    EXPECT_EQ(platformSurfaceDevicePixel(twice, 2 * (224 + 2), 2 * (116 + 8)),
              PLATFORM_RGB(30, 90, 200));
    platformDestroySurface(twice);
    // Back at scale 1 the view is as before.
    std::vector<PlatformColour> before;
    for (int y = 0; y < kKeypadViewHeight; ++y) before.push_back(at(100, y));
    paint();
    for (int y = 0; y < kKeypadViewHeight; ++y) ASSERT_EQ(at(100, y), before[size_t(y)]) << y;
}

TEST_F(KeypadViewTest, NoLibraryLeavesAWhiteLegend) {
    input.libraryIndex = 1;  // no LoadBMP
    input.page = 3;
    paint();
    EXPECT_EQ(at(kFiveLeft + 20, kFiveTop + 12), kWhite);
    input.libraryIndex = 7;  // no such library
    paint();
    EXPECT_EQ(at(kFiveLeft + 20, kFiveTop + 12), kWhite);
}

TEST(KeypadNames, TitlesRaiseTheFirstLetter) {
    testing::resetEngine();
    testing::addFakeLibrary(u"graphing");
    testing::addFakeLibrary(u"Scientific");
    EXPECT_EQ(libraryTitle(0), u"Graphing");
    EXPECT_EQ(libraryTitle(1), u"Scientific");
    EXPECT_EQ(libraryTitle(2), u"");
    EXPECT_EQ(libraryTitle(-1), u"");
    // The name table keeps the file's own spelling.
    EXPECT_EQ(*engine::libraryName(1), u"graphing");
    testing::resetEngine();
}

TEST(KeypadClicks, CellsAreThePhoneKeys) {
    struct Case {
        int x, y;
        char16_t key;
        bool advance;
    } cases[] = {
        {5, 5, u'1', false},    {100, 5, u'2', false},  {170, 30, u'6', false},
        {5, 100, u'.', false},  {80, 110, u'0', false}, {150, 100, 0, true},
        {200, 50, 0, true},     {100, 0, 0, false},     {100, 130, 0, false},
        {-1, 50, 0, false},     {240, 50, 0, false},
    };
    for (const Case& c : cases) {
        const KeypadHit hit = keypadHitTest(c.x, c.y);
        EXPECT_EQ(hit.key, c.key) << c.x << "," << c.y;
        EXPECT_EQ(hit.advancePage, c.advance) << c.x << "," << c.y;
    }
}

TEST(QuickSelectsTest, ChoosingALibraryFillsSlotThree) {
    QuickSelectSlots slots{0, 2, kNoLibrary, kNoLibrary, kNoLibrary};
    int16_t current = 0;
    EXPECT_TRUE(chooseLibrary(slots, current, 3, 6));
    EXPECT_EQ(current, 3);
    EXPECT_EQ(slots[3], 3);
    // Already in slot 1: slot 3 stays.
    EXPECT_TRUE(chooseLibrary(slots, current, 2, 6));
    EXPECT_EQ(current, 2);
    EXPECT_EQ(slots[3], 3);
    EXPECT_FALSE(chooseLibrary(slots, current, 6, 6));
    EXPECT_FALSE(chooseLibrary(slots, current, -1, 6));
    EXPECT_EQ(current, 2);
    EXPECT_EQ(slots[4], kNoLibrary);
}

TEST(QuickSelectsTest, LeftAndRightPassOverEmptySlots) {
    const QuickSelectSlots slots{4, kNoLibrary, 1, 5, kNoLibrary};
    int16_t cursor = 0, current = 4;
    struct Step {
        bool right;
        int16_t cursor, current;
    } steps[] = {
        {false, 2, 1}, {false, 3, 5}, {false, 0, 4},  // Left: the slot after, 3 wraps to 0
        {true, 3, 5},  {true, 2, 1},  {true, 0, 4},   // Right: the slot before, 0 wraps to 3
    };
    for (const Step& s : steps) {
        stepQuickSelect(slots, cursor, current, s.right);
        EXPECT_EQ(cursor, s.cursor);
        EXPECT_EQ(current, s.current);
    }
    // Only one filled slot: the cursor stays on it.
    const QuickSelectSlots lone{0, kNoLibrary, kNoLibrary, kNoLibrary, kNoLibrary};
    int16_t loneCursor = 0, only = 0;
    stepQuickSelect(lone, loneCursor, only, true);
    EXPECT_EQ(loneCursor, 0);
    EXPECT_EQ(only, 0);
}

TEST(QuickSelectsTest, FullScreenKeypadAvoidsTheActiveBlock) {
    EXPECT_EQ(fullScreenKeypadTop(0), 112);
    EXPECT_EQ(fullScreenKeypadTop(150), 112);
    EXPECT_EQ(fullScreenKeypadTop(151), 0);
    EXPECT_EQ(fullScreenKeypadTop(-1), 112);
}

}  // namespace
}  // namespace shell
