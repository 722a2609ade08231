// The graph view in the window: shown by F10 over the client area, dragged
// and zoomed with the mouse (Back undoes either), copied as an image.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "graph_dialogs.h"
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

// The dialogs as a user meets them: an interactive backend, and a timer that
// fills the modal dialog's fields and presses OK.
TEST_F(GraphWindowTest, GraphSettingsAndGraphKeypadDialogsAsWindows) {
    showLine();
    {
        QtBackend interactive;
        installGraphDialogs(*state_, window_->client(), interactive);
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Graph Settings"));
            EXPECT_EQ(dialog->size(), QSize(240, 266));
            const auto fields = dialog->findChildren<QLineEdit*>();
            ASSERT_EQ(fields.size(), 4);
            EXPECT_EQ(fields[0]->text(), QStringLiteral("   -18"));
            const char* values[] = {"-2", "6", "-1", "3"};
            for (int i = 0; i < 4; ++i) fields[i]->setText(QString::fromLatin1(values[i]));
            dialog->findChild<QCheckBox*>()->setChecked(true);
            dialog->findChild<QComboBox*>()->setCurrentIndex(1);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        shell::postToGraphView(*state_, shell::kCmdGraphSettings);
        EXPECT_NEAR(model().visible().xMin, -2.0, 1e-9);
        EXPECT_NEAR(model().visible().yMax, 3.0, 1e-9);
        EXPECT_EQ(model().settings().defaultXMax, 6.0);
        EXPECT_EQ(model().settings().penWidth, 1);

        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Graph Keypad"));
            dialog->findChild<QCheckBox*>()->setChecked(true);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        shell::postToGraphView(*state_, shell::kCmdGraphKeyHelp);
        EXPECT_TRUE(model().showOnBackground());
    }
    installGraphDialogs(*state_, window_->client(), *backend_);
}

}  // namespace
}  // namespace orvana::qt::testing
