// The Files dialog: its listing and order, Enter, OK and the Back key in each
// mode, the Options menu, and the Workspace commands that use it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "engine/script_folder.h"
#include "shell/files_dialog.h"
#include "shell/prompted_dialogs.h"
#include "shell/workspace_commands.h"
#include "shell_test_support.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

// A folder tree of its own, and HOME pointed into it so that the documents
// folder is known.
class FilesDialogTest : public testing::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        root_ = config_.root() / "files";
        fs::create_directories(root_ / "Documents");
        const char* home = std::getenv("HOME");
        oldHome_ = home != nullptr ? home : "";
        setenv("HOME", root_.c_str(), 1);
    }
    void TearDown() override {
        setenv("HOME", oldHome_.c_str(), 1);
        ShellTest::TearDown();
    }

    void touch(const std::string& name) const { std::ofstream(root_ / name) << "x"; }
    std::u16string at(const std::string& name = "") const {
        std::u16string path = root_.u16string();
        return name.empty() ? path : path + u"/" + fs::path(name).u16string();
    }
    static std::vector<std::u16string> names(const FilesDialog& dialog) {
        std::vector<std::u16string> out;
        for (const FilesEntry& entry : dialog.entries()) out.push_back(entry.name);
        return out;
    }
    static int indexOf(const FilesDialog& dialog, std::u16string_view name) {
        for (size_t i = 0; i < dialog.entries().size(); ++i)
            if (dialog.entries()[i].name == name) return int(i);
        return -1;
    }

    fs::path root_;
    std::string oldHome_;
};

TEST_F(FilesDialogTest, ListsParentThenFoldersThenFilesOfTheModeByFirstLetters) {
    for (const char* name : {"zeta.ovw", "Alpha.ovw", "notes.txt", "beta.OVW", "plain"}) touch(name);
    for (const char* name : {"sub", "Docs2", "abc"}) fs::create_directory(root_ / name);

    FilesDialog load(FilesMode::Load, at(), u"");
    EXPECT_EQ(load.title(), u"Load Workspace");
    EXPECT_FALSE(load.hasNameField());
    EXPECT_EQ(load.label(), u"files");
    EXPECT_EQ(names(load), (std::vector<std::u16string>{u"..", u"abc", u"Docs2", u"Documents",
                                                         u"sub", u"Alpha", u"zeta"}));
    EXPECT_EQ(load.entries()[0].icon, FilesIcon::Parent);
    EXPECT_EQ(load.entries()[1].icon, FilesIcon::Folder);
    EXPECT_EQ(load.entries()[5].icon, FilesIcon::File);

    FilesDialog exporting(FilesMode::Export, at() + u"/", u"");
    EXPECT_TRUE(exporting.hasNameField());
    EXPECT_TRUE(exporting.nameFocused());
    EXPECT_EQ(names(exporting).back(), u"notes");

    FilesDialog folders(FilesMode::SelectFolder, at(), u"");
    EXPECT_EQ(names(folders).back(), u"sub");  // no files at all
}

TEST_F(FilesDialogTest, AMissingFolderListsTheDocumentsFolder) {
    FilesDialog dialog(FilesMode::Load, at("nowhere"), u"");
    EXPECT_EQ(dialog.folder(), at("Documents"));
    EXPECT_EQ(dialog.label(), u"Documents");
    FilesDialog empty(FilesMode::Load, u"", u"");
    EXPECT_EQ(empty.folder(), at("Documents"));
}

TEST_F(FilesDialogTest, EnterOpensFoldersAndGoesUp) {
    fs::create_directory(root_ / "sub");
    FilesDialog dialog(FilesMode::Load, at(), u"");
    EXPECT_EQ(dialog.activate(indexOf(dialog, u"sub")), std::nullopt);
    EXPECT_EQ(dialog.folder(), at("sub"));
    EXPECT_EQ(dialog.selected(), -1);
    EXPECT_EQ(dialog.activate(0), std::nullopt);  // ".."
    EXPECT_EQ(dialog.folder(), at());
    FilesDialog top(FilesMode::Load, u"/", u"");
    EXPECT_EQ(top.label(), u"/");
    top.activate(0);  // the root's parent falls back to the documents folder
    EXPECT_EQ(top.folder(), at("Documents"));
}

