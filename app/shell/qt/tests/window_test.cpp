// The window driven by real key and mouse events on the offscreen platform.
#include <QTest>

#include "platform/clipboard.h"
#include "shell/commands.h"
#include "window_fixture.h"

namespace orvana::qt::testing {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kInactiveGrey = 0xFFC0C0C0;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(WindowTest, TypingAndEnterShowTheAnswerUnderTheBlock) {
    type("2+3");
    EXPECT_EQ(editLine(), u"2+3");
    press(Qt::Key_Return);
    EXPECT_TRUE(contains(exported(), "2+3\n    \t 5")) << exported();
    EXPECT_EQ(state_->blocks().count(), 2);
    // The executed block is grey now, the new active block white.
    const QImage client = grabClient();
    EXPECT_EQ(client.pixel(100, 5), kInactiveGrey);
    EXPECT_EQ(client.pixel(100, 70), kWhite);
}

TEST_F(WindowTest, EscapeOnPageZeroDeletesBeforeTheCaretAndUndoTakesBackExe) {
    type("12+34");
    press(Qt::Key_Escape);
    EXPECT_EQ(editLine().size(), 4u);
    press(Qt::Key_Return);
    ASSERT_EQ(state_->blocks().count(), 2);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state_->blocks().count(), 1);
    EXPECT_EQ(editLine().size(), 4u);
}

TEST_F(WindowTest, PagesReachTheLibraryKeysByKeyAndByClick) {
    ASSERT_GT(state_->page, -1);
    press(Qt::Key_F9);
    press(Qt::Key_F9);
    EXPECT_EQ(state_->page, 2);
    type("1");
    EXPECT_EQ(state_->page, 0);
    const std::u16string byKey = editLine();
    EXPECT_FALSE(byKey.empty());
    // The same key clicked on the legend: key 1 is the top-left cell.
    window_->client().command(shell::kCmdClearEdit);
    ASSERT_EQ(editLine(), u"");
    press(Qt::Key_F9);
    press(Qt::Key_F9);
    clickAt(20, 112 + 15);
    EXPECT_EQ(editLine(), byKey);
}

TEST_F(WindowTest, F7TogglesFullScreenAndAClickActivatesABlock) {
    type("1");
    press(Qt::Key_Return);
    type("2");
    press(Qt::Key_Return);
    ASSERT_EQ(state_->document.active(), 2);
    press(Qt::Key_F7);
    EXPECT_TRUE(state_->fullScreen);
    EXPECT_EQ(state_->blockAreaHeight(), 266);
    press(Qt::Key_F7);
    EXPECT_FALSE(state_->fullScreen);
    // Scroll to the top and click the first block.
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    press(Qt::Key_Down);
    const int first = state_->view.firstVisible();
    clickAt(100, 3);
    EXPECT_EQ(state_->document.active(), first);
}

TEST_F(WindowTest, AtScaleTwoTheClientIs480By532AndTextIsSharp) {
    type("8");
    press(Qt::Key_Return);
    const QImage one = grabClient();
    start(2);
    type("8");
    press(Qt::Key_Return);
    const QImage two = grabClient();
    EXPECT_EQ(two.size(), QSize(480, 532));
    EXPECT_EQ(one.size(), QSize(240, 266));
    // A scaled-up bitmap repeats every pixel in 2 x 2 blocks; real text at the
    // device resolution does not.
    int differing = 0;
    for (int y = 0; y < 56; y += 2)
        for (int x = 0; x < 200; ++x) differing += two.pixel(x, y) != two.pixel(x, y + 1);
    EXPECT_GT(differing, 20);
}

}  // namespace
}  // namespace orvana::qt::testing

namespace orvana::qt::testing {
namespace {

TEST_F(WindowTest, CopyTakesTheAnswerAtFullPrecisionAndPasteTypesWithinTheLimit) {
    type("1/3");
    press(Qt::Key_Return);
    press(Qt::Key_C, Qt::ControlModifier);
    char16_t copied[64];
    ASSERT_GT(platformGetClipboardText(copied, 64), 0);
    EXPECT_EQ(std::u16string(copied), u"0.33333333333333331");
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editLine(), u"0.33333333333333331");
    press(Qt::Key_Return);
    EXPECT_TRUE(exported().find("0.3333") != std::string::npos);
    // A long text is cut at the line's 99 characters.
    platformSetClipboardText(std::u16string(150, u'7').c_str());
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editLine().size(), 99u);
}

}  // namespace
}  // namespace orvana::qt::testing
