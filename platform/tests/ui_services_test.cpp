// Menus, dialogs, clipboard, help and windows: routed to the backend in force,
// answered by the scripted backend in tests and by the headless one otherwise.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "platform/backend.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/popup_menu.h"
#include "platform/shell_services.h"
#include "scripted_backend.h"

using orvana::testing::ScriptedBackend;

namespace {

const PlatformMenuItem kUnits[] = {{u"FT", 101, 0, nullptr, 0}, {u"IN", 102, 0, nullptr, 0}};
const PlatformMenuItem kMenu[] = {
    {u"Undo", 40001, 0, nullptr, 0},
    {nullptr, 0, 0, nullptr, 0},
    {u"RPN Mode", 40094, PLATFORM_MENU_CHECKED, nullptr, 0},
    {u"Length", 0, 0, kUnits, 2},
    {u"Grey", 40050, PLATFORM_MENU_DISABLED, nullptr, 0},
};

TEST(Menus, ChoicesByIdAndTextReachSubMenusAndStrayAnswersAreDismissed) {
    ScriptedBackend ui;
    ui.queuePopupMenuChoice(40094);
    ui.queuePopupMenuChoice(u"IN");        // found in the sub-menu
    ui.queuePopupMenuChoice(40050);        // disabled: dismissed
    ui.queuePopupMenuChoice(0);            // a separator's and a sub-menu's id: dismissed
    ui.queuePopupMenuChoice(u"Nothing");   // no such text
    EXPECT_EQ(platformTrackMenu(nullptr, kMenu, 5, 3, 4), 40094);
    EXPECT_EQ(platformTrackMenu(nullptr, kMenu, 5, 3, 4), 102);
    EXPECT_EQ(platformTrackMenu(nullptr, kMenu, 5, 3, 4), -1);
    EXPECT_EQ(platformTrackMenu(nullptr, kMenu, 5, 3, 4), -1);
    EXPECT_EQ(platformTrackMenu(nullptr, kMenu, 5, 3, 4), -1);
    ASSERT_EQ(ui.popupMenus().size(), 5u);
    EXPECT_EQ(ui.popupMenus()[0].items[1], u"");
    EXPECT_EQ(ui.popupMenus()[0].items[3], u"Length");
    EXPECT_EQ(platformTrackMenu(nullptr, nullptr, 5, 0, 0), -1);
    EXPECT_EQ(platformTrackMenu(nullptr, kMenu, 0, 0, 0), -1);
    EXPECT_EQ(ui.popupMenus().size(), 5u);
}

TEST(Menus, HeadlessDismissesEveryMenu) {
    platformSetBackend(nullptr);
    EXPECT_EQ(platformTrackMenu(nullptr, kMenu, 5, 0, 0), -1);
}

TEST(Dialogs, PromptFieldsAreFilledCutToTheirBuffersOrLeftOnCancel) {
    ScriptedBackend ui;
    char16_t first[8] = u"1.5";
    char16_t second[4] = u"";
    PlatformPromptField fields[] = {{u"x", first, 8}, {u"y", second, 4}};
    ui.queuePromptAnswer(std::vector<std::u16string>{u"42", u"abcdefgh"});
    EXPECT_EQ(platformPromptDialog(nullptr, u"ASK", fields, 2), 1);
    EXPECT_EQ(std::u16string(first), u"42");
    EXPECT_EQ(std::u16string(second), u"abc");
    ASSERT_EQ(ui.promptDialogs().size(), 1u);
    EXPECT_EQ(ui.promptDialogs()[0].caption, u"ASK");
    EXPECT_EQ(ui.promptDialogs()[0].labels[1], u"y");
    EXPECT_EQ(ui.promptDialogs()[0].values[0], u"1.5");

    ui.queuePromptAnswer(std::nullopt);
    EXPECT_EQ(platformPromptDialog(nullptr, u"ASK", fields, 2), 0);
    EXPECT_EQ(std::u16string(first), u"42");
    EXPECT_EQ(platformPromptDialog(nullptr, u"ASK", fields, 2), 0);  // empty queue

    PlatformPromptField broken[] = {{u"x", nullptr, 8}};
    EXPECT_EQ(platformPromptDialog(nullptr, u"ASK", broken, 1), 0);
    EXPECT_EQ(platformPromptDialog(nullptr, u"ASK", nullptr, 1), 0);
    EXPECT_EQ(ui.promptDialogs().size(), 3u);
}

TEST(Dialogs, ListChoicesOutsideTheListCancel) {
    const char16_t* items[] = {u"c", u"h", u"k"};
    {
        ScriptedBackend ui;
        ui.queueListChoice(2);
        ui.queueListChoice(3);
        EXPECT_EQ(platformListDialog(nullptr, u"Constants", items, 3, 9), 2);
        EXPECT_EQ(ui.listDialogs()[0].initial, -1);
        EXPECT_EQ(platformListDialog(nullptr, u"Constants", items, 3, 0), -1);
        EXPECT_EQ(platformListDialog(nullptr, u"Constants", items, 0, 0), -1);
        EXPECT_EQ(ui.listDialogs().size(), 2u);
    }
    EXPECT_EQ(platformListDialog(nullptr, u"Constants", items, 3, 0), -1);
}

TEST(Clipboard, TextRoundTripsAndIsCutToTheBuffer) {
    platformSetBackend(nullptr);
    char16_t buffer[4];
    platformSetClipboardText(u"12.5");
    EXPECT_EQ(platformGetClipboardText(buffer, 4), 4);
    EXPECT_EQ(std::u16string(buffer), u"12.");
    EXPECT_EQ(platformGetClipboardText(nullptr, 0), 4);
    {
        ScriptedBackend ui;
        EXPECT_EQ(platformGetClipboardText(buffer, 4), -1);
        EXPECT_EQ(buffer[0], 0);
        platformSetClipboardText(u"a");
        EXPECT_EQ(ui.clipboard(), std::optional<std::u16string>(u"a"));
        EXPECT_EQ(platformGetClipboardText(buffer, 4), 1);
        EXPECT_EQ(std::u16string(buffer), u"a");
    }
    EXPECT_EQ(platformGetClipboardText(buffer, 4), 4);  // the headless one kept its own
}

TEST(ShellServices, HelpAndWindowsGoToTheBackend) {
    platformSetBackend(nullptr);
    EXPECT_EQ(platformOpenHelp(u"/tmp/Orvana.htm", u"Main_Contents"), 0);
    EXPECT_EQ(platformFindWindow(u"ZebOrvanaCLS", u"Orvana"), nullptr);
    ScriptedBackend ui;
    int window = 0;
    ui.setFoundWindow(&window);
    EXPECT_EQ(platformOpenHelp(u"/tmp/Orvana.htm", u"Main_Contents"), 1);
    EXPECT_EQ(platformOpenHelp(nullptr, nullptr), 0);
    ASSERT_EQ(ui.helpRequests().size(), 1u);
    EXPECT_EQ(ui.helpRequests()[0], u"/tmp/Orvana.htm#Main_Contents");
    EXPECT_EQ(platformFindWindow(u"ZebOrvanaCLS", u"Orvana"), &window);
}

TEST(Backend, AnOlderShorterTableFallsBackForTheNewerEntries) {
    ScriptedBackend ui;
    PlatformBackend older = *platformCurrentBackend();
    older.size = offsetof(PlatformBackend, trackMenu);
    platformSetBackend(&older);
    ui.queuePopupMenuChoice(40001);
    EXPECT_EQ(platformTrackMenu(nullptr, kMenu, 5, 0, 0), -1);  // headless answered
    EXPECT_TRUE(ui.popupMenus().empty());
}

}  // namespace
