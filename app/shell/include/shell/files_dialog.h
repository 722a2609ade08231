// The Files dialog's logic: which folder it shows, what its list holds and in
// which order, and what Enter, OK, the Options menu and the Back key do in
// each of its four modes. A view shows this state and forwards the user's
// actions; every question the dialog asks (the upper-case question, the
// folder name, the delete confirmation and its failures) goes through the
// platform's message boxes and prompt dialog.
#ifndef ORVANA_SHELL_FILES_DIALOG_H
#define ORVANA_SHELL_FILES_DIALOG_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"
#include "shell/dialogs.h"

namespace shell {

// The commands of the dialog's menu bar.
inline constexpr int kCmdFilesOk = 40143;
inline constexpr int kCmdFilesMyDocuments = 40145;
inline constexpr int kCmdFilesScriptsDirectory = 40146;
inline constexpr int kCmdFilesCreateFolder = 40148;
inline constexpr int kCmdFilesDeleteFile = 40162;

inline constexpr size_t kFilesNameLimit = 50;
// The Back key is taken at most once in this many milliseconds.
inline constexpr uint32_t kBackKeyGapMs = 50;

// List icons.
enum class FilesIcon { File = 0, Folder = 1, Parent = 2 };

struct FilesEntry {
    std::u16string name;  // a file without its extension
    FilesIcon icon;
};

class FilesDialog {
public:
    // `path` is the folder to open on; `scriptFolder` is where "Scripts
    // Directory" goes. Message boxes are owned by `owner`.
    FilesDialog(FilesMode mode, std::u16string_view path, std::u16string scriptFolder,
                PlatformWindow owner = nullptr);

    FilesMode mode() const { return mode_; }
    // "Load Workspace", "Save Workspace", "Export Workspace" or "Select Folder".
    std::u16string_view title() const;
    bool hasNameField() const { return mode_ == FilesMode::Save || mode_ == FilesMode::Export; }

    // The folder shown, without a trailing '/' (except the root itself).
    const std::u16string& folder() const { return folder_; }
    // Its last component ("/" for the root).
    std::u16string label() const;
    const std::vector<FilesEntry>& entries() const { return entries_; }

    // The selected entry (-1 for none); an index outside the list selects none.
    int selected() const { return selected_; }
    void select(int index);

    const std::u16string& name() const { return name_; }
    // Replaces the name field's text, cut to 50 characters.
    void setName(std::u16string_view text);
    bool nameFocused() const { return nameFocused_; }
    void focusName(bool on) { nameFocused_ = on && hasNameField(); }

    // Each action returns the close code when it closes the dialog
    // (kDialogConfirmed with the path in result(), or kDialogCancelled), and
    // nothing while the dialog stays open.
    std::optional<int> activate(int index);  // Enter on an entry
    std::optional<int> ok();
    std::optional<int> command(int id);  // a menu-bar command
    // The Back key at tick `now` (milliseconds).
    std::optional<int> back(uint32_t now);
    // A typed path, absolute or relative to the folder shown: a folder is
    // opened; anything else names a file in its folder and is confirmed as
    // OK would confirm a name (Select Folder mode ignores files).
    std::optional<int> enterPath(std::u16string_view typed);

    // The chosen path after kDialogConfirmed.
    const std::u16string& result() const { return result_; }

    // Opens a folder (a missing one shows the documents folder) and rebuilds
    // the list with nothing selected.
    void openFolder(std::u16string_view path);

private:
    std::u16string_view extension() const;
    std::u16string inFolder(std::u16string_view name) const;
    std::optional<int> confirmName(std::u16string name);
    void createFolder();
    void deleteSelected();
    void rebuild();

    FilesMode mode_;
    std::u16string scriptFolder_;
    PlatformWindow owner_;
    std::u16string folder_;
    std::vector<FilesEntry> entries_;
    int selected_ = -1;
    std::u16string name_;
    bool nameFocused_ = false;
    std::optional<uint32_t> lastBack_;
    std::u16string result_;
};

// The dialog run without a view: Save and Export ask for the name (or a
// typed path) with a prompt; Load and Select Folder offer the listing in a
// list dialog, where choosing an entry selects it and confirms with OK (in
// Load mode a folder then opens and a file is loaded; in Select Folder mode
// a folder is the choice and ".." goes up). What the window's key mode and
// scripted tests use.
int runFilesDialogByPrompts(PlatformWindow owner, FilesMode mode, std::u16string& path,
                            std::u16string scriptFolder);

// Deletes a folder with everything in it: files first (each made writable),
// then its sub-folders, then the folder itself. A link to a folder is removed
// itself, never followed. False when something could not be deleted.
bool deleteFolderTree(const std::u16string& folder);

}  // namespace shell

#endif
