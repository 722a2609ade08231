// The Format, Workspace Options and Library Selection dialogs' logic.
#include <gtest/gtest.h>

#include "shell/format_dialog.h"
#include "shell/library_selection_dialog.h"
#include "shell/prompted_dialogs.h"
#include "shell/shell_state.h"
#include "shell/workspace_options_dialog.h"
#include "scripted_backend.h"

namespace shell {
namespace {

FormatSlot slotWith(uint16_t code, int16_t rows = 1, bool polar = false) {
    FormatSlot slot;
    slot.formatCode = code;
    slot.answerRows = rows;
    slot.polar = polar;
    return slot;
}

TEST(FormatDialog, OpensOnTheSlotsSettings) {
    struct Case {
        uint16_t code;
        int kind;
        int digits;
        DigitsList list;
    };
    for (const Case& c : {Case{0x0506, 0, 5, DigitsList::Decimal},      // Fixed, 6 digits
                          Case{0x0005, 1, 4, DigitsList::Decimal},      // Floating, 5
                          Case{0x010E, 2, 8, DigitsList::Decimal},      // Scientific, 14
                          Case{0x0207, 3, 0, DigitsList::Decimal},      // 7 is not listed
                          Case{0x030A, 4, 1, DigitsList::Fractions},    // 1/1024
                          Case{0x0400, 5, -1, DigitsList::None},        // Hexadecimal
                          Case{0x0905, 1, 4, DigitsList::Decimal}}) {   // unknown kind
        const FormatDialog dialog(slotWith(c.code, 2, true));
        EXPECT_EQ(dialog.kind(), c.kind) << c.code;
        EXPECT_EQ(dialog.digits(), c.digits) << c.code;
        EXPECT_EQ(dialog.digitsList(), c.list) << c.code;
        EXPECT_EQ(dialog.rows(), 2);
        EXPECT_TRUE(dialog.polar());
    }
    EXPECT_EQ(FormatDialog(slotWith(0x0400)).digitsEntries().size(), 0u);
    EXPECT_EQ(FormatDialog(slotWith(0x0300)).digitsEntries()[0], u"1/128");
    EXPECT_EQ(FormatDialog::kindEntries()[0], u"Fixed");
    EXPECT_EQ(FormatDialog::rowEntries()[0], u"Script");
}

TEST(FormatDialog, TheDigitsListFollowsTheKind) {
    FormatDialog dialog(slotWith(0x0506));
    dialog.setKind(2);  // Fixed to Scientific keeps "6 digits"
    EXPECT_EQ(dialog.digits(), 5);
    dialog.setKind(4);  // Fractions: "1/128"
    EXPECT_EQ(dialog.digitsList(), DigitsList::Fractions);
    EXPECT_EQ(dialog.digits(), 0);
    dialog.setDigits(2);
    dialog.setKind(4);  // already loaded: kept
    EXPECT_EQ(dialog.digits(), 2);
    dialog.setKind(5);
    EXPECT_FALSE(dialog.digitsEnabled());
    EXPECT_EQ(dialog.digits(), -1);
    dialog.setDigits(1);  // disabled
    EXPECT_EQ(dialog.digits(), -1);
    dialog.setKind(1);  // back to a decimal kind: "Auto"
    EXPECT_EQ(dialog.digits(), 0);
    dialog.setKind(9);  // no such entry
    EXPECT_EQ(dialog.kind(), 1);
}

TEST(FormatDialog, OkStoresTheCodeRowsPolarAndClearsTheStoredFlag) {
    struct Case {
        int kind;
        int digits;
        uint16_t code;
    };
    for (const Case& c : {Case{0, 5, 1286}, Case{5, 0, 1024}, Case{4, 2, 3 * 256 + 20},
                          Case{1, 0, 0}, Case{3, 8, 2 * 256 + 14}}) {
        FormatDialog dialog(slotWith(0x0005));
        dialog.setKind(c.kind);
        dialog.setDigits(c.digits);
        dialog.setRows(3);
        dialog.setPolar(true);
        FormatSlot before = slotWith(0x0005);
        before.evaluation = true;
        const FormatSlot after = dialog.confirmed(before);
        EXPECT_EQ(after.formatCode, c.code) << c.kind << "/" << c.digits;
        EXPECT_EQ(after.answerRows, 3);
        EXPECT_TRUE(after.polar);
        EXPECT_FALSE(after.stored);
        EXPECT_TRUE(after.evaluation);
    }
}

TEST(FormatDialog, ListsChangeTheSlotInUseOnlyWhenAllAreChosen) {
    orvana::testing::ScriptedBackend backend;
    FormatSlots slots;
    slots.current = 1;
    backend.queueListChoice(0);  // Fixed
    backend.queueListChoice(5);  // 6 digits
    backend.queueListChoice(2);  // 2 Row
    EXPECT_TRUE(runFormatDialogByLists(nullptr, slots));
    EXPECT_EQ(slots.slot(1).formatCode, 1286);
    EXPECT_EQ(slots.slot(1).answerRows, 2);
    EXPECT_EQ(backend.listDialogs()[1].items.size(), 9u);

    backend.queueListChoice(5);  // Hexadecimal: no digits list
    backend.queueListChoice(-1);
    EXPECT_FALSE(runFormatDialogByLists(nullptr, slots));
    EXPECT_EQ(slots.slot(1).formatCode, 1286);
    EXPECT_EQ(backend.listDialogs().size(), 5u);
}

TEST(WorkspaceOptions, FlagsFromTheBoxes) {
    WorkspaceOptions options;
    EXPECT_EQ(options.flags(), 16);  // confirmed unchanged
    options.deleteExisting = false;
    EXPECT_EQ(options.flags(), 0);
    options.box(0) = false;
    options.box(1) = false;
    options.box(3) = false;
    EXPECT_EQ(options.flags(), 7);

    orvana::testing::ScriptedBackend backend;
    backend.queuePromptAnswer(std::vector<std::u16string>{u"1", u"0", u"", u"1"});
    EXPECT_EQ(runWorkspaceOptionsByPrompt(nullptr), 4);
    EXPECT_EQ(backend.promptDialogs()[0].labels,
              (std::vector<std::u16string>{u"Equations", u"Variables", u"Delete Existing",
                                           u"Functions"}));
    backend.queuePromptAnswer(std::vector<std::u16string>{});
    EXPECT_EQ(runWorkspaceOptionsByPrompt(nullptr), 16);
    backend.queuePromptAnswer(std::nullopt);
    EXPECT_EQ(runWorkspaceOptionsByPrompt(nullptr), -1);
}

TEST(LibrarySelection, ShowsTheSlotsAndStoresTheChoice) {
    QuickSelect quick;
    quick.slots = {kNoLibrary, 2, kNoLibrary, 1, kNoLibrary};
    LibrarySelection dialog(quick, {u"Conversion", u"Scientific", u"graphing"});
    EXPECT_EQ(quick.slots[0], 0);  // an empty slot 0 becomes 0 at once
    EXPECT_EQ(dialog.entries(0).size(), 3u);
    EXPECT_EQ(dialog.entries(1).front(), u"");
    EXPECT_EQ(dialog.selection(0), 0);
    EXPECT_EQ(dialog.selection(1), 3);
    EXPECT_EQ(dialog.selection(2), 0);
    dialog.select(0, 1);
    dialog.select(1, 0);
    dialog.select(2, 3);
    dialog.select(2, 7);  // outside the list
    dialog.confirm();
    EXPECT_EQ(quick.slots[0], 1);
    EXPECT_EQ(quick.slots[1], kNoLibrary);
    EXPECT_EQ(quick.slots[2], 2);
    EXPECT_EQ(quick.slots[3], 1);  // not the dialog's

    QuickSelect none;
    LibrarySelection empty(none, {});
    EXPECT_EQ(empty.selection(0), -1);
    empty.confirm();
    EXPECT_EQ(none.slots[0], 0);
}

TEST(LibrarySelection, CancelInTheListsChangesNothing) {
    orvana::testing::ScriptedBackend backend;
    QuickSelect quick;
    quick.slots = {1, kNoLibrary, kNoLibrary, kNoLibrary, kNoLibrary};
    backend.queueListChoice(0);
    backend.queueListChoice(-1);
    EXPECT_FALSE(runLibrarySelectionByLists(nullptr, quick));
    EXPECT_EQ(quick.slots[0], 1);
}

}  // namespace
}  // namespace shell
