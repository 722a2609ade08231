// The graph view inside the shell: its keys while shown, the "G" menu's
// commands, Trace to Block, and the logic of its three dialogs.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "shell/commands.h"
#include "shell/graph_dialogs.h"
#include "shell/graph_keys.h"
#include "shell/keys.h"
#include "shell/menus.h"
#include "shell_test_support.h"

namespace shell {
namespace {

// What the fake dialog views do: edit the form, answer OK or Cancel.
std::function<bool(GridSettingForm&)> gridView;
std::function<bool(GraphSettingsForm&)> settingsView;
std::function<bool(bool&)> keypadView;
int pictureCopies = 0;

GraphDialogViews fakeViews() {
    return GraphDialogViews{
        [](ShellState&, GridSettingForm& f) { return gridView(f); },
        [](ShellState&, GraphSettingsForm& f) { return settingsView(f); },
        [](ShellState&, bool& show) { return keypadView(show); },
        [](ShellState&) { ++pictureCopies; },
        [](ShellState&) {},
    };
}

class GraphViewTest : public testing::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        start();
        state().graphDialogs = fakeViews();
        gridView = [](GridSettingForm&) { return false; };
        settingsView = [](GraphSettingsForm&) { return false; };
        keypadView = [](bool&) { return false; };
        pictureCopies = 0;
    }
    void TearDown() override {
        stop();
        ShellTest::TearDown();
    }
    // Enters the text as a block graphed in red and shows the graph.
    void graph(std::u16string_view text) {
        enter(text);
        engine::EquationBlock& b = blocks().block(blocks().count() - 2);
        b.setFlags(b.flags() | 1u);
        runCommand(state(), kCmdGraph);
        ASSERT_TRUE(state().graphShown());
    }
    GraphModel& model() { return *state().graph; }
    void type(char16_t c) { onCharacter(state(), c); }
};

TEST_F(GraphViewTest, ArrowsEnterAndDigitsDriveTheView) {
    graph(u"x*x");
    EXPECT_EQ(model().curveCount(), 1);
    const std::u16string editBefore = state().document.editText();

    onKeyUp(state(), kKeyRight);
    EXPECT_TRUE(model().traceOn());
    EXPECT_EQ(model().cursorColumn(), 121);
    onKeyUp(state(), kKeyUp);
    EXPECT_EQ(model().cursorRow(), 132);
    type(13);
    EXPECT_FALSE(model().traceOn());
    type(13);
    EXPECT_TRUE(model().traceOn());
    EXPECT_EQ(model().cursorColumn(), 120);
    EXPECT_EQ(model().cursorRow(), 133);
    type(13);

    const GraphMapping start = model().mapping();
    type(u'2');
    EXPECT_EQ(model().mapping().cy, start.cy + 60);
    type(u'8');
    EXPECT_EQ(model().mapping(), start);
    type(u'4');
    EXPECT_EQ(model().mapping().cx, start.cx + 60);
    type(u'6');
    EXPECT_EQ(model().mapping(), start);
    type(u'1');
    EXPECT_NEAR(model().visible().xMax - model().visible().xMin, 18.0, 1e-9);
    type(u'9');
    EXPECT_NEAR(model().visible().xMax - model().visible().xMin, 36.0, 1e-9);

    // Other keys of page 0 are not the view's and go nowhere.
    type(u'+');
    type(u'x');
    EXPECT_EQ(state().document.editText(), editBefore);
    EXPECT_TRUE(state().pending.redrawClient);
}

TEST_F(GraphViewTest, ZeroOpensGridSettingAndBackUndoesScaling) {
    graph(u"x");
    int opened = 0;
    gridView = [&](GridSettingForm& f) {
        ++opened;
        f.mode = kAutoGrid;
        return true;
    };
    type(u'0');
    EXPECT_EQ(opened, 1);
    EXPECT_LT(model().settings().gridX, 0.0);

    const GraphMapping before = model().mapping();
    type(u'3');
    EXPECT_NE(model().mapping(), before);
    wait(300);
    EXPECT_TRUE(onHotKey(state(), kKeyBack));
    EXPECT_EQ(model().mapping(), before);
    EXPECT_TRUE(state().graphShown());
}

