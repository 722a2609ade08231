// The block list on screen, drawn headless: heights, wrapping, the drawing
// of blocks and answers checked at known pixels, EXE's scrolling, moving
// between blocks and the scroll bar.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/block_list.h"
#include "engine/messages.h"
#include "shell/block_view.h"
#include "shell/text_wrap.h"
#include "surface_snapshot.h"
#include "view_test_support.h"

namespace shell {
namespace {

constexpr PlatformColour kGrey = PLATFORM_RGB(192, 192, 192);
constexpr PlatformColour kWhite = PLATFORM_RGB(255, 255, 255);
constexpr PlatformColour kDark = PLATFORM_RGB(50, 50, 50);

// A line that does not compile.
constexpr std::u16string_view kFailing = u"(1+";

// An element as the default format shows it.
std::u16string number(double value) {
    return engine::formatNumber(value, 0.0,
                                engine::formatStringFor(engine::kDefaultFormatCode).c_str(),
                                false, false);
}

struct WrapCase {
    const char* name;
    std::u16string text;
    int maxLines;
    bool oneLine;
    std::vector<std::pair<size_t, size_t>> lines;  // start, length
    bool ellipsis;
};

TEST(TextWrap, BreaksAtTheFitPointOrBeforeABreakCharacter) {
    // Headless glyphs of the 20-pixel font are 10 pixels wide: 21 characters
    // fit the first line's 210 pixels, 20 each later line's 200.
    const std::u16string thirty(30, u'a');
    const std::u16string plus = std::u16string(19, u'a') + u"+" + std::u16string(9, u'b');
    std::u16string farBreak(41, u'x');
    farBreak[0] = u'+';
    const std::u16string longSpace = std::u16string(25, u'c') + u" " + std::u16string(10, u'd');
    const WrapCase cases[] = {
        {"thirty letters", thirty, 3, false, {{0, 21}, {21, 9}}, false},
        {"thirty letters, one line", thirty, 1, false, {{0, 17}}, true},
        {"graph view form", thirty, 3, true, {{0, 20}}, true},
        {"break before plus", plus, 3, false, {{0, 19}, {19, 10}}, false},
        {"break too far back", farBreak, 3, false, {{0, 21}, {21, 20}}, false},
        {"space begins the next line", longSpace, 3, false, {{0, 21}, {21, 15}}, false},
        {"cut at the line limit", std::u16string(60, u'z'), 2, false, {{0, 21}, {21, 16}}, true},
        {"empty", u"", 3, false, {{0, 0}}, false},
    };
    for (const WrapCase& c : cases) {
        const WrappedText w = wrapText(c.text, normalFont(), kWrapWidth, c.maxLines, c.oneLine);
        ASSERT_EQ(w.lines.size(), c.lines.size()) << c.name;
        for (size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(w.lines[i].start, c.lines[i].first) << c.name << " line " << i;
            EXPECT_EQ(w.lines[i].length, c.lines[i].second) << c.name << " line " << i;
            EXPECT_EQ(w.lines[i].x, i == 0 || c.oneLine ? 0 : kWrapIndent) << c.name;
        }
        EXPECT_EQ(w.ellipsis, c.ellipsis) << c.name;
    }
}

TEST(TextWrap, ExpressionLineUsesTheFullWidthOnEveryLine) {
    const auto lines = wrapEditLine(std::u16string(50, u'q'), normalFont(), kWrapWidth);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].start, 21u);
    EXPECT_EQ(lines[2].start, 42u);
    EXPECT_EQ(lines[2].length, 8u);
}

class BlockViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::resetEngine();
        doc = std::make_unique<WorkspaceDocument>();
        list = &doc->blocks();
        surface = platformCreateSurface(kClientWidth, kBlockAreaFullScreen);
        ASSERT_NE(surface, nullptr);
        paint();
    }
    void TearDown() override {
        platformDestroySurface(surface);
        list = nullptr;
        doc.reset();
        testing::resetEngine();
    }

    // Types a line into the active block and presses EXE, then repaints as
    // the window would.
    void enter(std::u16string_view text) {
        doc->setEditText(text);
        view.exe(*doc, ExeMode::Normal);
        paint();
    }
    void paint() {
        const std::u16string line = doc->editText();
        view.draw(*doc, surface, {line, int32_t(line.size()), int32_t(line.size()), false});
    }
    PlatformColour at(int x, int y) const { return platformSurfacePixel(surface, x, y); }
    // Whether `text` in `font` appears at (x, y) on a `background` fill.
    bool shows(int x, int y, std::u16string_view text, const PlatformFont& font,
               PlatformColour background) const {
        PlatformSurface* expected = platformCreateSurface(kClientWidth, kBlockAreaFullScreen);
        platformFillRect(expected, 0, 0, kClientWidth, kBlockAreaFullScreen, background);
        drawTextPart(expected, x, y, text, font, PLATFORM_RGB(0, 0, 0));
        const int32_t w = textWidth(text, font);
        bool same = true;
        for (int32_t yy = y; yy < y + font.height && same; ++yy)
            for (int32_t xx = x; xx < x + w && same; ++xx)
                same = platformSurfacePixel(expected, xx, yy) == at(xx, yy);
        platformDestroySurface(expected);
        return same;
    }

    std::unique_ptr<WorkspaceDocument> doc;
    engine::BlockList* list = nullptr;
    BlockView view;
    PlatformSurface* surface = nullptr;
};

TEST_F(BlockViewTest, HeightsFollowTheRowsSettingAndTheAnswer) {
    enter(u"1+1");            // 0: scalar
    enter(u"{1,2|3,4|5,6}");  // 1: 3 x 2
    enter(u"*a comment");     // 2
    enter(kFailing);             // 3: parse error
    enter(u"\"hello\"");      // 4: a string
    struct Case {
        int rows;
        int block;
        int32_t height;
    } cases[] = {
        {1, 0, 56},  {3, 0, 56},  {0, 0, 28},  {1, 1, 56}, {2, 1, 84}, {3, 1, 112},
        {3, 2, 28},  {3, 3, 56},  {0, 3, 28},  {3, 4, 56},
    };
    for (const Case& c : cases) {
        view.display().rows = c.rows;
        EXPECT_EQ(view.height(*list, c.block, false), c.height)
            << "rows " << c.rows << " block " << c.block;
    }
    view.setGraphShown(true);
    EXPECT_EQ(view.height(*list, 1, false), 56);
    view.setGraphShown(false);
    // A rows setting outside 0..3 reads as the nearest of them.
    view.display().rows = 9;
    EXPECT_EQ(view.height(*list, 1, false), 112);
    view.display().rows = -4;
    EXPECT_EQ(view.height(*list, 1, false), 28);
    view.setFirstVisible(*list, 0);
    paint();
    for (int y : {27, 55, 83}) EXPECT_EQ(at(100, y), kDark) << y;
}

TEST_F(BlockViewTest, ThreeEditLinesLeaveOneAnswerRowWithRowsThree) {
    view.display().rows = 3;
    enter(u"{1,2|3,4|5,6}");
    doc->setActive(0);
    EXPECT_TRUE(view.setEditLineCount(*doc, 7));  // clamped to 3
    EXPECT_EQ(view.editLineCount(), 3);
    EXPECT_EQ(view.height(*list, 0, true), 4 * kRowHeight);
    EXPECT_EQ(view.height(*list, 0, false), 4 * kRowHeight);
    paint();
    EXPECT_EQ(view.editGeometry().height, 3 * kRowHeight);
    // The one answer row shows the first element and "..", under the lines.
    EXPECT_TRUE(shows(30, 3 * kRowHeight, number(1), answerFont(), kWhite));
    // ".." shares the row with the size label.
    EXPECT_NE(list->block(0).flags() & engine::kAnswerCutFlag, 0u);
    EXPECT_FALSE(shows(30, 4 * kRowHeight, number(3), answerFont(), kWhite));
}

TEST_F(BlockViewTest, ThreeByTwoAnswerShowsItsFirstColumnAndDots) {
    view.display().rows = 3;
    enter(u"{1,2|3,4|5,6}");
    // The executed block and a new one don't fit 112 pixels together: the
    // new block exists but the answer stays active and in view.
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(doc->active(), 0);
    EXPECT_EQ(doc->editText(), u"{1,2|3,4|5,6}");
    EXPECT_EQ(view.height(*list, 0, true), 112);
    testing::snapshot(surface, "block_three_by_two");
    EXPECT_TRUE(shows(2, 28, u"3x2", labelFont(), kWhite));
    EXPECT_TRUE(shows(30, 28, number(1), answerFont(), kWhite));
    EXPECT_TRUE(shows(30, 56, number(3), answerFont(), kWhite));
    EXPECT_TRUE(shows(30, 84, number(5), answerFont(), kWhite));
    EXPECT_TRUE(shows(0, 84, u"..", labelFont(), kWhite));
    EXPECT_NE(list->block(0).flags() & engine::kAnswerCutFlag, 0u);
    // Column 2's label never appears.
    EXPECT_FALSE(shows(6, 84, u"c2:", labelFont(), kWhite));

    // With room for all six elements... there never is; with a 2 x 1 answer
    // the flag goes again.
    doc->setEditText(u"{1|2}");
    view.exe(*doc, ExeMode::Normal);
    paint();
    EXPECT_EQ(list->block(0).flags() & engine::kAnswerCutFlag, 0u);
}

