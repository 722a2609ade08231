// The token cursor on an edit model.
#include <gtest/gtest.h>

#include "platform/edit_control.h"
#include "shell/token_cursor.h"

namespace shell {
namespace {

TEST(TokenCursor, TokensAreLetterRunsOrSingleCharacters) {
    const std::u16string_view text = u"2*sin(ab)+";
    struct Case {
        int32_t position;
        TokenRange ending;
        TokenRange starting;
    } cases[] = {
        {0, {0, 0}, {0, 1}},  {1, {0, 1}, {1, 2}},  {2, {1, 2}, {2, 5}},   {5, {2, 5}, {5, 6}},
        {4, {2, 4}, {4, 5}},  {8, {6, 8}, {8, 9}},  {10, {9, 10}, {10, 10}}, {99, {9, 10}, {10, 10}},
    };
    for (const Case& c : cases) {
        const TokenRange e = tokenEndingAt(text, c.position);
        const TokenRange s = tokenStartingAt(text, c.position);
        EXPECT_EQ(e.start, c.ending.start) << c.position;
        EXPECT_EQ(e.end, c.ending.end) << c.position;
        EXPECT_EQ(s.start, c.starting.start) << c.position;
        EXPECT_EQ(s.end, c.starting.end) << c.position;
    }
}

TEST(TokenCursor, LeftAndRightStepThroughTheLine) {
    PlatformWindow edit = platformEditCreate();
    ASSERT_NE(edit, nullptr);
    platformEditSetText(edit, u"cos(x)+12");
    selectTokenBeforeCaret(edit);
    int32_t start = 0, end = 0;
    const auto selection = [&] {
        platformEditGetSelection(edit, &start, &end);
        return std::make_pair(start, end);
    };
    EXPECT_EQ(selection(), std::make_pair(8, 9));
    const std::pair<int32_t, int32_t> left[] = {{7, 8}, {6, 7}, {5, 6}, {4, 5}, {3, 4}, {0, 3}, {0, 3}};
    for (const auto& expected : left) {
        tokenCursorLeft(edit);
        EXPECT_EQ(selection(), expected);
    }
    const std::pair<int32_t, int32_t> right[] = {{3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}, {8, 9}};
    for (const auto& expected : right) {
        tokenCursorRight(edit);
        EXPECT_EQ(selection(), expected);
    }
    // After Back removed ")" the name before the caret is selected whole.
    platformEditSetText(edit, u"2*sqrt");
    selectTokenBeforeCaret(edit);
    EXPECT_EQ(selection(), std::make_pair(2, 6));
    platformEditSetText(edit, u"");
    selectTokenBeforeCaret(edit);
    EXPECT_EQ(selection(), std::make_pair(0, 0));
    platformEditDestroy(edit);
}

}  // namespace
}  // namespace shell
