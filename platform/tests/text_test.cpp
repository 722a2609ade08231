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
