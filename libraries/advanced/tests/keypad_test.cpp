// What the library answers through the keypad contract apart from its
// operators: names, help and error texts, keys, button geometry, legend.
#include "advanced_test_support.h"
#include "platform/drawing.h"
#include "platform/edit_control.h"
#include "platform/string_resources.h"

namespace advanced_testing {
namespace {

using Keypad = AdvancedTest;

TEST_F(Keypad, NamesAndCodes) {
    const struct {
        const char16_t* name;
        OperatorCode code;
    } rows[] = {
        {u"integ", 0x01F5}, {u"roots", 0x03F5}, {u"solve", 0x06F5}, {u"ddt", 0x07F5},
        {u"augc", 0x08F5},  {u"size", 0x0915},  {u"ones", 0x0925},  {u"fill", 0x0935},
        {u"augr", 0x09F5},  {u"eig", 0x0AF5},   {u"aug", 0x0BF5},   {u"rk", 0x1205},
        {u"lti", 0x14F5},   {u"Eig", 0},        {u"eigs", 0},       {u"au", 0},
        {u"", 0},           {u"integ ", 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(library().GetStrOperator(row.name), row.code) << narrow(row.name);
    for (char16_t c = 1; c < 128; ++c) EXPECT_EQ(library().GetOperator(c), 0);
    EXPECT_EQ(library().doDraw(), 0);
}

TEST_F(Keypad, StringTable) {
    PlatformModule* module = library().module;
    const struct {
        uint32_t id;
        std::u16string_view text;
    } rows[] = {
        {101, u"Bounds do not bracket a single root"},
        {102, u"Can not find any root"},
        {103, u"Maximum number of iterations exceeded"},
        {104, u"System order must be less than 18"},
        {105, u"Wrong number of initial conditions"},
        {35061, u"argc(a,b,...) returns matrix from augmenting columns of a,b,..."},
        {35093, u"size(x) returns the matrix {rows in x, cols in x}"},
        {35109, u"ones(n,m) returns an n x m matrix of all ones"},
        {35125,
         u"fill(s,b,e) returns column matrix with elements starting at s, ending at e "
         u"and incremented by b"},
        {35317, u"argr(a,b,...) returns the matrix from augmenting rows of a,b,..."},
        {35573,
         u"eig(a) or eig(a,\"v\") returns eigenvalues of a.  Optionally returns "
         u"eigenvectors in v"},
        {35829, u"aug(a,b,c,...) combines elements in a,b,c... into a single column vector"},
        {33781,
         u"roots(a,b,c,..) finds zeros of a polynomial. a,b,c ... are coefficients from "
         u"highest power to constant term.  Also use roots({a,b,c,...}).  Solves up to "
         u"18th order."},
    };
    for (const auto& row : rows) {
        const char16_t* s = platformFindString(module, row.id);
        ASSERT_NE(s, nullptr) << row.id;
        EXPECT_EQ(std::u16string_view(s), row.text) << row.id;
    }
    // Every function has a help text.
    for (OperatorCode code : {0x01F5, 0x03F5, 0x06F5, 0x07F5, 0x08F5, 0x0915, 0x0925, 0x0935,
                              0x09F5, 0x0AF5, 0x0BF5, 0x1205, 0x14F5})
        EXPECT_NE(platformFindString(module, KEYPAD_HELP_ID_BASE + code), nullptr) << code;
    EXPECT_EQ(std::u16string_view(platformFindString(module, 33269)).substr(0, 28),
              u"integ(\"f(x)\",a,b,opt) integr");
}

struct EditState {
    std::u16string text;
    int32_t caret;
};

EditState pressKey(char16_t key, uint32_t page, std::u16string_view before, int32_t caret,
                   int32_t selectionEnd = -1) {
    PlatformWindow edit = platformEditCreate();
    platformEditSetText(edit, std::u16string(before).c_str());
    platformEditSetSelection(edit, caret, selectionEnd < 0 ? caret : selectionEnd);
    const int32_t action = AdvancedTest::library().MapKeyboard((page << 16) | key, edit, nullptr);
    EXPECT_EQ(action, 1);
    char16_t buffer[128] = {};
    platformEditGetText(edit, buffer, 128);
    int32_t start = 0;
    int32_t end = 0;
    platformEditGetSelection(edit, &start, &end);
    EXPECT_EQ(start, end);
    platformEditDestroy(edit);
    return {buffer, end};
}

TEST_F(Keypad, KeysEditTheText) {
    const struct {
        char16_t key;
        uint32_t page;
        std::u16string_view text;  // the result on "ab|cd" with the caret at |
        int32_t caret;
    } rows[] = {
        {u'.', 2, u"abeval(\"\")cd", 8}, {u'0', 2, u"abinteg()cd", 8}, {u'1', 2, u"ab{}cd", 3},
        {u'2', 2, u"ab|cd", 3},          {u'3', 2, u"abrref()cd", 7},  {u'4', 2, u"abaugc()cd", 7},
        {u'5', 2, u"abaugr()cd", 7},     {u'6', 2, u"V:abcd", 4},      {u'7', 2, u"ab:cd", 3},
        {u'8', 2, u"ab\"\"cd", 3},       {u'9', 2, u"abroots()cd", 8}, {u'#', 2, u"abcd", 2},
        {u'.', 3, u"absize()cd", 7},     {u'0', 3, u"abddt()cd", 6},   {u'1', 3, u"abeig()cd", 6},
        {u'2', 3, u"abinv()cd", 6},      {u'3', 3, u"abI()cd", 4},     {u'4', 3, u"abzero()cd", 7},
        {u'5', 3, u"abones()cd", 7},     {u'6', 3, u"abfill()cd", 7},  {u'7', 3, u"ablti()cd", 6},
        {u'8', 3, u"abrk()cd", 5},       {u'9', 3, u"absolve()cd", 8}, {u'*', 3, u"abcd", 2},
        {u'.', 4, u"abcd", 2},           {u'0', 4, u"abcd", 2},        {u'1', 4, u"abdet()cd", 6},
        {u'2', 4, u"abcd", 2},           {u'3', 4, u"abT()cd", 4},     {u'4', 4, u"abcd", 1},
        {u'5', 4, u"abcd", 1},           {u'6', 4, u"abaug()cd", 6},   {u'7', 4, u"abcd", 2},
        {u'8', 4, u"abcd", 2},           {u'9', 4, u"abcd", 2},        {u'1', 7, u"abdet()cd", 6},
    };
    for (const auto& row : rows) {
        const EditState after = pressKey(row.key, row.page, u"abcd", 2);
        EXPECT_EQ(after.text, row.text) << char(row.key) << " page " << row.page;
        EXPECT_EQ(after.caret, row.caret) << char(row.key) << " page " << row.page;
    }
    // "V:" in front of the whole text keeps the caret on its character.
    const EditState v = pressKey(u'6', 2, u"sin(x)", 6);
    EXPECT_EQ(v.text, u"V:sin(x)");
    EXPECT_EQ(v.caret, 8);
    // Inserting replaces a selection.
    const EditState replaced = pressKey(u'1', 3, u"abcd", 1, 3);
    EXPECT_EQ(replaced.text, u"aeig()d");
    EXPECT_EQ(replaced.caret, 5);
    // The caret does not move left of the start.
    EXPECT_EQ(pressKey(u'4', 4, u"abcd", 0).caret, 0);
}

TEST_F(Keypad, ButtonRectangles) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            KeypadRect rect{};
            EXPECT_EQ(library().GetButtonRect(r, c, &rect), 1);
            EXPECT_EQ(rect.left, 30 * c);
            EXPECT_EQ(rect.top, 20 * r + 154);
            EXPECT_EQ(rect.right, 30 * c + 29);
            EXPECT_EQ(rect.bottom, 20 * r + 174);
        }
    EXPECT_EQ(library().GetButtonRect(0, 0, nullptr), 1);
}

TEST_F(Keypad, LegendBitmap) {
    PlatformSurface* surface = platformCreateSurface(176, 111);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(library().LoadBMP(surface, nullptr), 1);
    // Labels in the three page colours appear on the white keys.
    int coloured = 0;
    for (int y = 0; y < 111; ++y)
        for (int x = 0; x < 176; ++x) {
            const PlatformColour c = platformSurfacePixel(surface, x, y);
            if (c != PLATFORM_RGB(255, 255, 255)) ++coloured;
        }
    EXPECT_GT(coloured, 200);
    platformDestroySurface(surface);
    EXPECT_EQ(library().LoadBMP(nullptr, nullptr), 1);
}

}  // namespace
}  // namespace advanced_testing
