// The scripting keypad's module contract: the names and help texts, the
// text every key inserts and where the caret lands, the comparison menu, the
// legend, and doOperation's treatment of calls it cannot serve.
#include "keypad_module_fixture.h"
#include "keypad_support/key_table.h"
#include "platform/drawing.h"
#include "platform/edit_control.h"
#include "scripted_backend.h"

namespace {

using keypad_testing::KeypadModule;

class ScriptingModule : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { module = new KeypadModule(SCRIPTING_MODULE_PATH); }
    static void TearDownTestSuite() { delete module; }
    void SetUp() override {
        ASSERT_TRUE(module->complete()) << module->missing();
        ASSERT_NE(edit.handle(), nullptr);
    }

    int32_t press(char16_t key, uint32_t page) {
        return module->library().MapKeyboard(key | (page << 16), edit.handle(), nullptr);
    }
    KeypadLibrary& library() { return module->library(); }

    static KeypadModule* module;
    keypad_testing::EditLine edit;
};
KeypadModule* ScriptingModule::module = nullptr;

struct NameRow {
    const char16_t* name;
    OperatorCode code;
};

constexpr NameRow kNameRows[] = {
    {u"LT", 0x0101},    {u"GT", 0x0201},   {u"EQ", 0x0301},     {u"LE", 0x0401},
    {u"GE", 0x0501},    {u"NE", 0x0601},   {u"mod", 0x0125},    {u"frac", 0x0215},
    {u"int", 0x0315},   {u"sign", 0x0415}, {u"ASK", 0x04F5},    {u"isvar", 0x0515},
    {u"angle", 0x0615}, {u"EPS", 0x0200},
};

TEST_F(ScriptingModule, NamesHaveTheirCodesAndHelpTexts) {
    for (const NameRow& row : kNameRows) {
        EXPECT_EQ(library().GetStrOperator(row.name), row.code) << keypad_testing::narrow(row.name);
        EXPECT_TRUE(module->hasString(KEYPAD_HELP_ID(row.code)))
            << keypad_testing::narrow(row.name);
    }
    // Whole names, case kept; no operator characters.
    for (const char16_t* other : {u"lt", u"_LT_", u"Mod", u"ints", u"", u"eps"})
        EXPECT_EQ(library().GetStrOperator(other), 0) << keypad_testing::narrow(other);
    EXPECT_EQ(library().GetStrOperator(nullptr), 0);
    for (char16_t c : {u'<', u'>', u'=', u'%', u'_', u'#'}) EXPECT_EQ(library().GetOperator(c), 0);

    EXPECT_EQ(module->string(34037).rfind(u"ASK(", 0), 0u);
    EXPECT_NE(module->string(34069).find(u"2 if it is a local"), std::u16string::npos);
    EXPECT_EQ(module->string(0x8200),
              u"EPS = 2^-52 = 2.220446049250313E-16, the distance from 1 to the next larger "
              u"number");
    EXPECT_EQ(module->string(0x8101), u"x_LT_y  is 1 if x < y otherwise 0");
}

constexpr keypad_testing::KeyRow kKeyRows[] = {
    {u'1', 2, u"WHILE()", 6},    {u'1', 3, u"", 0},            {u'1', 4, u"", 0},
    {u'2', 2, u"IF()", 3},       {u'2', 3, u"save(\"\"", 6},   {u'2', 4, u"", 0},
    {u'3', 2, u"ELSE", 4},       {u'3', 3, u"load(\"\")", 6},  {u'3', 4, u"", 0},
    {u'4', 2, u"RETURN()", 7},   {u'4', 3, u"LOCAL(\"\")", 7}, {u'4', 4, u"", 0},
    {u'5', 2, u"FOR(\"j\",)", 8}, {u'5', 3, u"GLOBAL(\"\"", 7}, {u'5', 4, u"", 0},
    {u'6', 2, u"FUNC(\"\")", 6}, {u'6', 3, u"ASK(\"\")", 5},   {u'6', 4, u"", 0},
    {u'7', 2, u"END", 3},        {u'7', 3, u"\"\")", 2},       {u'7', 4, u"", 0},
    {u'8', 2, u"angle()", 6},    {u'8', 3, u"round()", 6},     {u'8', 4, u"", 0},
    {u'.', 2, u"int()", 4},      {u'.', 3, u"frac()", 5},      {u'.', 4, u"isvar(\"\")", 7},
    {u'0', 2, u"mod()", 4},      {u'0', 3, u"sign()", 5},      {u'0', 4, u"size()", 5},
};

TEST_F(ScriptingModule, EveryKeyInsertsItsTextAndPlacesTheCaret) {
    keypad_testing::expectKeys(library(), edit, kKeyRows);
}

