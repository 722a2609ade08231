// The graphing keypad: the text every key inserts and where the caret
// lands, the legend and title bitmaps, the names and help texts, and the
// entry points called straight on a value stack of the test's own.
#include "keypad_module_fixture.h"
#include "keypad_support/key_table.h"
#include "platform/drawing.h"
#include "platform/edit_control.h"

namespace {

using keypad_testing::KeypadModule;
using keypad_testing::ValueStack;

class GraphingKeypad : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { module = new KeypadModule(GRAPHING_MODULE_PATH); }
    static void TearDownTestSuite() { delete module; }
    void SetUp() override {
        ASSERT_TRUE(module->complete()) << module->missing();
        ASSERT_NE(edit, nullptr);
    }

    std::u16string text() const { return line.text(); }
    int32_t caret() const { return line.caret(); }
    int32_t press(char16_t key, uint32_t page) {
        return module->library().MapKeyboard(key | (page << 16), edit, nullptr);
    }
    int32_t operate(OperatorCode op, ValueStack& stack) {
        return module->library().doOperation(op, 0, 0, stack.base(), stack.top(), nullptr);
    }

    static KeypadModule* module;
    keypad_testing::EditLine line;
    PlatformWindow edit = line.handle();
};
KeypadModule* GraphingKeypad::module = nullptr;

using keypad_testing::KeyRow;

constexpr KeyRow kKeyRows[] = {
    {u'1', 2, u"plot()", 5},        {u'1', 3, u"line()", 5},
    {u'1', 4, u"", 0},              {u'2', 2, u"polarplot()", 10},
    {u'2', 3, u"moveto()", 7},      {u'2', 4, u"", 0},
    {u'3', 2, u"label()", 6},       {u'3', 3, u"title()", 6},
    {u'3', 4, u"p", 1},             {u'4', 2, u"\"\"", 1},
    {u'4', 3, u"w", 1},             {u'4', 4, u"", 0},
    {u'5', 2, u"-", 1},             {u'5', 3, u"#", 1},
    {u'5', 4, u"o", 1},             {u'6', 2, u"g", 1},
    {u'6', 3, u"r", 1},             {u'6', 4, u"b", 1},
    {u'7', 2, u"fill()", 5},        {u'7', 3, u"cleargraph()", 11},
    {u'7', 4, u"", 0},              {u'8', 2, u"ones()", 5},
    {u'8', 3, u"drawgraph()", 10},  {u'8', 4, u"", 0},
    {u'9', 2, u"V:", 2},            {u'9', 3, u"CONTIFGRAPHING()", 15},
    {u'9', 4, u"", 0},              {u'.', 2, u"x", 1},
    {u'.', 3, u"t", 1},             {u'.', 4, u"", 0},
    {u'0', 2, u"y", 1},             {u'0', 3, u":", 1},
    {u'0', 4, u"", 0},
};

TEST_F(GraphingKeypad, EveryKeyInsertsItsTextAndPlacesTheCaret) {
    keypad_testing::expectKeys(module->library(), line, kKeyRows);
    // Other pages and characters insert nothing.
    platformEditSetText(edit, u"ab");
    for (uint32_t code : {u'1' | (5u << 16), u'#' | (2u << 16), uint32_t(u'1')})
        EXPECT_EQ(module->library().MapKeyboard(code, edit, nullptr), 1);
    EXPECT_EQ(text(), u"ab");
}

TEST_F(GraphingKeypad, ElementwiseKeyPrefixesTheLineAndKeepsTheCaretInPlace) {
    platformEditSetText(edit, u"2*x+1");
    platformEditSetSelection(edit, 3, 3);
    EXPECT_EQ(press(u'9', 2), 1);
    EXPECT_EQ(text(), u"V:2*x+1");
    EXPECT_EQ(caret(), 5);
    // The other keys insert at the caret.
    press(u'1', 3);
    EXPECT_EQ(text(), u"V:2*xline()+1");
    EXPECT_EQ(caret(), 10);
}