TEST_F(GraphViewTest, LibraryPageKeysRecomputeTheGraph) {
    graph(u"x");
    ASSERT_EQ(model().curveCount(), 1);
    // The block stops being graphed behind the view's back; a key of a
    // library page reaches the edit line and the graph is computed again.
    engine::EquationBlock& b = blocks().block(0);
    b.setFlags(b.flags() & ~engine::kGraphColourMask);
    state().page = 2;
    type(u'5');
    EXPECT_EQ(model().curveCount(), 0);
}

TEST_F(GraphViewTest, GraphMenuCarriesTheDesktopActions) {
    graph(u"x");
    backend_.queuePopupMenuChoice(u"Copy Graph");
    onCommandMessage(state(), kCmdMenuButton, 0);
    EXPECT_EQ(pictureCopies, 1);
    ASSERT_EQ(backend_.popupMenus().size(), 1u);
    const auto& items = backend_.popupMenus()[0].items;
    for (const char16_t* wanted : {u"Zoom In", u"Zoom Out", u"Zoom Out 4x", u"Autoscale",
                                   u"Scale Y", u"Undo Scaling", u"Grids...", u"Graph Settings...",
                                   u"Graph Key Help", u"Copy Graph", u"Save Graph as PNG...",
                                   u"Trace to Block"})
        EXPECT_NE(std::find(items.begin(), items.end(), wanted), items.end());
}

TEST_F(GraphViewTest, TraceToBlockAppendsAnEvaluatingBlock) {
    graph(u"x*x-1");
    const int before = blocks().count();
    onKeyUp(state(), kKeyRight);  // trace on, column 121
    const double x = model().cursorX();
    postToGraphView(state(), kCmdTraceToBlock);
    ASSERT_EQ(blocks().count(), before + 1);
    const engine::EquationBlock& added = blocks().block(before - 1);
    EXPECT_EQ(added.text(), traceBlockText(model()));
    EXPECT_EQ(added.text().front(), u'{');
    EXPECT_EQ(added.status(), 0);
    const Matrix* answer = added.answer();
    ASSERT_NE(answer, nullptr);
    ASSERT_EQ(answer->rows * answer->cols, 2);
    EXPECT_NEAR(answer->re[0], x, 1e-9 * std::fabs(x) + 1e-12);
    EXPECT_NEAR(answer->re[1], x * x - 1, 1e-6);
    EXPECT_EQ(blocks().block(blocks().count() - 1).text(), u"");
}

TEST(GraphDialogLogic, ScanDecimalReadsTheLeadingNumber) {
    struct Row {
        std::u16string text;
        double value;  // NaN: no number
    };
    const double none = std::nan("");
    for (const Row& row : {Row{u"2.5", 2.5}, Row{u"  -3e2", -300.0}, Row{u"+.5x", 0.5},
                           Row{u"7 apples", 7.0}, Row{u"", none}, Row{u"abc", none},
                           Row{u"inf", none}, Row{u"-", none}, Row{u"1e999", INFINITY}}) {
        const double v = scanDecimal(row.text);
        if (std::isnan(row.value))
            EXPECT_TRUE(std::isnan(v)) << std::string(row.text.begin(), row.text.end());
        else
            EXPECT_EQ(v, row.value) << std::string(row.text.begin(), row.text.end());
    }
}

