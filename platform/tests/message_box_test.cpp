// Message boxes routed to the installed backend.
#include <gtest/gtest.h>

#include "platform/backend.h"
#include "platform/message_box.h"
#include "platform/popup_menu.h"
#include "scripted_backend.h"

using orvana::testing::ScriptedBackend;

TEST(MessageBox, ScriptedBackendRecordsAndAnswersFromItsQueue) {
    ScriptedBackend ui;
    ui.queueMessageBoxAnswer(PLATFORM_IDNO);
    int window = 0;
    EXPECT_EQ(platformMessageBox(&window, u"Save changes?", u"Orvana",
                                 PLATFORM_MB_YESNO | PLATFORM_MB_ICONEXCLAMATION),
              PLATFORM_IDNO);
    // An empty queue answers the default button.
    EXPECT_EQ(platformMessageBox(nullptr, u"Again?", u"Orvana", PLATFORM_MB_YESNO),
              PLATFORM_IDYES);
    EXPECT_EQ(platformMessageBox(nullptr, nullptr, nullptr, PLATFORM_MB_OK), PLATFORM_IDOK);

    ASSERT_EQ(ui.messageBoxes().size(), 3u);
    EXPECT_EQ(ui.messageBoxes()[0].owner, &window);
    EXPECT_EQ(ui.messageBoxes()[0].text, u"Save changes?");
    EXPECT_EQ(ui.messageBoxes()[0].caption, u"Orvana");
    EXPECT_EQ(ui.messageBoxes()[0].style, PLATFORM_MB_YESNO | PLATFORM_MB_ICONEXCLAMATION);
    EXPECT_EQ(ui.messageBoxes()[2].text, u"");
}

TEST(MessageBox, BackendsNestAndRestore) {
    const PlatformBackend* before = platformCurrentBackend();
    {
        ScriptedBackend outer;
        {
            ScriptedBackend inner;
            platformMessageBox(nullptr, u"inner", u"c", PLATFORM_MB_OK);
            EXPECT_EQ(inner.messageBoxes().size(), 1u);
        }
        platformMessageBox(nullptr, u"outer", u"c", PLATFORM_MB_OK);
        EXPECT_EQ(outer.messageBoxes().size(), 1u);
    }
    EXPECT_EQ(platformCurrentBackend(), before);
}

TEST(MessageBox, HeadlessWritesToStandardErrorAndAnswersTheDefault) {
    platformSetBackend(nullptr);
    ::testing::internal::CaptureStderr();
    int answer = platformMessageBox(nullptr, u"Out of memory.\nQuit", u"Orvana",
                                    PLATFORM_MB_YESNO | PLATFORM_MB_DEFBUTTON2);
    std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, PLATFORM_IDNO);
    EXPECT_EQ(printed, "Orvana: Out of memory.\nQuit\n");
}

TEST(MessageBox, ShortOrIncompleteTablesFallBackToHeadless) {
    // A table from an older host, too short to hold the message box entry.
    PlatformBackend shortTable{};
    platformSetBackend(&shortTable);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(platformMessageBox(nullptr, u"x", u"y", PLATFORM_MB_OK), PLATFORM_IDOK);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "y: x\n");
    PlatformBackend nullEntry{};
    nullEntry.size = sizeof(PlatformBackend);
    platformSetBackend(&nullEntry);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(platformMessageBox(nullptr, u"x", u"y", PLATFORM_MB_YESNO), PLATFORM_IDYES);
    ::testing::internal::GetCapturedStderr();
    platformSetBackend(nullptr);
}

TEST(PopupMenu, ScriptedChoicesHeadlessDismissal) {
    const char16_t* items[] = {u"mtest", u"sdtest", u"pairtest"};
    {
        ScriptedBackend ui;
        ui.queuePopupMenuChoice(1);
        ui.queuePopupMenuChoice(7);  // out of range: dismissed
        EXPECT_EQ(platformPopupMenu(nullptr, items, 3, 10, 20), 1);
        EXPECT_EQ(platformPopupMenu(nullptr, items, 3, 0, 0), -1);
        EXPECT_EQ(platformPopupMenu(nullptr, items, 3, 0, 0), -1);  // empty queue
        ASSERT_EQ(ui.popupMenus().size(), 3u);
        EXPECT_EQ(ui.popupMenus()[0].items[2], u"pairtest");
        EXPECT_EQ(ui.popupMenus()[0].x, 10);
        EXPECT_EQ(ui.popupMenus()[0].y, 20);
        EXPECT_EQ(platformPopupMenu(nullptr, nullptr, 3, 0, 0), -1);
        EXPECT_EQ(platformPopupMenu(nullptr, items, 0, 0, 0), -1);
        EXPECT_EQ(ui.popupMenus().size(), 3u);
    }
    EXPECT_EQ(platformPopupMenu(nullptr, items, 3, 0, 0), -1);
}
