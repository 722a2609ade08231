// The Hexadecimal library through its entry points: names, help texts, the
// bitwise operators and shifts, and its keypad.
#include "keypad_module_fixture.h"
#include "keypad_support/key_table.h"
#include "platform/drawing.h"
#include "platform/edit_control.h"

namespace {

using keypad_testing::elementsOf;
using keypad_testing::KeypadModule;
using keypad_testing::ValueStack;

constexpr OperatorCode kAnd = 0x0101, kOr = 0x0201, kRight = 0x0301, kLeft = 0x0401, kXor = 0x0501,
                       kNot = 0x0105;

class Hexadecimal : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { module = new KeypadModule(ORVANA_HEXADECIMAL_MODULE); }
    static void TearDownTestSuite() { delete module; }
    void SetUp() override { ASSERT_TRUE(module->complete()) << module->missing(); }

    int32_t apply(OperatorCode op, int32_t elementwise = 0) {
        return module->library().doOperation(op, 0, elementwise, stack.base(), stack.top(),
                                             nullptr);
    }
    double binary(OperatorCode op, double x, double y) {
        stack.push(x, 0.5);
        stack.push(y);
        EXPECT_EQ(apply(op), 0);
        EXPECT_EQ(*stack.top(), 5);
        EXPECT_EQ(stack.at(5).im[0], 0.5);  // imaginary parts are left as they were
        *stack.top() = 4;
        return stack.at(5).re[0];
    }

    static KeypadModule* module;
    ValueStack stack;
};
KeypadModule* Hexadecimal::module = nullptr;

TEST_F(Hexadecimal, NamesCharactersAndHelp) {
    const KeypadLibrary& lib = module->library();
    EXPECT_EQ(lib.GetStrOperator(u"AND"), kAnd);
    EXPECT_EQ(lib.GetStrOperator(u"OR"), kOr);
    EXPECT_EQ(lib.GetStrOperator(u"XOR"), kXor);
    EXPECT_EQ(lib.GetStrOperator(u"NOT"), kNot);
    for (const char16_t* n : {u"and", u"_AND_", u"ANDS", u"", u"sin"})
        EXPECT_EQ(lib.GetStrOperator(n), 0);
    EXPECT_EQ(lib.GetStrOperator(nullptr), 0);
    EXPECT_EQ(lib.GetOperator(u'\u00BB'), kRight);
    EXPECT_EQ(lib.GetOperator(u'\u00AB'), kLeft);
    for (char16_t c : {u'>', u'<', u'&', u'^'}) EXPECT_EQ(lib.GetOperator(c), 0);

    EXPECT_EQ(module->string(33025), u"x_AND_y bitwise x AND y");
    EXPECT_EQ(module->string(0x8201), u"x_OR_Y bitwise x OR y");
    EXPECT_EQ(module->string(0x8501), u"x_XOR_y bitwise x exclusive-or y");
    EXPECT_EQ(module->string(0x8105), u"_NOT_x bitwise  NOT x");
    EXPECT_EQ(module->string(0x8301), u"x \u00BB n  shift x by n bits to the right");
    EXPECT_EQ(module->string(0x8401), u"x \u00AB  n  shift x by n bits to the left");
}

TEST_F(Hexadecimal, BitwiseOperatorsAndShifts) {
    const struct {
        OperatorCode op;
        double x, y, out;
    } rows[] = {
        {kAnd, 0xF0, 0x3C, 0x30},
        {kOr, 0xF0, 0x0F, 0xFF},
        {kXor, 0xFF, 0x0F, 0xF0},
        {kAnd, 2.9, 3, 2},  // fractions are discarded
        {kAnd, 4294967295.0, 0x80000001, 2147483649.0},
        {kLeft, 1, 31, 2147483648.0},
        {kLeft, 1, 32, 0},
        {kLeft, 1, 256, 1},  // the count is taken modulo 256
        {kLeft, 1, 257, 2},
        {kLeft, 0x80000000, 1, 0},  // bits leave at the top
        {kRight, 0x80000000, 31, 1},
        {kRight, 0x80000000, 32, 0},
        {kRight, 0xFF, 4.7, 0x0F},
        // Negative values wrap around 2^32; values without an integer give 0.
        {kAnd, -1, 0xFF, 0xFF},
        {kOr, -2, 0, 4294967294.0},
        {kOr, 1e300, 0, 0},
        {kOr, std::nan(""), 5, 5},
    };
    for (const auto& row : rows)
        EXPECT_EQ(binary(row.op, row.x, row.y), row.out) << row.op << " " << row.x << " " << row.y;
}

TEST_F(Hexadecimal, NotWorksOnItsOwnOperand) {
    stack.push(0);
    EXPECT_EQ(apply(kNot), 0);
    EXPECT_EQ(stack.topEntry().re[0], 4294967295.0);
    EXPECT_EQ(*stack.top(), 5);
    EXPECT_EQ(apply(kNot), 0);
    EXPECT_EQ(stack.topEntry().re[0], 0);
    // What lies below does not matter, and is not reshaped.
    stack.pushString(u"below");
    stack.push(0xFFFF0000);
    EXPECT_EQ(apply(kNot), 0);
    EXPECT_EQ(stack.topEntry().re[0], 0x0000FFFF);
    stack.pushMatrix(1, 2, {{1, 0}, {2, 0}});
    stack.push(5);
    EXPECT_EQ(apply(kNot, 1), 0);
    EXPECT_EQ(stack.at(8).rows, 1);
    EXPECT_EQ(stack.at(8).cols, 2);
    EXPECT_EQ(stack.topEntry().kind, LATTIX_KIND_SCALAR);
    stack.pushMatrix(1, 2, {{1, 0}, {2, 0}});
    EXPECT_EQ(apply(kNot), 55);
    EXPECT_EQ(apply(kNot, 1), 0);
    EXPECT_EQ(elementsOf(stack.topEntry())[1].re, 4294967293.0);
    stack.pushString(u"s");
    EXPECT_EQ(apply(kNot, 1), 9);
}

