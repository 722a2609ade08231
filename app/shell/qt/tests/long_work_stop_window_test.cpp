// A click on the window while a long evaluation runs stops it: the block
// shows "Interrupted", the variables keep their values, and the window goes
// on as before.
#include <QApplication>
#include <QMouseEvent>

#include "platform/clock.h"
#include "platform/long_work.h"
#include "window_fixture.h"

namespace orvana::qt::testing {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(WindowTest, AClickDuringALongProductStopsItAndKeepsTheVariable) {
    type("a=I(96)*2");
    press(Qt::Key_Return);
    type("b=5");
    press(Qt::Key_Return);
    type("b=a*a");
    // The virtual clock stands still while the product runs: a period that
    // has already gone on for a while stands for a long evaluation. The
    // click waits in the queue until the running product polls the pointer.
    platformLongWorkBegin();
    platformAdvanceClock(kLongWorkMs);
    const QPoint at(20, 20);
    QApplication::postEvent(
        &window_->client(),
        new QMouseEvent(QEvent::MouseButtonPress, at, window_->client().mapToGlobal(at),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    press(Qt::Key_Return);
    EXPECT_NE(platformLongWorkStopped(), 0);
    platformLongWorkEnd();
    EXPECT_FALSE(backend_->busy());
    EXPECT_TRUE(contains(exported(), "b=a*a\n    \tError: Interrupted")) << exported();

    type("b");
    press(Qt::Key_Return);
    EXPECT_TRUE(contains(exported(), "b\n    \t 5")) << exported();
    type("b=a*a");
    press(Qt::Key_Return);
    EXPECT_TRUE(contains(exported(), "b=a*a\n    \t 4")) << exported();
}

}  // namespace
}  // namespace orvana::qt::testing