TEST_F(FilesDialogTest, OkInEachMode) {
    touch("Alpha.ovw");
    touch("notes.txt");
    fs::create_directory(root_ / "sub");

    FilesDialog load(FilesMode::Load, at(), u"");
    EXPECT_EQ(load.ok(), kDialogCancelled);  // nothing selected: an empty name
    FilesDialog loadFile(FilesMode::Load, at(), u"");
    EXPECT_EQ(loadFile.activate(indexOf(loadFile, u"Alpha")), kDialogConfirmed);
    EXPECT_EQ(loadFile.result(), at("Alpha.ovw"));

    FilesDialog exporting(FilesMode::Export, at(), u"");
    exporting.activate(indexOf(exporting, u"notes"));  // the name goes into the field
    EXPECT_EQ(exporting.name(), u"notes");
    EXPECT_EQ(exporting.ok(), kDialogConfirmed);
    EXPECT_EQ(exporting.result(), at("notes.txt"));

    FilesDialog folder(FilesMode::SelectFolder, at(), u"");
    folder.select(indexOf(folder, u"sub"));
    EXPECT_EQ(folder.ok(), kDialogConfirmed);
    EXPECT_EQ(folder.result(), at("sub"));
    FilesDialog up(FilesMode::SelectFolder, at("sub"), u"");
    up.select(0);
    EXPECT_EQ(up.ok(), std::nullopt);  // ".." goes up and stays open
    EXPECT_EQ(up.folder(), at());
}

TEST_F(FilesDialogTest, SavingALowerCaseNameAsksToRaiseIt) {
    FilesDialog no(FilesMode::Save, at(), u"");
    no.setName(u"total");
    backend_.queueMessageBoxAnswer(PLATFORM_IDNO);
    EXPECT_EQ(no.ok(), kDialogConfirmed);
    EXPECT_EQ(no.result(), at("total.ovw"));
    ASSERT_EQ(backend_.messageBoxes().size(), 1u);
    EXPECT_EQ(backend_.messageBoxes()[0].caption, u"Warning");
    EXPECT_EQ(backend_.messageBoxes()[0].style, PLATFORM_MB_YESNO);

    FilesDialog yes(FilesMode::Save, at(), u"");
    yes.setName(u"total.ovw");  // typed with its extension
    backend_.queueMessageBoxAnswer(PLATFORM_IDYES);
    EXPECT_EQ(yes.ok(), kDialogConfirmed);
    EXPECT_EQ(yes.result(), at("Total.ovw"));

    FilesDialog upper(FilesMode::Save, at(), u"");
    upper.setName(u"Total");
    EXPECT_EQ(upper.ok(), kDialogConfirmed);
    EXPECT_EQ(backend_.messageBoxes().size(), 2u);  // not asked again
}

TEST_F(FilesDialogTest, BackClosesOrEditsTheName) {
    FilesDialog load(FilesMode::Load, at(), u"");
    EXPECT_EQ(load.back(1000), kDialogCancelled);

    FilesDialog save(FilesMode::Save, at(), u"");
    save.setName(u"abc");
    save.focusName(false);
    EXPECT_EQ(save.back(1000), std::nullopt);
    EXPECT_TRUE(save.nameFocused());
    EXPECT_EQ(save.name(), u"abc");
    save.back(1020);  // within 50 ms: ignored
    EXPECT_EQ(save.name(), u"abc");
    save.back(1060);
    EXPECT_EQ(save.name(), u"ab");
    save.setName(std::u16string(80, u'x'));
    EXPECT_EQ(save.name().size(), kFilesNameLimit);
}

