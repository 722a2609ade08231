// One window per user and per-user folder.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <thread>

#include "single_instance.h"

namespace {

using orvana::qt::SingleInstance;

TEST(SingleInstance, ALaterStartHandsItsPathToTheFirstAndOtherFoldersNeverMeet) {
    QTemporaryDir folder, other;
    SingleInstance first(folder.path());
    ASSERT_TRUE(first.listen());
    QString received = "none";
    QObject::connect(&first, &SingleInstance::pathReceived,
                     [&](const QString& path) { received = path; });

    SingleInstance elsewhere(other.path());
    EXPECT_NE(elsewhere.name(), first.name());
    EXPECT_FALSE(elsewhere.handOver("/tmp/x.ovw"));

    // The hand-over waits for the window, which answers in its event loop:
    // run the second start's side on a thread of its own.
    bool handed = false;
    std::thread second([&] {
        SingleInstance again(folder.path());
        handed = again.handOver("/home/u/work.ovw");
    });
    QElapsedTimer clock;
    clock.start();
    while (received == "none" && clock.elapsed() < 5000) QCoreApplication::processEvents();
    second.join();
    EXPECT_TRUE(handed);
    EXPECT_EQ(received, "/home/u/work.ovw");
}

}  // namespace