TEST_F(ScriptingModule, KeysWithoutEntriesDoNothing) {
    platformEditSetText(edit.handle(), u"ab");
    for (uint32_t code : {u'#' | (2u << 16), u'9' | (5u << 16), u'9' | (1u << 16),
                          u'x' | (3u << 16), uint32_t(u'9')}) {
        EXPECT_EQ(library().MapKeyboard(code, edit.handle(), nullptr), KEYPAD_ACTION_NONE);
        EXPECT_EQ(edit.text(), u"ab");
    }
    EXPECT_EQ(library().MapKeyboard(u'1' | (2u << 16), nullptr, nullptr), KEYPAD_ACTION_NONE);
}

TEST_F(ScriptingModule, KeyNineOffersTheComparisonsOnEveryPage) {
    orvana::testing::ScriptedBackend backend;
    struct Choice {
        const char16_t* caption;
        const char16_t* inserted;
    };
    constexpr Choice kChoices[] = {
        {u"Less Than", u"_LT_"}, {u"Less or Equal", u"_LE_"}, {u"Greater Than", u"_GT_"},
        {u"Greater or Equal", u"_GE_"}, {u"Equal", u"_EQ_"}, {u"Not Equal", u"_NE_"},
        {u"OR", u"_OR_"}, {u"AND", u"_AND_"},
    };
    uint32_t page = 2;
    for (const Choice& choice : kChoices) {
        platformEditSetText(edit.handle(), u"a b");
        platformEditSetSelection(edit.handle(), 1, 2);
        backend.queuePopupMenuChoice(std::u16string(choice.caption));
        EXPECT_EQ(press(u'9', page), KEYPAD_ACTION_NONE);
        std::u16string want(u"a");
        want.append(choice.inserted).append(u"b");
        EXPECT_EQ(edit.text(), want) << keypad_testing::narrow(choice.caption);
        EXPECT_EQ(edit.caret(), int32_t(want.size()) - 1);
        page = page == 4 ? 2 : page + 1;
    }
    ASSERT_EQ(backend.popupMenus().size(), 8u);
    const auto& menu = backend.popupMenus().front();
    EXPECT_EQ(menu.x, 88);
    EXPECT_EQ(menu.y, 170);
    // A separator parts the comparisons from the logical operators.
    EXPECT_EQ(menu.items,
              (std::vector<std::u16string>{u"Less Than", u"Less or Equal", u"Greater Than",
                                           u"Greater or Equal", u"Equal", u"Not Equal", u"",
                                           u"OR", u"AND"}));
    // A dismissed menu inserts nothing.
    platformEditSetText(edit.handle(), u"ab");
    EXPECT_EQ(press(u'9', 3), KEYPAD_ACTION_NONE);
    EXPECT_EQ(edit.text(), u"ab");
}

TEST_F(ScriptingModule, LoadBMPCopiesTheLegend) {
    PlatformSurface* surface = platformCreateSurface(176, 111);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(library().LoadBMP(surface, &library()), 1);
    // The legend shows the labels of page 2 in green.
    int green = 0;
    for (int32_t y = 0; y < 111; ++y)
        for (int32_t x = 0; x < 176; ++x)
            green += platformSurfacePixel(surface, x, y) == keypad_support::pageColour(2);
    EXPECT_GT(green, 0);
    platformDestroySurface(surface);
    EXPECT_EQ(library().LoadBMP(nullptr, nullptr), 0);
}

TEST_F(ScriptingModule, DoOperationRefusesWhatItCannotServe) {
    keypad_testing::ValueStack stack;
    stack.push(3);
    stack.push(4);
    // Unknown operators change nothing.
    for (OperatorCode unknown : {OperatorCode(0x0701), OperatorCode(0x0100), OperatorCode(0)}) {
        EXPECT_EQ(library().doOperation(unknown, 0, 0, stack.base(), stack.top(), nullptr), 0);
        EXPECT_EQ(*stack.top(), 6);
    }
    EXPECT_EQ(library().doOperation(0x0101, 0, 0, nullptr, stack.top(), nullptr), 0);
    EXPECT_EQ(library().doOperation(0x0101, 0, 0, stack.base(), nullptr, nullptr), 0);
    // A top index outside the stack is refused before anything is read.
    int16_t top = 0;
    EXPECT_EQ(library().doOperation(0x0215, 0, 0, stack.base(), &top, nullptr), 11);
    top = 1;
    EXPECT_EQ(library().doOperation(0x0101, 0, 0, stack.base(), &top, nullptr), 11);
    top = 89;
    EXPECT_EQ(library().doOperation(0x0200, 0, 0, stack.base(), &top, nullptr), 13);
    // ASK's count must be a number, and its parameters must be there.
    stack.pushString(u"2");
    EXPECT_EQ(library().doOperation(0x04F5, 0, 0, stack.base(), stack.top(), nullptr), 6);
    top = 5;
    copyValMatrix(&stack.at(5), 6, 0);
    EXPECT_EQ(library().doOperation(0x04F5, 0, 0, stack.base(), &top, nullptr), 11);
}

}  // namespace
