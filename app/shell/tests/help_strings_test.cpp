// The main program's help texts: one for every built-in code and keyword.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/code_list.h"
#include "engine/key_help.h"
#include "engine/keyword_table.h"
#include "shell/help_strings.h"
#include "shell/key_routing.h"

namespace shell {
namespace {

const char16_t* helpFor(uint32_t code) {
    for (const PlatformStringEntry* e = mainHelpTable(); e->text != nullptr; ++e)
        if (e->id == KEYPAD_HELP_ID(code)) return e->text;
    return nullptr;
}

TEST(HelpStrings, EveryBuiltInCodeHasAShortHelpText) {
#define ORVANA_EXPECT_HELP(id, value, mnemonic, operand, effect)                          \
    if (value != 0) {                                                                     \
        const char16_t* text = helpFor(value);                                            \
        ASSERT_NE(text, nullptr) << #id;                                                  \
        EXPECT_LE(std::u16string(text).size(), engine::kKeyHelpLimit) << #id;             \
        EXPECT_GT(std::u16string(text).size(), 10u) << #id;                               \
    }
    ORVANA_BUILTIN_CODES(ORVANA_EXPECT_HELP)
#undef ORVANA_EXPECT_HELP
}

TEST(HelpStrings, EveryKeywordOperatorCharacterAndPrefixHasOne) {
    for (const char16_t* name : {u"i", u"mat", u"inv", u"det", u"ANS", u"T", u"eval", u"re", u"im",
                                 u"I", u"zero", u"rref", u"WHILE", u"END", u"IF", u"ELSE",
                                 u"RETURN", u"LOCAL", u"FUNC", u"GLOBAL", u"FOR",
                                 u"CONTIFGRAPHING", u"load", u"save", u"round"}) {
        const uint16_t code = engine::builtinKeyword(name);
        ASSERT_NE(code, 0) << std::string(name, name + std::u16string(name).size());
        EXPECT_NE(helpFor(code), nullptr) << code;
    }
    for (char16_t c : std::u16string(u"+-*/(),|{}[:\"_")) {
        const uint16_t code = engine::builtinOperatorChar(c);
        ASSERT_NE(code, 0) << char(c);
        EXPECT_NE(helpFor(code), nullptr) << char(c);
    }
    // "V:", "i0" and "0x", which no lookup names.
    for (uint32_t code : {5110u, 768u, 5116u}) EXPECT_NE(helpFor(code), nullptr) << code;
    EXPECT_EQ(KEYPAD_HELP_ID(5110u), 37878u);
}

TEST(HelpStrings, TheProgramModuleServesThem) {
    PlatformModule* program = mainProgramModule();
    char16_t text[256];
    ASSERT_GT(platformLoadString(program, 37878, text, 256), 0u);
    EXPECT_EQ(std::u16string(text), std::u16string(helpFor(5110)));
    // It has no other symbols, and freeing it leaves it working.
    EXPECT_EQ(platformModuleSymbol(program, "GetOperator"), nullptr);
    EXPECT_EQ(platformFreeModule(program), 1);
    EXPECT_GT(platformLoadString(program, KEYPAD_HELP_ID(0x0415u), text, 256), 0u);
    EXPECT_EQ(platformLoadString(program, 12345, text, 256), 0u);
}

TEST(HelpStrings, IdsAreUnique) {
    std::set<uint32_t> ids;
    for (const PlatformStringEntry* e = mainHelpTable(); e->text != nullptr; ++e)
        EXPECT_TRUE(ids.insert(e->id).second) << e->id;
}

}  // namespace
}  // namespace shell
