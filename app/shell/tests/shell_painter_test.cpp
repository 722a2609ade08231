// Painting from the shell state: the format slot in use decides the rows,
// the edit model gives the expression line, and the keypad view follows the
// page, help mode and quick selects of the state.
#include <gtest/gtest.h>

#include <memory>

#include "platform/edit_control.h"
#include "shell/shell_painter.h"
#include "surface_snapshot.h"
#include "view_test_support.h"

namespace shell {
namespace {

constexpr PlatformColour kGrey = PLATFORM_RGB(192, 192, 192);
constexpr PlatformColour kWhite = PLATFORM_RGB(255, 255, 255);

class ShellPainterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::resetEngine();
        state = std::make_unique<ShellState>();
        blockArea = platformCreateSurface(kClientWidth, kBlockAreaNormal);
        keypad = platformCreateSurface(kKeypadViewWidth, kKeypadViewHeight);
    }
    void TearDown() override {
        platformDestroySurface(blockArea);
        platformDestroySurface(keypad);
        state.reset();
        testing::resetEngine();
    }
    void enter(std::u16string_view text) {
        state->document.setEditText(text);
        state->view.exe(state->document, ExeMode::Normal);
        painter.paintBlockArea(*state, blockArea);
    }
    void useRows(int rows) {
        FormatSlot slot = state->formats.inUse();
        slot.answerRows = int16_t(rows);
        state->formats.setSlot(state->formats.current, slot);
    }

    std::unique_ptr<ShellState> state;
    ShellPainter painter;
    PlatformSurface* blockArea = nullptr;
    PlatformSurface* keypad = nullptr;
};

TEST_F(ShellPainterTest, ScriptRowsSlotGivesOneRowBlocks) {
    useRows(0);
    enter(u"1+1");
    enter(u"2+2");
    enter(u"3+3");
    testing::snapshot(blockArea, "state_script_rows");
    EXPECT_EQ(state->view.display().rows, 0);
    EXPECT_EQ(state->view.activeTop(), 84);
    for (int y : {27, 55, 83, 111})
        EXPECT_EQ(platformSurfacePixel(blockArea, 100, y), PLATFORM_RGB(50, 50, 50)) << y;
    EXPECT_EQ(platformSurfacePixel(blockArea, 150, 40), kGrey);
    EXPECT_EQ(platformSurfacePixel(blockArea, 150, 100), kWhite);
}

TEST_F(ShellPainterTest, TheEditModelGivesTheLineAndItsSelection) {
    platformEditSetText(state->windows.edit, u"2*sin(1)");
    platformEditSetSelection(state->windows.edit, 2, 5);
    painter.paintBlockArea(*state, blockArea);
    const EditGeometry& edit = state->view.editGeometry();
    ASSERT_TRUE(edit.visible);
    // "sin" from x 3 + 20 is drawn white on the selection colour.
    EXPECT_EQ(platformSurfacePixel(blockArea, edit.x + 20, edit.y + 21), PLATFORM_RGB(10, 36, 106));
    EXPECT_EQ(platformSurfacePixel(blockArea, edit.x + 5, edit.y + 21), kWhite);
}

TEST_F(ShellPainterTest, KeypadFollowsTheState) {
    for (int16_t page = 0; page < 5; ++page) {
        state->page = page;
        state->helpMode = page == 3;
        painter.paintKeypad(*state, keypad);
        EXPECT_EQ(platformSurfacePixel(keypad, 10, 0), pageBandColour(page)) << page;
        EXPECT_EQ(platformSurfacePixel(keypad, 10, 153), pageBandColour(page)) << page;
        EXPECT_EQ(platformSurfacePixel(keypad, 226, 124) == PLATFORM_RGB(30, 90, 200), page == 3)
            << page;
    }
}

TEST_F(ShellPainterTest, HelpRestoresTheRpnDisplay) {
    state->document.setRpnDisplay(true);
    bool seen = true;
    const auto help = showKeyHelp(*state, u'4', nullptr, [&](uint32_t, PlatformWindow target) {
        seen = state->document.rpnDisplay();
        platformEditReplaceSelection(target, u"4");
    });
    ASSERT_TRUE(help.has_value());
    EXPECT_FALSE(seen);
    EXPECT_TRUE(state->document.rpnDisplay());
}

}  // namespace
}  // namespace shell
