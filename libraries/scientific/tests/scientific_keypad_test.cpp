// The Scientific keypad: the text every key inserts and where the caret
// lands, on the platform's edit-control model, and the legend bitmap.
#include <set>

#include "keypad_module_fixture.h"
#include "keypad_support/key_table.h"
#include "platform/drawing.h"
#include "platform/edit_control.h"

namespace {

using keypad_testing::KeypadModule;

class ScientificKeypad : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { module = new KeypadModule(ORVANA_SCIENTIFIC_MODULE); }
    static void TearDownTestSuite() { delete module; }
    void SetUp() override {
        ASSERT_TRUE(module->complete()) << module->missing();
        edit = platformEditCreate();
        ASSERT_NE(edit, nullptr);
    }
    void TearDown() override { platformEditDestroy(edit); }

    std::u16string text() {
        char16_t buffer[128];
        platformEditGetText(edit, buffer, 128);
        return buffer;
    }
    int32_t caret() {
        int32_t start = 0, end = 0;
        platformEditGetSelection(edit, &start, &end);
        EXPECT_EQ(start, end);
        return start;
    }
    int32_t press(char16_t key, uint32_t page) {
        return module->library().MapKeyboard(key | (page << 16), edit, nullptr);
    }

    static KeypadModule* module;
    PlatformWindow edit = nullptr;
};
KeypadModule* ScientificKeypad::module = nullptr;

struct KeyRow {
    char16_t key;
    uint32_t page;
    const char16_t* text;
    int32_t caret;  // in the text inserted into an empty line
};

constexpr KeyRow kKeyRows[] = {
    {u'1', 2, u"sin()", 4},  {u'1', 3, u"asin()", 5}, {u'1', 4, u"", 0},
    {u'2', 2, u"cos()", 4},  {u'2', 3, u"acos()", 5}, {u'2', 4, u"rect(,)", 5},
    {u'3', 2, u"tan()", 4},  {u'3', 3, u"atan()", 5}, {u'3', 4, u"polar(,)", 6},
    {u'4', 2, u"ln()", 3},   {u'4', 3, u"sinh()", 5}, {u'4', 4, u"asinh()", 6},
    {u'5', 2, u"log()", 4},  {u'5', 3, u"cosh()", 5}, {u'5', 4, u"acosh()", 6},
    {u'6', 2, u"pi", 2},     {u'6', 3, u"tanh()", 5}, {u'6', 4, u"atanh()", 6},
    {u'7', 2, u"exp()", 4},  {u'7', 3, u"10^()", 4},  {u'7', 4, u"@", 1},
    {u'8', 2, u"^", 1},      {u'8', 3, u"\u00B2", 1}, {u'8', 4, u"deg()", 4},
    {u'9', 2, u"sqrt()", 5}, {u'9', 3, u"nrt()", 4},  {u'9', 4, u"rad()", 4},
    {u'.', 2, u"i", 1},      {u'.', 3, u"abs()", 4},  {u'.', 4, u"conj()", 5},
    {u'0', 2, u"re()", 3},   {u'0', 3, u"im()", 3},   {u'0', 4, u"arg()", 4},
};

TEST_F(ScientificKeypad, EveryKeyInsertsItsTextAndPlacesTheCaret) {
    for (const KeyRow& row : kKeyRows) {
        platformEditSetText(edit, u"");
        EXPECT_EQ(press(row.key, row.page), 1);
        EXPECT_EQ(text(), row.text) << char(row.key) << " page " << row.page;
        EXPECT_EQ(caret(), row.caret) << char(row.key) << " page " << row.page;
    }
}

TEST_F(ScientificKeypad, TextGoesAtTheCaretAndReplacesTheSelection) {
    platformEditSetText(edit, u"2*x");
    platformEditSetSelection(edit, 2, 3);
    press(u'1', 2);
    EXPECT_EQ(text(), u"2*sin()");
    EXPECT_EQ(caret(), 6);
    press(u'6', 2);
    EXPECT_EQ(text(), u"2*sin(pi)");
    EXPECT_EQ(caret(), 8);
    // Page 4, key 1 only moves the caret left, and stops at the start.
    press(u'1', 4);
    EXPECT_EQ(caret(), 7);
    platformEditSetSelection(edit, 0, 0);
    press(u'1', 4);
    EXPECT_EQ(caret(), 0);
    EXPECT_EQ(text(), u"2*sin(pi)");
    platformEditSetSelection(edit, 9, 9);
    press(u'2', 4);
    EXPECT_EQ(text(), u"2*sin(pi)rect(,)");
    EXPECT_EQ(caret(), 14);
}

TEST_F(ScientificKeypad, KeysWithoutEntriesDoNothing) {
    platformEditSetText(edit, u"ab");
    for (uint32_t code : {u'#' | (2u << 16), u'1' | (5u << 16), u'1' | (1u << 16),
                          u'x' | (3u << 16), uint32_t(u'1')}) {
        EXPECT_EQ(module->library().MapKeyboard(code, edit, nullptr), 1);
        EXPECT_EQ(text(), u"ab");
    }
    // A handle that is no edit control is left alone.
    int notAnEdit = 0;
    EXPECT_EQ(module->library().MapKeyboard(u'1' | (2u << 16), &notAnEdit, nullptr), 1);
    EXPECT_EQ(module->library().MapKeyboard(u'1' | (2u << 16), nullptr, nullptr), 1);
}