TEST_F(Hexadecimal, OperandShapes) {
    stack.pushMatrix(1, 3, {{1, 0}, {2, 0}, {4, 0}});
    stack.push(1);
    EXPECT_EQ(apply(kLeft), 55);
    EXPECT_EQ(*stack.top(), 6);
    EXPECT_EQ(apply(kLeft, 1), 0);
    EXPECT_EQ(*stack.top(), 5);
    const auto out = elementsOf(stack.topEntry());
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].re, 2);
    EXPECT_EQ(out[1].re, 4);
    EXPECT_EQ(out[2].re, 8);
    stack.pushMatrix(1, 2, {{1, 0}, {2, 0}});
    stack.pushMatrix(2, 1, {{1, 0}, {2, 0}});
    EXPECT_EQ(apply(kAnd, 1), 9);
    EXPECT_EQ(*stack.top(), 7);
    stack.pushString(u"x");
    EXPECT_EQ(apply(kOr), 55);
    EXPECT_EQ(apply(kOr, 1), 9);
    // Codes the library does not know change nothing.
    const int16_t top = *stack.top();
    EXPECT_EQ(apply(0x0415), 0);
    EXPECT_EQ(*stack.top(), top);
    *stack.top() = 0;
    EXPECT_EQ(apply(kAnd), 11);
    *stack.top() = top;
}

class HexadecimalKeypad : public Hexadecimal {
  protected:
    void SetUp() override {
        Hexadecimal::SetUp();
        edit = platformEditCreate();
    }
    void TearDown() override { platformEditDestroy(edit); }
    std::u16string press(char16_t key, uint32_t page) {
        EXPECT_EQ(module->library().MapKeyboard(key | (page << 16), edit, nullptr), 1);
        char16_t buffer[64];
        platformEditGetText(edit, buffer, 64);
        return buffer;
    }
    PlatformWindow edit = nullptr;
};

TEST_F(HexadecimalKeypad, KeysInsertAtTheCaret) {
    const struct {
        char16_t key;
        uint32_t page;
        const char16_t* text;
    } rows[] = {
        {u'1', 2, u"0x"},     {u'2', 2, u"A"},     {u'3', 2, u"B"},     {u'4', 2, u"C"},
        {u'5', 2, u"D"},      {u'6', 2, u"E"},     {u'7', 2, u"F"},     {u'8', 2, u"\u00BB"},
        {u'9', 2, u"\u00AB"}, {u'1', 3, u""},      {u'2', 3, u"_AND_"}, {u'3', 3, u"_OR_"},
        {u'4', 3, u""},       {u'5', 3, u"_XOR_"}, {u'6', 3, u"_NOT_"}, {u'7', 3, u""},
        {u'8', 3, u""},       {u'9', 3, u""},      {u'0', 2, u""},      {u'.', 2, u""},
        {u'1', 4, u""},       {u'5', 4, u""},
    };
    for (const auto& row : rows) {
        platformEditSetText(edit, u"");
        EXPECT_EQ(press(row.key, row.page), row.text) << char(row.key) << " page " << row.page;
    }
    platformEditSetText(edit, u"1");
    press(u'2', 3);
    press(u'1', 2);
    EXPECT_EQ(press(u'7', 2), u"1_AND_0xF");
    platformEditSetSelection(edit, 1, 6);
    EXPECT_EQ(press(u'3', 3), u"1_OR_0xF");
}

TEST_F(HexadecimalKeypad, TheLegendHasThreeRowsOfTwoPages) {
    PlatformSurface* surface = platformCreateSurface(176, 111);
    ASSERT_EQ(module->library().LoadBMP(surface, &module->library()), 1);
    auto count = [&](char16_t key, uint16_t page) {
        int32_t column, row, left, top, right, bottom;
        keypad_support::keyCell(key, &column, &row);
        keypad_support::cellBounds(column, row, &left, &top, &right, &bottom);
        int n = 0;
        for (int32_t y = top; y < bottom; ++y)
            for (int32_t x = left; x < right; ++x)
                n += platformSurfacePixel(surface, x, y) == keypad_support::pageColour(page);
        return n;
    };
    for (char16_t key = u'1'; key <= u'9'; ++key) {
        EXPECT_GT(count(key, 2), 0) << char(key);
        const bool word = key == u'2' || key == u'3' || key == u'5' || key == u'6';
        EXPECT_EQ(count(key, 3) > 0, word) << char(key);
        EXPECT_EQ(count(key, 4), 0);
    }
    for (char16_t key : {u'.', u'0'}) {
        EXPECT_EQ(count(key, 2), 0);
        EXPECT_EQ(count(key, 3), 0);
    }
    platformDestroySurface(surface);
    PlatformSurface* title = platformLoadBitmap(module->library().module, "NAME");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(platformSurfaceWidth(title), 20);
    EXPECT_EQ(platformSurfaceHeight(title), 16);
    platformDestroySurface(title);
}

}  // namespace
