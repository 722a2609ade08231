// UTF-16 to UTF-8 conversion.
#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"

namespace {
std::string utf8(const char16_t* s) {
    std::string out(platformUtf16ToUtf8(s, nullptr, 0) + 1, '\0');
    platformUtf16ToUtf8(s, out.data(), out.size());
    out.pop_back();
    return out;
}
}  // namespace

TEST(Text, ConvertsEveryEncodingLength) {
    EXPECT_EQ(utf8(u"abc"), "abc");
    EXPECT_EQ(utf8(u"x\u00B2"), "x\xC2\xB2");          // two bytes
    EXPECT_EQ(utf8(u"\u221A2"), "\xE2\x88\x9A" "2");    // three bytes
    EXPECT_EQ(utf8(u"\U0001D465"), "\xF0\x9D\x91\xA5");  // surrogate pair
    EXPECT_EQ(utf8(nullptr), "");
    EXPECT_EQ(platformTextLength(u"hello"), 5u);
    EXPECT_EQ(platformTextLength(nullptr), 0u);
}

TEST(Text, LoneSurrogatesAndShortBuffers) {
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(utf8(lone), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    char small[3];
    EXPECT_EQ(platformUtf16ToUtf8(u"abcdef", small, sizeof small), 6u);
    EXPECT_STREQ(small, "ab");
}

namespace {

std::u16string widen(const char* text) {
    std::u16string out(platformUtf8ToUtf16(text, nullptr, 0) + 1, u'\0');
    platformUtf8ToUtf16(text, out.data(), out.size());
    out.pop_back();
    return out;
}

TEST(Text, Utf8ToUtf16RoundTripsAndReplacesMalformedSequences) {
    EXPECT_EQ(widen("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"a\u00E9\u20AC\U0001F600");
    EXPECT_EQ(widen("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong
    EXPECT_EQ(widen("\xED\xA0\x80x"), u"\uFFFDx");            // a surrogate
    EXPECT_EQ(widen("\xE2\x82"), u"\uFFFD");                  // cut short
    EXPECT_EQ(widen("\xF4\x90\x80\x80"), u"\uFFFD");          // past U+10FFFF
    EXPECT_EQ(widen(""), u"");
    EXPECT_EQ(platformUtf8ToUtf16(nullptr, nullptr, 0), 0u);
    char16_t small[3];
    EXPECT_EQ(platformUtf8ToUtf16("abcd", small, 3), 4u);
    EXPECT_EQ(std::u16string(small), u"ab");
}

}  // namespace
