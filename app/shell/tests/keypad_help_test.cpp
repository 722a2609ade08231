// Key help: the key's text composed off-screen, its name, and the box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/library_table.h"
#include "platform/backend.h"
#include "platform/edit_control.h"
#include "shell/keypad_help.h"
#include "view_test_support.h"

namespace shell {
namespace {

constexpr OperatorCode kSine = 0x5101;

OperatorCode names(const char16_t* name) {
    return std::u16string_view(name) == u"sin" ? kSine : 0;
}
int32_t mapKeys(uint32_t keyCode, PlatformWindow edit, const HostServices*) {
    if (keyCode == ((2u << 16) | u'5')) platformEditReplaceSelection(edit, u"sin()");
    return 1;
}

struct Box {
    std::u16string text;
    std::u16string caption;
    uint32_t style;
};
std::vector<Box> boxes;

int recordBox(void*, PlatformWindow, const char16_t* text, const char16_t* caption,
              uint32_t style) {
    boxes.push_back({text, caption, style});
    return PLATFORM_IDOK;
}

class KeyHelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::resetEngine();
        testing::addFakeLibrary(u"trial", nullptr, mapKeys, names);
        backend.size = sizeof backend;
        backend.messageBox = recordBox;
        platformSetBackend(&backend);
        boxes.clear();
        composition = platformEditCreate();
    }
    void TearDown() override {
        platformEditDestroy(composition);
        platformSetBackend(nullptr);
        testing::resetEngine();
    }
    KeyHelpRequest request(uint32_t keyCode) {
        KeyHelpRequest r;
        r.keyCode = keyCode;
        r.currentLibrary = 0;
        r.composition = composition;
        return r;
    }

    PlatformBackend backend{};
    PlatformWindow composition = nullptr;
};

TEST_F(KeyHelpTest, SineKeyLooksUpSin) {
    bool rpn = true;
    const auto help = showKeyHelpFor(request((2u << 16) | u'5'), rpn);
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->name, u"sin");
    EXPECT_EQ(help->code & 0xFFFFu, kSine);
    EXPECT_EQ(keypadRoutedLibrary(help->code), 1u);
    EXPECT_TRUE(rpn);  // restored
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, u"sin Help");
    EXPECT_EQ(boxes[0].style & PLATFORM_MB_ICONINFORMATION, PLATFORM_MB_ICONINFORMATION);
}

TEST_F(KeyHelpTest, ComposerSeesTheRpnDisplayOffAndAnEmptyControl) {
    platformEditSetText(composition, u"left over");
    bool rpn = true;
    bool seenRpn = true;
    std::u16string seenText = u"?";
    const KeyComposer composer = [&](uint32_t, PlatformWindow target) {
        seenRpn = rpn;
        char16_t buffer[100];
        platformEditGetText(target, buffer, 100);
        seenText = buffer;
        platformEditReplaceSelection(target, u"V:");
    };
    const auto help = showKeyHelpFor(request((1u << 16) | u'8'), rpn, composer);
    ASSERT_TRUE(help.has_value());
    EXPECT_FALSE(seenRpn);
    EXPECT_EQ(seenText, u"");
    EXPECT_TRUE(rpn);
    // "V:" is no name; it takes the element-wise help, string 0x8000 + 5110.
    EXPECT_EQ(help->code, 5110u);
    EXPECT_EQ(0x8000u + help->code, 37878u);
    EXPECT_EQ(boxes.at(0).caption, u"V: Help");
}

TEST_F(KeyHelpTest, NothingOverTheGraph) {
    bool rpn = false;
    KeyHelpRequest r = request(u'5');
    r.graphShown = true;
    EXPECT_FALSE(showKeyHelpFor(r, rpn).has_value());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(KeyHelpTest, DigitKeyWithoutHelpShowsItsName) {
    bool rpn = false;
    KeyHelpRequest r = request(u'7');
    r.composition = nullptr;  // a control of its own is used
    const auto help = showKeyHelpFor(r, rpn);
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->text, u"7");
    EXPECT_EQ(boxes.at(0).caption, u"7 Help");
}

}  // namespace
}  // namespace shell