// Pixels of a colour inside a key's cell of the legend.
int countIn(PlatformSurface* s, char16_t key, PlatformColour colour) {
    int32_t column, row, left, top, right, bottom;
    if (!keypad_support::keyCell(key, &column, &row)) return 0;
    keypad_support::cellBounds(column, row, &left, &top, &right, &bottom);
    int n = 0;
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) n += platformSurfacePixel(s, x, y) == colour;
    return n;
}

TEST_F(ScientificKeypad, TheLegendShowsEveryLabelInItsPageColour) {
    PlatformSurface* surface = platformCreateSurface(176, 111);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(module->library().LoadBMP(surface, &module->library()), 1);
    for (char16_t key : {u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u'.', u'0'}) {
        EXPECT_GT(countIn(surface, key, keypad_support::pageColour(2)), 0) << char(key);
        EXPECT_GT(countIn(surface, key, keypad_support::pageColour(3)), 0) << char(key);
        // Key 1 has no page 4 label.
        if (key == u'1')
            EXPECT_EQ(countIn(surface, key, keypad_support::pageColour(4)), 0);
        else
            EXPECT_GT(countIn(surface, key, keypad_support::pageColour(4)), 0) << char(key);
    }
    // The hash key has no labels: only background and grid.
    std::set<PlatformColour> hash;
    for (int32_t y = 84; y < 111; ++y)
        for (int32_t x = 118; x < 176; ++x) hash.insert(platformSurfacePixel(surface, x, y));
    for (PlatformColour c : hash)
        EXPECT_TRUE(c == PLATFORM_RGB(255, 255, 255) || c == PLATFORM_RGB(192, 192, 192))
            << std::hex << c;
    // The page 2 label sits above the page 3 label.
    int32_t firstGreen = -1, firstRed = -1;
    for (int32_t y = 0; y < 27; ++y)
        for (int32_t x = 0; x < 58; ++x) {
            const PlatformColour c = platformSurfacePixel(surface, x, y);
            if (c == keypad_support::pageColour(2) && firstGreen < 0) firstGreen = y;
            if (c == keypad_support::pageColour(3) && firstRed < 0) firstRed = y;
        }
    EXPECT_LT(firstGreen, firstRed);
    platformDestroySurface(surface);
}

TEST_F(ScientificKeypad, LoadBMPDrawsOnlyTheLegendArea) {
    PlatformSurface* surface = platformCreateSurface(240, 154);
    ASSERT_NE(surface, nullptr);
    platformFillRect(surface, 0, 0, 240, 154, PLATFORM_RGB(0, 0, 255));
    EXPECT_EQ(module->library().LoadBMP(surface, nullptr), 1);
    EXPECT_EQ(platformSurfacePixel(surface, 0, 0), PLATFORM_RGB(255, 255, 255));
    EXPECT_EQ(platformSurfacePixel(surface, 176, 0), PLATFORM_RGB(0, 0, 255));
    EXPECT_EQ(platformSurfacePixel(surface, 0, 111), PLATFORM_RGB(0, 0, 255));
    // Twice gives the same picture.
    PlatformSurface* again = platformCreateSurface(240, 154);
    platformFillRect(again, 0, 0, 240, 154, PLATFORM_RGB(0, 0, 255));
    module->library().LoadBMP(again, nullptr);
    for (int32_t y = 0; y < 154; ++y)
        for (int32_t x = 0; x < 240; ++x)
            ASSERT_EQ(platformSurfacePixel(surface, x, y), platformSurfacePixel(again, x, y));
    platformDestroySurface(again);
    platformDestroySurface(surface);
    EXPECT_EQ(module->library().LoadBMP(nullptr, nullptr), 0);
}

TEST_F(ScientificKeypad, TheTitleBitmapIsASmallPicture) {
    PlatformSurface* title = platformLoadBitmap(module->library().module, "NAME");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(platformSurfaceWidth(title), 20);
    EXPECT_EQ(platformSurfaceHeight(title), 16);
    int marks = 0;
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 20; ++x)
            marks += platformSurfacePixel(title, x, y) == keypad_support::pageColour(2);
    EXPECT_GT(marks, 0);
    platformDestroySurface(title);
}

TEST_F(ScientificKeypad, UnusedEntryPoints) {
    KeypadRect rect{1, 2, 3, 4};
    EXPECT_EQ(module->library().GetButtonRect(0, 0, &rect), 0);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(rect.bottom, 4);
    EXPECT_EQ(module->library().doDraw(), 0);
    EXPECT_EQ(module->library().doGraph(nullptr, nullptr, nullptr, 0x0415, 0, 0, nullptr, nullptr,
                                        nullptr),
              0);
}

}  // namespace