TEST_F(BlockViewTest, ColumnLabelsNameTheSecondColumn) {
    view.display().rows = 3;
    view.setBlockAreaHeight(kBlockAreaFullScreen);
    enter(u"{7,8}");
    enter(u"0");
    doc->setActive(1);
    paint();
    EXPECT_TRUE(shows(2, 28, u"1x2", labelFont(), kGrey));
    EXPECT_TRUE(shows(30, 28, number(7), answerFont(), kGrey));
    EXPECT_TRUE(shows(6, 56, u"c2:", labelFont(), kGrey));
    EXPECT_TRUE(shows(30, 56, number(8), answerFont(), kGrey));
    EXPECT_EQ(list->block(0).flags() & engine::kAnswerCutFlag, 0u);
    // A 1 x 1 answer has no size label.
    const int32_t top = view.height(*list, 0, false);
    EXPECT_EQ(testing::inkPixels(surface, 0, top + 28, 28, top + 44, kWhite), 0);
}


TEST_F(BlockViewTest, ListPixelsFillsSeparatorsAndTheRest) {
    view.setBlockAreaHeight(kBlockAreaFullScreen);
    enter(u"1+1");
    enter(u"2*3");
    testing::snapshot(surface, "block_list");
    // Blocks 0 and 1 (inactive) at 0 and 56, the active empty block at 112.
    EXPECT_EQ(view.activeTop(), 112);
    EXPECT_EQ(at(180, 20), kGrey);
    EXPECT_EQ(at(180, 76), kGrey);
    EXPECT_EQ(at(180, 140), kWhite);
    for (int32_t x : {0, 100, 233}) {
        EXPECT_EQ(at(x, 0), kWhite) << x;
        EXPECT_EQ(at(x, 55), kDark) << x;
        EXPECT_EQ(at(x, 56), kWhite) << x;
        EXPECT_EQ(at(x, 167), kDark) << x;
    }
    // Below the last block, light grey to the full width.
    EXPECT_EQ(at(100, 200), kGrey);
    EXPECT_EQ(at(100, 265), kGrey);
    EXPECT_TRUE(shows(3, 1, u"1+1", normalFont(), kGrey));
    EXPECT_TRUE(shows(30, 28, number(2), answerFont(), kGrey));
    EXPECT_TRUE(shows(30, 84, number(6), answerFont(), kGrey));
    // The radians marker beside every block, and the expression line on the
    // active one.
    EXPECT_GT(testing::inkPixels(surface, 220, 6, 232, 18, kGrey), 0);
    EXPECT_GT(testing::inkPixels(surface, 220, 118, 232, 130, kWhite), 0);
    const EditGeometry& edit = view.editGeometry();
    EXPECT_TRUE(edit.visible);
    EXPECT_EQ(edit.x, 3);
    EXPECT_EQ(edit.y, 113);
    EXPECT_EQ(edit.width, 210);
    EXPECT_EQ(edit.height, 28);
}

TEST_F(BlockViewTest, ScriptRowsSettingShowsExpressionsOnly) {
    view.display().rows = 0;
    enter(u"1+1");
    enter(kFailing);
    enter(u"*note");
    doc->setActive(3);
    paint();
    testing::snapshot(surface, "block_script_rows");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(view.height(*list, i, i == 3), 28) << i;
    EXPECT_EQ(at(100, 27), kDark);
    EXPECT_EQ(at(100, 55), kDark);
    EXPECT_EQ(at(100, 83), kDark);
    // No answer: nothing right of the expression in the first block's row.
    EXPECT_EQ(testing::inkPixels(surface, 40, 2, 200, 27, kGrey), 0);
    // The failed block carries the error icon at (198, y + 2); the comment
    // does not.
    EXPECT_EQ(at(198 + 2, 28 + 2 + 6), PLATFORM_RGB(210, 0, 0));
    EXPECT_EQ(at(198 + 2, 56 + 2 + 6), kGrey);
    EXPECT_EQ(view.editGeometry().height, 26);
}