TEST_F(FilesDialogTest, OptionsMenuMovesCreatesAndDeletes) {
    fs::create_directories(root_ / "scripts");
    FilesDialog dialog(FilesMode::Load, at(), at("scripts") + u"/");
    dialog.command(kCmdFilesScriptsDirectory);
    EXPECT_EQ(dialog.folder(), at("scripts"));
    dialog.command(kCmdFilesMyDocuments);
    EXPECT_EQ(dialog.folder(), at("Documents"));

    backend_.queuePromptAnswer(std::vector<std::u16string>{u"made"});
    dialog.command(kCmdFilesCreateFolder);
    EXPECT_TRUE(fs::is_directory(root_ / "Documents" / "made"));
    ASSERT_EQ(backend_.promptDialogs().size(), 1u);
    EXPECT_EQ(backend_.promptDialogs()[0].labels, std::vector<std::u16string>{u"Folder Name"});
    EXPECT_GE(indexOf(dialog, u"made"), 0);

    // A folder goes with everything in it.
    fs::create_directories(root_ / "Documents" / "made" / "deeper");
    std::ofstream(root_ / "Documents" / "made" / "a.ovw") << "x";
    std::ofstream(root_ / "Documents" / "made" / "deeper" / "b.txt") << "x";
    fs::permissions(root_ / "Documents" / "made" / "a.ovw", fs::perms::owner_read);
    dialog.select(indexOf(dialog, u"made"));
    backend_.queueMessageBoxAnswer(PLATFORM_IDYES);
    dialog.command(kCmdFilesDeleteFile);
    EXPECT_FALSE(fs::exists(root_ / "Documents" / "made"));
    EXPECT_EQ(backend_.messageBoxes().back().text, u"Do you want to delete made");
    EXPECT_EQ(backend_.messageBoxes().back().caption, u"Delete");
    EXPECT_EQ(indexOf(dialog, u"made"), -1);
}

TEST_F(FilesDialogTest, DeletingALinkedFolderKeepsWhatItPointsTo) {
    fs::create_directories(root_ / "elsewhere");
    touch("elsewhere/precious.ovw");
    fs::create_directories(root_ / "inner");
    fs::create_directory_symlink(root_ / "elsewhere", root_ / "inner" / "shortcut");
    EXPECT_TRUE(deleteFolderTree(at("inner")));
    EXPECT_FALSE(fs::exists(root_ / "inner"));
    EXPECT_TRUE(fs::exists(root_ / "elsewhere" / "precious.ovw"));
    fs::create_directory_symlink(root_ / "elsewhere", root_ / "direct");
    EXPECT_TRUE(deleteFolderTree(at("direct")));
    EXPECT_TRUE(fs::exists(root_ / "elsewhere" / "precious.ovw"));
}

TEST_F(FilesDialogTest, DeletingFilesAndTheParentEntry) {
    touch("Alpha.ovw");
    FilesDialog dialog(FilesMode::Load, at(), u"");
    dialog.select(indexOf(dialog, u"Alpha"));
    backend_.queueMessageBoxAnswer(PLATFORM_IDNO);
    dialog.command(kCmdFilesDeleteFile);
    EXPECT_TRUE(fs::exists(root_ / "Alpha.ovw"));  // answered No
    dialog.select(indexOf(dialog, u"Alpha"));
    backend_.queueMessageBoxAnswer(PLATFORM_IDYES);
    dialog.command(kCmdFilesDeleteFile);
    EXPECT_FALSE(fs::exists(root_ / "Alpha.ovw"));

    dialog.select(0);
    backend_.queueMessageBoxAnswer(PLATFORM_IDYES);
    dialog.command(kCmdFilesDeleteFile);
    EXPECT_EQ(backend_.messageBoxes().back().text, u"Can't remove the root directory");
    EXPECT_TRUE(fs::exists(root_));
}

