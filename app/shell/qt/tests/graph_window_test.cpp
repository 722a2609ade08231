// The graph view in the window: shown by F10 over the client area, dragged
// and zoomed with the mouse (Back undoes either), copied as an image.
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "platform/clock.h"
#include "shell/commands.h"
#include "shell/graph_keys.h"
#include "shell/menus.h"
#include "window_fixture.h"

namespace orvana::qt::testing {
namespace {

constexpr QRgb kRed = 0xFFFF0000;

class GraphWindowTest : public WindowTest {
  protected:
    // Graphs "x" in red and shows the graph.
    void showLine() {
        type("x");
        press(Qt::Key_Return);
        press(Qt::Key_Up);
        window_->client().command(shell::kCmdGraphRed);
        press(Qt::Key_F10);
        ASSERT_TRUE(state_->graphShown());
    }
    void mouse(QEvent::Type type, QPoint logical, Qt::MouseButtons buttons) {
        ClientView& view = window_->client();
        const QPointF at(logical.x() * view.scale(), logical.y() * view.scale());
        QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }
    shell::GraphModel& model() { return *state_->graph; }
};

TEST_F(GraphWindowTest, F10ShowsTheCurveOverTheWholeClientArea) {
    showLine();
    const QImage client = grabClient();
    // y = x passes through the centre; the keypad is gone.
    const shell::GraphMapping m = model().mapping();
    const int column = 150;
    const int row = int(m.rowOf(m.xAt(column)));
    bool red = false;
    for (int dy = -1; dy <= 1; ++dy) red = red || client.pixel(column, row + dy) == kRed;
    EXPECT_TRUE(red);
    EXPECT_EQ(client.pixel(10, 200), 0xFFFFFFFF);
    // Record holds further hardware keys back for a while.
    platformAdvanceClock(1300);
    press(Qt::Key_F10);
    EXPECT_FALSE(state_->graphShown());
}

TEST_F(GraphWindowTest, DragPansWheelZoomsAndBackUndoes) {
    showLine();
    const shell::GraphMapping start = model().mapping();
    mouse(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    mouse(QEvent::MouseMove, {110, 95}, Qt::LeftButton);
    mouse(QEvent::MouseMove, {130, 90}, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {130, 90}, Qt::NoButton);
    EXPECT_EQ(model().mapping().cx, start.cx + 30);
    EXPECT_EQ(model().mapping().cy, start.cy - 10);
    // A move without a button held does nothing.
    mouse(QEvent::MouseMove, {10, 10}, Qt::NoButton);
    EXPECT_EQ(model().mapping().cx, start.cx + 30);
    // Back, once Record's hold on the hardware keys is over.
    platformAdvanceClock(1300);
    press(Qt::Key_Escape);
    EXPECT_EQ(model().mapping(), start);

    ClientView& view = window_->client();
    const QPointF at(60, 70);
    const double x = start.xAt(60);
    QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    EXPECT_NEAR(model().mapping().sx, start.sx * 1.25, 1e-9);
    EXPECT_NEAR(model().mapping().xAt(60), x, 1e-9);
}

TEST_F(GraphWindowTest, CopyGraphPutsThePlotOnTheClipboard) {
    showLine();
    shell::postToGraphView(*state_, shell::kCmdCopyGraph);
    const QImage image = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 240);
    EXPECT_EQ(image.height(), 266);
}

}  // namespace
}  // namespace orvana::qt::testing