TEST_F(BlockViewTest, FailedBlockShowsItsMessageAndIcon) {
    view.display().rows = 1;
    view.setBlockAreaHeight(kBlockAreaFullScreen);
    enter(kFailing);
    paint();
    const engine::EquationBlock& failed = list->block(0);
    ASSERT_NE(failed.status(), 0);
    EXPECT_EQ(at(210 + 2, 28 + 6), PLATFORM_RGB(210, 0, 0));
    const WrappedText one =
        wrapText(engine::messageText(failed.status()), normalFont(), kWrapWidth, 1);
    const std::u16string message = engine::messageText(failed.status());
    EXPECT_TRUE(shows(10, 28, std::u16string_view(message).substr(0, one.lines[0].length),
                      normalFont(), kGrey));
}

TEST_F(BlockViewTest, LongInactiveExpressionEndsInDots) {
    view.setBlockAreaHeight(kBlockAreaFullScreen);
    enter(u"1+2+3+4+5+6+7+8+9+10+11");
    paint();
    // 18 characters fit before x 190; "..." from 190.
    EXPECT_TRUE(shows(3, 1, u"1+2+3+4+5+6+7+8+9+", normalFont(), kGrey));
    EXPECT_TRUE(shows(190, 1, u"...", normalFont(), kGrey));
}

TEST_F(BlockViewTest, StringAnswersWrapOverTheirRows) {
    view.display().rows = 3;
    view.setBlockAreaHeight(kBlockAreaFullScreen);
    enter(u"\"abcdefghijklmnopqrstuvwxyzabcd\"");
    paint();
    ASSERT_EQ(list->block(0).answer()->kind, LATTIX_KIND_STRING);
    EXPECT_EQ(view.height(*list, 0, false), 3 * kRowHeight);
    EXPECT_TRUE(shows(10, 28, u"abcdefghijklmnopqrstu", answerFont(), kGrey));
    EXPECT_TRUE(shows(20, 56, u"vwxyzabcd", answerFont(), kGrey));
}

TEST_F(BlockViewTest, ExeOnTheLastBlockScrollsUntilBothFit) {
    for (int i = 0; i < 4; ++i) enter(u"1");
    // 56-pixel blocks in a 112-pixel area: the executed block and the new
    // one fill it.
    EXPECT_EQ(doc->active(), 4);
    EXPECT_EQ(view.firstVisible(), 3);
    EXPECT_EQ(view.activeTop(), 56);
}

TEST_F(BlockViewTest, ExeAboveTheLastScrollsWhenTheBlockGrows) {
    for (int i = 0; i < 3; ++i) enter(u"1");
    view.display().rows = 3;
    // Blocks 1 (top 0) and 2 (top 56) in view, block 2 active; its new
    // answer needs 112 pixels, more than the 56 below its top.
    doc->setActive(2);
    view.setFirstVisible(*list, 1);
    paint();
    ASSERT_EQ(view.activeTop(), 56);
    doc->setEditText(u"{1,2,3}");
    view.exe(*doc, ExeMode::Normal);
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(doc->active(), 2);
    EXPECT_EQ(view.firstVisible(), 2);
    // From the top of the area it fits: no scrolling.
    paint();
    ASSERT_EQ(view.activeTop(), 0);
    doc->setEditText(u"{4,5,6}");
    view.exe(*doc, ExeMode::Normal);
    EXPECT_EQ(view.firstVisible(), 2);
}

TEST_F(BlockViewTest, MovingBetweenBlocksKeepsTheActiveOneInView) {
    for (int i = 0; i < 5; ++i) enter(u"1");  // 6 blocks, the last active
    ASSERT_EQ(view.firstVisible(), 4);
    EXPECT_TRUE(view.moveUp(*doc));
    EXPECT_EQ(doc->active(), 4);
    EXPECT_EQ(view.firstVisible(), 4);
    EXPECT_TRUE(view.moveUp(*doc));
    EXPECT_EQ(doc->active(), 3);
    EXPECT_EQ(view.firstVisible(), 3);
    for (int i = 0; i < 3; ++i) view.moveUp(*doc);
    EXPECT_EQ(doc->active(), 0);
    EXPECT_FALSE(view.moveUp(*doc));
    EXPECT_EQ(view.firstVisible(), 0);
    // Down: as many blocks above the active one stay in view as fit.
    EXPECT_TRUE(view.moveDown(*doc));
    EXPECT_EQ(view.firstVisible(), 0);
    EXPECT_TRUE(view.moveDown(*doc));
    EXPECT_EQ(doc->active(), 2);
    EXPECT_EQ(view.firstVisible(), 1);
    // A changed block is committed on the way.
    doc->setEditText(u"5");
    view.moveDown(*doc);
    EXPECT_EQ(list->block(2).text(), u"5");
    EXPECT_EQ(doc->active(), 3);
    // Down on a changed last block is EXE.
    doc->setActive(5);
    doc->setEditText(u"9");
    view.moveDown(*doc);
    EXPECT_EQ(list->count(), 7);
    EXPECT_EQ(list->block(5).text(), u"9");
}

