// The key mode's key text and scripted answers.
#include <gtest/gtest.h>

#include "key_script.h"
#include "platform/message_box.h"
#include "scripted_answers.h"

using orvana::qt::parseKeyScript;
using orvana::qt::ScriptedAnswers;
using orvana::qt::ScriptedKey;
using Kind = ScriptedKey::Kind;

namespace {

ScriptedKey ch(char16_t c) { return {Kind::Character, int32_t(c)}; }

TEST(KeyScript, BraceGroupsNameKeysOnlyWhenTheyNameOne) {
    EXPECT_EQ(parseKeyScript(u"2+3{Enter}"),
              (std::vector<ScriptedKey>{ch(u'2'), ch(u'+'), ch(u'3'), {Kind::Enter}}));
    EXPECT_EQ(parseKeyScript(u"{F9}{F10}{Back}{BS}{Up}{Down}{Left}{Right}"),
              (std::vector<ScriptedKey>{{Kind::Function, 9},
                                        {Kind::Function, 10},
                                        {Kind::Back},
                                        {Kind::Backspace},
                                        {Kind::Up},
                                        {Kind::Down},
                                        {Kind::Left},
                                        {Kind::Right}}));
    EXPECT_EQ(parseKeyScript(u"{Cmd:40027}{Click:12,130}{Wait:250}"),
              (std::vector<ScriptedKey>{{Kind::Command, 40027},
                                        {Kind::Click, 0, 12, 130},
                                        {Kind::Wait, 250}}));
    // A matrix literal, a bad command and an unclosed brace are typed.
    const auto literal = parseKeyScript(u"{1,2|3,4}");
    ASSERT_EQ(literal.size(), 9u);
    EXPECT_EQ(literal.front(), ch(u'{'));
    EXPECT_EQ(literal.back(), ch(u'}'));
    EXPECT_EQ(parseKeyScript(u"{Cmd:x}").size(), 7u);
    EXPECT_EQ(parseKeyScript(u"{Click:1}").size(), 9u);
    EXPECT_EQ(parseKeyScript(u"{Enter"), (std::vector<ScriptedKey>{ch(u'{'), ch(u'E'), ch(u'n'),
                                                                    ch(u't'), ch(u'e'), ch(u'r')}));
    EXPECT_TRUE(parseKeyScript(u"").empty());
}

TEST(ScriptedAnswers, AreTakenInOrderByWhateverAsks) {
    ScriptedAnswers answers = ScriptedAnswers::parse(u"no,Total,#1,Units,yes");
    EXPECT_EQ(answers.messageBoxAnswer(PLATFORM_MB_YESNO), PLATFORM_IDNO);
    EXPECT_EQ(answers.take(), std::optional<std::u16string>(u"Total"));
    const std::vector<std::u16string> items{u"Units", u"Constants"};
    EXPECT_EQ(answers.choose(items, -1), 1);
    EXPECT_EQ(answers.choose(items, -1), 0);
    EXPECT_EQ(answers.messageBoxAnswer(PLATFORM_MB_OK), PLATFORM_IDOK);
    EXPECT_TRUE(answers.empty());
    // With nothing left: the default button, the fallback choice.
    EXPECT_EQ(answers.messageBoxAnswer(PLATFORM_MB_YESNO | PLATFORM_MB_DEFBUTTON2), PLATFORM_IDNO);
    EXPECT_EQ(answers.choose(items, 1), 1);

    ScriptedAnswers odd = ScriptedAnswers::parse(u"#9,#x,maybe,cancel");
    EXPECT_EQ(odd.choose(items, 0), -1);
    EXPECT_EQ(odd.choose(items, 0), -1);
    EXPECT_EQ(odd.messageBoxAnswer(PLATFORM_MB_YESNO), PLATFORM_IDYES);  // not a button: default
    EXPECT_EQ(odd.messageBoxAnswer(PLATFORM_MB_YESNO), PLATFORM_IDNO);
    EXPECT_TRUE(ScriptedAnswers::parse(u"").empty());
    EXPECT_EQ(ScriptedAnswers::parse(u",").take(), std::optional<std::u16string>(u""));
}

}  // namespace