TEST_F(FilesDialogTest, ADeletionThatFailsIsReported) {
    // A file that is listed but cannot be deleted: its folder is read-only
    // to everyone but root, so a vanished file stands in for it.
    touch("Alpha.ovw");
    FilesDialog dialog(FilesMode::Load, at(), u"");
    fs::remove(root_ / "Alpha.ovw");
    dialog.select(indexOf(dialog, u"Alpha"));
    backend_.queueMessageBoxAnswer(PLATFORM_IDYES);
    dialog.command(kCmdFilesDeleteFile);
    ASSERT_EQ(backend_.messageBoxes().size(), 2u);
    EXPECT_EQ(backend_.messageBoxes()[1].caption, u"Zeb Menu II");
    EXPECT_EQ(backend_.messageBoxes()[1].style, PLATFORM_MB_OK | PLATFORM_MB_ICONSTOP);
}

TEST_F(FilesDialogTest, TypedPathsOpenFoldersOrNameFiles) {
    fs::create_directories(root_ / "sub");
    FilesDialog dialog(FilesMode::Export, at("Documents"), u"");
    dialog.setName(u"sub");
    EXPECT_EQ(dialog.enterPath(u"../sub"), std::nullopt);
    EXPECT_EQ(dialog.folder(), at("sub"));
    EXPECT_EQ(dialog.name(), u"");
    EXPECT_EQ(dialog.enterPath(at("sub")), std::nullopt);
    EXPECT_EQ(dialog.folder(), at("sub"));
    EXPECT_EQ(dialog.enterPath(u"../out"), kDialogConfirmed);
    EXPECT_EQ(dialog.result(), at("out.txt"));
    FilesDialog missing(FilesMode::Load, at(), u"");
    EXPECT_EQ(missing.enterPath(u"/no/such/folder/x"), std::nullopt);
}

TEST_F(FilesDialogTest, SaveCommandWritesTheNameAnsweredNo) {
    start();
    state().dialogs = promptedDialogs();
    engine::setScriptFolder(at() + u"/");
    backend_.queuePromptAnswer(std::vector<std::u16string>{u"total"});
    backend_.queueMessageBoxAnswer(PLATFORM_IDNO);
    saveWithDialog(state());
    EXPECT_TRUE(fs::exists(root_ / "total.ovw"));
    EXPECT_FALSE(fs::exists(root_ / "Total.ovw"));
}

TEST_F(FilesDialogTest, ScriptDirectoryFromTheListEndsInASeparator) {
    start();
    state().dialogs = promptedDialogs();
    fs::create_directories(root_ / "sub");
    engine::setScriptFolder(at() + u"/");
    backend_.queueListChoice(2);  // "..", "Documents", "sub"
    chooseScriptDirectory(state());
    ASSERT_EQ(backend_.listDialogs().size(), 1u);
    EXPECT_EQ(backend_.listDialogs()[0].caption, u"Select Folder");
    EXPECT_EQ(engine::scriptFolder(), at("sub") + u"/");
}

TEST_F(FilesDialogTest, LoadCommandAsksForOptionsAndLoadsTheChosenFile) {
    start();
    state().dialogs = promptedDialogs();
    engine::setScriptFolder(at() + u"/");
    enter(u"1+2");
    ASSERT_TRUE(saveProgramFile(state(), u"startup.ovw"));
    fs::copy_file(config_.folder() / "startup.ovw", root_ / "Sum.ovw");
    clearBlocks(state());
    backend_.queueListChoice(2);  // "..", "Documents", "Sum"
    backend_.queuePromptAnswer(std::vector<std::u16string>{u"1", u"1", u"1", u"1"});
    loadWithDialog(state());
    ASSERT_GE(blocks().count(), 1);
    EXPECT_EQ(blocks().block(0).text(), u"1+2");
}

}  // namespace
}  // namespace shell
