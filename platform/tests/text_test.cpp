// Conversions between UTF-16 and UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"

using orvana::toUtf16;
using orvana::toUtf8;

TEST(Text, ConvertsEveryEncodingLength) {
    EXPECT_EQ(toUtf8(u"abc"), "abc");
    EXPECT_EQ(toUtf8(u"x\u00B2"), "x\xC2\xB2");          // two bytes
    EXPECT_EQ(toUtf8(u"\u221A2"), "\xE2\x88\x9A" "2");    // three bytes
    EXPECT_EQ(toUtf8(u"\U0001D465"), "\xF0\x9D\x91\xA5");  // surrogate pair
    EXPECT_EQ(toUtf8(nullptr), "");
    EXPECT_EQ(platformTextLength(u"hello"), 5u);
    EXPECT_EQ(platformTextLength(nullptr), 0u);
}

TEST(Text, LoneSurrogatesAndShortBuffers) {
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(toUtf8(lone), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    char small[3];
    EXPECT_EQ(platformUtf16ToUtf8(u"abcdef", small, sizeof small), 6u);
    EXPECT_STREQ(small, "ab");
}

TEST(Text, Utf8ToUtf16RoundTripsAndReplacesMalformedSequences) {
    EXPECT_EQ(toUtf16("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"a\u00E9\u20AC\U0001F600");
    EXPECT_EQ(toUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong
    EXPECT_EQ(toUtf16("\xED\xA0\x80x"), u"\uFFFDx");            // a surrogate
    EXPECT_EQ(toUtf16("\xE2\x82"), u"\uFFFD");                  // cut short
    EXPECT_EQ(toUtf16("\xF4\x90\x80\x80"), u"\uFFFD");          // past U+10FFFF
    EXPECT_EQ(platformUtf8ToUtf16(nullptr, nullptr, 0), 0u);
    char16_t small[3];
    EXPECT_EQ(platformUtf8ToUtf16("abcd", small, 3), 4u);
    EXPECT_EQ(std::u16string(small), u"ab");
}

TEST(Text, TheStringPairRoundTripsAndStopsAtZero) {
    const std::u16string text = u"x\u00B2+\U0001D465";
    EXPECT_EQ(toUtf16(toUtf8(text)), text);
    EXPECT_EQ(toUtf8(std::u16string_view(u"ab\0cd", 5)), "ab");
    EXPECT_EQ(toUtf16(std::string_view("ab\0cd", 5)), u"ab");
    EXPECT_EQ(toUtf16(static_cast<const char*>(nullptr)), u"");
    EXPECT_EQ(toUtf16(""), u"");
}