TEST_F(GraphingKeypad, NamesHelpTextsAndOperatorCharacters) {
    const struct {
        const char16_t* name;
        OperatorCode code;
    } names[] = {
        {u"moveto", 0x0325}, {u"lineto", 0x0425},    {u"cleargraph", 0x0505},
        {u"text", 0x0CF5},   {u"drawgraph", 0x16F5}, {u"line", 0x1715},
        {u"plot", 0x18F5},   {u"polarplot", 0x19F5}, {u"label", 0x1AF5},
        {u"title", 0x1BF5},
    };
    for (const auto& n : names) {
        EXPECT_EQ(module->library().GetStrOperator(n.name), n.code) << keypad_testing::narrow(n.name);
        EXPECT_TRUE(module->hasString(KEYPAD_HELP_ID(n.code))) << keypad_testing::narrow(n.name);
    }
    EXPECT_EQ(module->string(KEYPAD_HELP_ID(0x0325)),
              u"moveto(x,y)  move pen to x,y coordinates. No line is drawn.");
    EXPECT_EQ(module->string(KEYPAD_HELP_ID(0x0505)), u"cleargraph()  clear the graph");
    for (const char16_t* other : {u"Plot", u"plo", u"plotx", u"", u"fill"})
        EXPECT_EQ(module->library().GetStrOperator(other), 0) << keypad_testing::narrow(other);
    EXPECT_EQ(module->library().GetStrOperator(nullptr), 0);
    for (char16_t c : {u'#', u'-', u'x', u':'}) EXPECT_EQ(module->library().GetOperator(c), 0);
}

TEST_F(GraphingKeypad, LegendAndTitle) {
    PlatformSurface* surface = platformCreateSurface(176, 111);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(module->library().LoadBMP(surface, &module->library()), 1);
    int green = 0;
    for (int32_t y = 0; y < 111; ++y)
        for (int32_t x = 0; x < 176; ++x)
            green += platformSurfacePixel(surface, x, y) == keypad_support::pageColour(2);
    EXPECT_GT(green, 0);
    platformDestroySurface(surface);
    EXPECT_EQ(module->library().LoadBMP(nullptr, nullptr), 0);

    PlatformSurface* title = platformLoadBitmap(module->library().module, "NAME");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(platformSurfaceWidth(title), 20);
    EXPECT_EQ(platformSurfaceHeight(title), 16);
    platformDestroySurface(title);
}

TEST_F(GraphingKeypad, UnusedEntryPoints) {
    KeypadRect rect{1, 2, 3, 4};
    EXPECT_EQ(module->library().GetButtonRect(0, 0, &rect), 1);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(module->library().doDraw(), 0);
    EXPECT_EQ(module->library().doGraph(nullptr, nullptr, nullptr, 0x18F5, 0, 0, nullptr, nullptr,
                                        nullptr),
              0);
}

TEST_F(GraphingKeypad, ValuesWithoutElementsAreRefused) {
    const struct {
        OperatorCode op;
        int parameters;  // the empty value first, then scalars 1
        bool counted;
        int32_t code;
    } rows[] = {
        {0x0325, 2, false, 14},  // moveto
        {0x0CF5, 1, true, 14},   // text
        {0x18F5, 1, true, 14},   // plot
        {0x19F5, 1, true, 51},   // polarplot
        {0x1AF5, 3, true, 14},   // label
    };
    for (const auto& row : rows) {
        ValueStack stack;
        stack.pushMatrix(0, 0, {});
        for (int i = 1; i < row.parameters; ++i) stack.push(1.0);
        if (row.counted) stack.push(row.parameters);
        EXPECT_EQ(operate(row.op, stack), row.code) << std::hex << row.op;
    }
}

TEST_F(GraphingKeypad, BadCountsAndUnknownCodes) {
    ValueStack stack;
    stack.push(5.0);
    stack.push(1.5);  // not a whole count
    EXPECT_EQ(operate(0x0CF5, stack), 6);
    stack.push(9.0);  // more parameters than the stack holds
    EXPECT_EQ(operate(0x0CF5, stack), 6);
    stack.pushString(u"2");  // a count that is no number
    EXPECT_EQ(operate(0x18F5, stack), 6);
    const int16_t top = *stack.top();
    EXPECT_EQ(operate(0x0115, stack), 0);
    EXPECT_EQ(*stack.top(), top);
    // Without the engine's services a name cannot be resolved.
    stack.pushString(u"m");
    stack.push(1.0);
    EXPECT_EQ(operate(0x18F5, stack), 14);
}

}  // namespace
