// Start-up and shutdown of the shell core: the libraries and the preferences
// that name them, the documents opened, and what the destroy handling saves.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/script_folder.h"
#include "engine/workspace_file.h"
#include "shell/commands.h"
#include "shell/keypad_choice.h"
#include "shell/menus.h"
#include "shell/preferences.h"
#include "shell/program_folder.h"
#include "shell/shell_lifecycle.h"
#include "shell_test_support.h"

namespace shell::testing {
namespace {

namespace fs = std::filesystem;

using QuickSlots = std::array<int16_t, 5>;

class ShellStartup : public ShellTest {
protected:
    void writePrefs(const std::string& bytes) {
        fs::create_directories(config_.folder());
        std::ofstream(config_.folder() / "prefs.prf", std::ios::binary) << bytes;
    }
    // Saves a Workspace of these block texts at the path.
    void saveBlocks(const fs::path& path, std::initializer_list<std::u16string_view> texts) {
        engine::BlockList list;
        for (std::u16string_view t : texts) list.append(t);
        list.dropFirst();
        ASSERT_TRUE(engine::saveWorkspace(path.u16string().c_str(), false, &list));
    }
    std::vector<std::u16string> texts() {
        std::vector<std::u16string> out;
        for (int k = 0; k < blocks().count(); ++k) out.push_back(blocks().block(k).text());
        return out;
    }
};

TEST_F(ShellStartup, SixLibrariesAndNoPreferencesFillFourQuickSelects) {
    for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"})
        placeModule(name);
    start();
    EXPECT_EQ(libraryCount(), 6);
    EXPECT_EQ(state().quickSelect.slots, (QuickSlots{0, 1, 2, 3, kNoLibrary}));
    EXPECT_EQ(state().currentLibrary, 0);
    EXPECT_EQ(state().quickSelect.cursor, 0);
    // First run: the program folder and its variable names exist now.
    EXPECT_TRUE(fs::exists(config_.folder() / "defvars.txt"));
}

TEST_F(ShellStartup, NoLibrariesLeaveSlotZeroAtZero) {
    start();
    EXPECT_EQ(libraryCount(), 0);
    EXPECT_EQ(state().quickSelect.slots, (QuickSlots{0, kNoLibrary, kNoLibrary, kNoLibrary, kNoLibrary}));
    const ShellMenus menus(state());
    ASSERT_EQ(menus.library().size(), 2u);  // the separator and "Quick Selects..."
}

TEST_F(ShellStartup, VersionOnePreferencesWithFourQuickSelects) {
    for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta", "Echo"}) placeModule(name);
    std::string bytes(16 + 64 + 4 * 60 + 520, '\0');
    bytes[0] = 1;
    bytes[16] = 0;
    auto put = [&](size_t at, std::u16string_view text) {
        for (size_t i = 0; i < text.size(); ++i) bytes[at + 2 * i] = char(text[i]);
    };
    put(80, u"Echo");
    put(140, u"Charlie");
    put(200, u"Alpha");
    put(260, u"Delta");
    put(320, u"/srv/scripts/");
    writePrefs(bytes);
    start();
    EXPECT_EQ(state().quickSelect.slots, (QuickSlots{4, 2, 0, 3, kNoLibrary}));
    EXPECT_EQ(state().currentLibrary, 4);
    EXPECT_EQ(engine::scriptFolder(), u"/srv/scripts/");
}

TEST_F(ShellStartup, ARenamedLibraryEmptiesItsQuickSelect) {
    for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta", "Echo"}) placeModule(name);
    start();
    runCommand(state(), kCmdLibraryBase + 4);  // Echo into slot 3
    EXPECT_EQ(state().quickSelect.slots, (QuickSlots{0, 1, 2, 4, kNoLibrary}));
    stop();
    // Before the next run "Bravo" and "Echo" are renamed.
    fs::rename(modules_ / "Bravo.so", modules_ / "Bravo2.so");
    fs::rename(modules_ / "Echo.so", modules_ / "Zulu.so");
    start();
    EXPECT_EQ(state().quickSelect.slots, (QuickSlots{0, kNoLibrary, 2, kNoLibrary, kNoLibrary}));

    // With the first one renamed too, slot 0 falls back to library 0.
    runCommand(state(), kCmdLibraryBase + 3);
    stop();
    fs::rename(modules_ / "Alpha.so", modules_ / "Yankee.so");
    start();
    EXPECT_EQ(state().quickSelect.slots, (QuickSlots{0, kNoLibrary, 1, 2, kNoLibrary}));
    EXPECT_EQ(state().currentLibrary, 0);
}

TEST_F(ShellStartup, DestroySavesTheWorkspaceAndPreferencesForTheNextRun) {
    placeModule("Alpha");
    placeModule("Bravo");
    start();
    enter(u"a=6");
    enter(u"a*7");
    runCommand(state(), kCmdRpnMode);
    state().formats.saved[1].formatCode = 0x0103;
    state().formats.current = 2;
    stop();
    EXPECT_TRUE(state().pending.closeWindow);
    EXPECT_TRUE(fs::exists(config_.folder() / "default.ovw"));
    EXPECT_EQ(fs::file_size(config_.folder() / "prefs.prf"), kPreferencesSize);

    start();
    EXPECT_TRUE(state().rpnMode);
    EXPECT_TRUE(state().rpnMenuChecked);
    EXPECT_EQ(state().formats.current, 2);
    EXPECT_EQ(state().formats.inUse().formatCode, 0x0103);
    EXPECT_EQ(texts(), (std::vector<std::u16string>{u"a=6", u"a*7", u""}));
    EXPECT_EQ(doc().active(), 2);
    EXPECT_EQ(blocks().block(1).answer()->re[0], 42.0);
}

TEST_F(ShellStartup, StartupWorkspaceIsLoadedAndEvaluatedWhenNoDefaultExists) {
    fs::create_directories(config_.folder());
    saveBlocks(config_.folder() / "startup.ovw", {u"k=5", u"k*2"});
    start();
    EXPECT_EQ(texts(), (std::vector<std::u16string>{u"k=5", u"k*2"}));
    EXPECT_EQ(blocks().block(1).answer()->re[0], 10.0);
    EXPECT_EQ(doc().active(), 1);
    EXPECT_EQ(doc().editText(), u"k*2");
}

TEST_F(ShellStartup, TheCommandLineOpensOnlyAWorkspaceFile) {
    fs::create_directories(config_.folder());
    saveBlocks(config_.folder() / "default.ovw", {u"1+1"});
    const fs::path other = config_.root() / "other.ovw";
    saveBlocks(other, {u"2+2", u"3+3"});
    struct Row {
        std::u16string commandLine;
        std::u16string firstText;
    };
    const Row rows[] = {
        {u"", u"1+1"},
        {(config_.root() / "notes.txt").u16string(), u"1+1"},
        {(config_.root() / "other.OVW").u16string(), u"1+1"},
        {other.u16string(), u"2+2"},
    };
    for (const Row& row : rows) {
        start(row.commandLine);
        EXPECT_EQ(blocks().block(0).text(), row.firstText) << std::string(row.commandLine.begin(), row.commandLine.end());
        EXPECT_EQ(doc().active(), blocks().count() - 1);
        EXPECT_TRUE(backend_.messageBoxes().empty());
    }
    // A missing ".ovw" file reports that it cannot be opened.
    start((config_.root() / "missing.ovw").u16string());
    ASSERT_EQ(backend_.messageBoxes().size(), 1u);
    EXPECT_EQ(backend_.messageBoxes()[0].text, u"Can't open the file");
}

TEST_F(ShellStartup, AFailedSaveAtExitIsNotReported) {
    start();
    fs::remove_all(config_.folder());
    // A file where the folder should be: nothing can be written.
    std::ofstream(config_.folder()) << "x";
    stop();
    EXPECT_TRUE(backend_.messageBoxes().empty());
    EXPECT_TRUE(state().pending.closeWindow);
}

}  // namespace
}  // namespace shell::testing