TEST_F(BlockViewTest, AClickActivatesTheBlockUnderIt) {
    for (int i = 0; i < 3; ++i) enter(u"1");  // 56-pixel blocks; 2 and 3 in view
    ASSERT_EQ(view.firstVisible(), 2);
    struct Case {
        int32_t y;
        int block;
    } cases[] = {{0, 2}, {55, 2}, {56, 3}, {111, 3}, {112, -1}, {-1, -1}};
    for (const Case& c : cases) EXPECT_EQ(view.blockAt(*doc, c.y), c.block) << c.y;
    // The new text of the last block is committed, without a new block.
    doc->setEditText(u"7");
    EXPECT_TRUE(view.activateBlockAt(*doc, 10));
    EXPECT_EQ(doc->active(), 2);
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(list->block(3).text(), u"7");
    EXPECT_FALSE(view.activateBlockAt(*doc, 10));  // already active
    EXPECT_FALSE(view.activateBlockAt(*doc, 200));
    // From a block above the last, a changed text is executed on the way.
    doc->setEditText(u"5");
    EXPECT_TRUE(view.activateBlockAt(*doc, 60));
    EXPECT_EQ(list->block(2).text(), u"5");
    EXPECT_EQ(doc->active(), 3);
    EXPECT_EQ(doc->editText(), u"7");
}

TEST_F(BlockViewTest, ScrollBarMovesTheFirstVisibleBlock) {
    for (int i = 0; i < 5; ++i) enter(u"1");
    const ScrollBarState bar = view.scrollBar(*list);
    EXPECT_EQ(bar.maximum, 5);
    EXPECT_EQ(bar.page, 1);
    EXPECT_EQ(bar.position, 4);
    struct Step {
        ScrollAction action;
        int thumb;
        bool changed;
        int first;
    } steps[] = {
        {ScrollAction::LineDown, 0, true, 5},     {ScrollAction::LineDown, 0, false, 5},
        {ScrollAction::PageUp, 0, true, 4},       {ScrollAction::ThumbTrack, 1, false, 4},
        {ScrollAction::ThumbPosition, 1, true, 1}, {ScrollAction::LineUp, 0, true, 0},
        {ScrollAction::PageUp, 0, false, 0},      {ScrollAction::ThumbPosition, 99, true, 5},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(view.scroll(*list, s.action, s.thumb), s.changed) << int(s.action);
        EXPECT_EQ(view.firstVisible(), s.first) << int(s.action);
    }
}

TEST_F(BlockViewTest, AGrowingExpressionLineScrollsOneBlock) {
    for (int i = 0; i < 2; ++i) enter(u"1");
    ASSERT_EQ(view.activeTop(), 56);
    const int first = view.firstVisible();
    EXPECT_FALSE(view.setEditLineCount(*doc, 1));
    EXPECT_TRUE(view.setEditLineCount(*doc, 2));
    EXPECT_EQ(view.firstVisible(), first + 1);
}

TEST_F(BlockViewTest, GraphViewShowsOneLineAnswers) {
    view.display().rows = 3;
    view.setBlockAreaHeight(kBlockAreaFullScreen);
    enter(u"\"abcdefghijklmnopqrstuvwxyzabcd\"");
    view.setGraphShown(true);
    paint();
    EXPECT_EQ(view.height(*list, 0, false), 56);
    EXPECT_TRUE(shows(10, 28, u"abcdefghijklmnopqrst", answerFont(), kGrey));
    EXPECT_TRUE(shows(210, 28, u"..", answerFont(), kGrey));  // the scroll bar covers the rest
}

}  // namespace
}  // namespace shell