TEST_F(GraphViewTest, GridSettingShowsAndStoresTheGrid) {
    engine::WorkspaceSettings& s = model().settings();
    s.gridX = -1.0;
    GridSettingForm auto_ = openGridSetting(s);
    EXPECT_EQ(auto_.mode, kAutoGrid);
    EXPECT_TRUE(auto_.xGrid.empty());
    EXPECT_TRUE(auto_.yGrid.empty());

    s.gridX = 2.5;
    s.gridY = 0.125;
    s.squareAspect = 1;
    const GridSettingForm fixed = openGridSetting(s);
    EXPECT_EQ(fixed.mode, kFixedGrid);
    EXPECT_EQ(fixed.xGrid, u"2.5");
    EXPECT_EQ(fixed.yGrid, u"0.125");
    EXPECT_TRUE(fixed.squareAspect);

    struct Row {
        GridSettingForm form;
        double gx, gy;
    };
    for (const Row& row : {Row{{false, kNoGrid, u"", u""}, 0.0, 0.125},
                           Row{{false, kAutoGrid, u"", u""}, -1.0, 0.125},
                           Row{{false, kFixedGrid, u"4", u"0.5"}, 4.0, 0.5},
                           Row{{false, kFixedGrid, u"abc", u"-2"}, 1.0, 1.0}}) {
        s.gridY = 0.125;
        applyGridSetting(s, row.form);
        EXPECT_EQ(s.gridX, row.gx) << row.form.mode;
        EXPECT_EQ(s.gridY, row.gy) << row.form.mode;
        EXPECT_EQ(s.squareAspect, 0);
    }

    // Cancel changes nothing; the dialog answers 1 either way.
    s.gridX = 3.0;
    gridView = [](GridSettingForm& f) {
        f.mode = kNoGrid;
        return false;
    };
    EXPECT_EQ(runGridSettingDialog(state()), 1);
    EXPECT_EQ(s.gridX, 3.0);
}

TEST_F(GraphViewTest, GraphSettingsSetsRangeDefaultAndPen) {
    GraphSettingsForm form = openGraphSettings(model());
    EXPECT_EQ(form.xMin, u"   -18");
    EXPECT_EQ(form.xMax, u"    18");
    EXPECT_EQ(form.yMin, u"   -10");
    EXPECT_EQ(form.yMax, u"    10");
    EXPECT_EQ(form.pen, 0);

    // A reversed x pair keeps the default x range.
    form.xMin = u"5";
    form.xMax = u"1";
    form.yMin = u"-1";
    form.yMax = u"3";
    applyGraphSettings(model(), form);
    EXPECT_NEAR(model().visible().xMin, -18.0, 1e-9);
    EXPECT_NEAR(model().visible().xMax, 18.0, 1e-9);
    EXPECT_NEAR(model().visible().yMin, -1.0, 1e-9);
    EXPECT_NEAR(model().visible().yMax, 3.0, 1e-9);
    EXPECT_EQ(model().settings().defaultYMax, 10.0);

    // "Default" makes the range the new default; the pen follows the list.
    settingsView = [](GraphSettingsForm& f) {
        f.xMin = u"0";
        f.xMax = u"4";
        f.yMin = u"";  // no number: the y pair falls back to the default
        f.yMax = u"2";
        f.makeDefault = true;
        f.pen = 2;
        return true;
    };
    EXPECT_EQ(runGraphSettingsDialog(state()), 1);
    const engine::WorkspaceSettings& s = model().settings();
    EXPECT_NEAR(s.defaultXMin, 0.0, 1e-12);
    EXPECT_NEAR(s.defaultXMax, 4.0, 1e-12);
    EXPECT_NEAR(s.defaultYMin, -10.0, 1e-12);
    EXPECT_NEAR(s.defaultYMax, 10.0, 1e-12);
    EXPECT_EQ(s.penWidth, 2);
    model().command(GraphCommand::DefaultAxes);
    EXPECT_NEAR(model().visible().xMax, 4.0, 1e-9);

    // Cancel leaves everything as it was.
    const GraphMapping kept = model().mapping();
    settingsView = [](GraphSettingsForm& f) {
        f.xMin = u"-100";
        f.pen = 0;
        return false;
    };
    runGraphSettingsDialog(state());
    EXPECT_EQ(model().mapping(), kept);
    EXPECT_EQ(s.penWidth, 2);
}

TEST_F(GraphViewTest, GraphKeypadDialogSetsTheBackgroundOnOk) {
    keypadView = [](bool& show) {
        show = true;
        return false;
    };
    runGraphKeypadDialog(state());
    EXPECT_FALSE(model().showOnBackground());
    keypadView = [](bool& show) {
        show = true;
        return true;
    };
    postToGraphView(state(), kCmdGraphKeyHelp);
    EXPECT_TRUE(model().showOnBackground());
    EXPECT_TRUE(model().redrawNeeded());
}

}  // namespace
}  // namespace shell
