// The edit control model: text, selection, replacement and the text limit.
#include <gtest/gtest.h>

#include <string>

#include "platform/edit_control.h"

namespace {

std::u16string textOf(PlatformWindow edit) {
    char16_t buffer[256];
    platformEditGetText(edit, buffer, 256);
    return buffer;
}

struct Edit {
    PlatformWindow handle = platformEditCreate();
    ~Edit() { platformEditDestroy(handle); }
};

}  // namespace

TEST(EditControl, InsertingAtTheCaretAndOverASelection) {
    Edit edit;
    ASSERT_TRUE(platformEditIsControl(edit.handle));
    platformEditSetText(edit.handle, u"sin()");
    int32_t start, end;
    platformEditGetSelection(edit.handle, &start, &end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 5);
    // The caret placed inside the parentheses, as a keypad key does.
    platformEditSetSelection(edit.handle, 4, 4);
    EXPECT_EQ(platformEditReplaceSelection(edit.handle, u"30"), 1);
    EXPECT_EQ(textOf(edit.handle), u"sin(30)");
    platformEditGetSelection(edit.handle, &start, &end);
    EXPECT_EQ(start, 6);

    platformEditSetSelection(edit.handle, 3, 0);  // reversed: swapped
    platformEditGetSelection(edit.handle, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 3);
    platformEditReplaceSelection(edit.handle, u"cos");
    EXPECT_EQ(textOf(edit.handle), u"cos(30)");

    platformEditSetSelection(edit.handle, -5, 99);  // clamped to the text
    platformEditReplaceSelection(edit.handle, u"");
    EXPECT_EQ(textOf(edit.handle), u"");
    EXPECT_EQ(platformEditLineCount(edit.handle), 1);
}

TEST(EditControl, TheLimitCutsInsertionsAndReportsIt) {
    Edit edit;
    platformEditSetLimit(edit.handle, 5);
    EXPECT_EQ(platformEditReplaceSelection(edit.handle, u"123"), 1);
    EXPECT_EQ(platformEditReplaceSelection(edit.handle, u"456"), 0);
    EXPECT_EQ(textOf(edit.handle), u"12345");
    platformEditSetSelection(edit.handle, 0, 2);
    EXPECT_EQ(platformEditReplaceSelection(edit.handle, u"ab"), 1);
    EXPECT_EQ(textOf(edit.handle), u"ab345");
    platformEditSetText(edit.handle, u"far too long");
    EXPECT_EQ(textOf(edit.handle), u"far t");
    EXPECT_EQ(platformEditLimit(edit.handle), 5);
}

TEST(EditControl, TextReadsAndUnknownHandles) {
    Edit edit;
    platformEditSetText(edit.handle, u"a\nb\nc");
    EXPECT_EQ(platformEditLineCount(edit.handle), 3);
    char16_t small[3];
    EXPECT_EQ(platformEditGetText(edit.handle, small, 3), 5u);
    EXPECT_EQ(std::u16string(small), u"a\n");
    EXPECT_EQ(platformEditTextLength(edit.handle), 5u);

    int notAControl = 0;
    EXPECT_FALSE(platformEditIsControl(&notAControl));
    EXPECT_FALSE(platformEditIsControl(nullptr));
    EXPECT_EQ(platformEditSetText(nullptr, u"x"), 0);
    EXPECT_EQ(platformEditReplaceSelection(nullptr, u"x"), 0);
    EXPECT_EQ(platformEditGetText(nullptr, small, 3), 0u);
    EXPECT_EQ(small[0], 0);
    platformEditDestroy(nullptr);
}
