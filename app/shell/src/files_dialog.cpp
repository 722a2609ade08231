// The Files dialog's folder listing and actions.
#include "shell/files_dialog.h"

#include <algorithm>
#include <cwctype>
#include <memory>
#include <vector>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "shell/program_folder.h"

namespace shell {
namespace {

constexpr char16_t kParentEntry[] = u"..";

bool isFolder(const std::u16string& path) {
    const uint32_t attributes = platformFileAttributes(path.c_str());
    return attributes != PLATFORM_FILE_NO_ATTRIBUTES &&
           (attributes & PLATFORM_FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Without its trailing '/' unless it is the root.
std::u16string trimmedFolder(std::u16string_view path) {
    std::u16string out(path);
    while (out.size() > 1 && out.back() == u'/') out.pop_back();
    return out;
}

std::u16string joined(std::u16string_view folder, std::u16string_view name) {
    std::u16string out(folder);
    if (out.empty() || out.back() != u'/') out.push_back(u'/');
    out.append(name);
    return out;
}

// "." and ".." components resolved without asking the file system.
std::u16string normalized(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'/', start);
        if (end == std::u16string_view::npos) end = path.size();
        const std::u16string_view part = path.substr(start, end - start);
        if (part == u"..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != u".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::u16string out;
    for (std::u16string_view part : parts) {
        out.push_back(u'/');
        out.append(part);
    }
    return out.empty() ? u"/" : out;
}

char16_t folded(char16_t c) { return c < 0x80 ? char16_t(std::towlower(c)) : c; }

// Compares the first `letters` characters, case-insensitively.
bool firstLettersBefore(const std::u16string& a, const std::u16string& b, size_t letters) {
    const size_t n = std::min({a.size(), b.size(), letters});
    for (size_t i = 0; i < n; ++i)
        if (folded(a[i]) != folded(b[i])) return folded(a[i]) < folded(b[i]);
    return std::min(a.size(), letters) < std::min(b.size(), letters);
}

bool endsWith(std::u16string_view text, std::u16string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

int confirmDeletion(PlatformWindow owner, const std::u16string& name) {
    const std::u16string question = u"Do you want to delete " + name;
    return platformMessageBox(owner, question.c_str(), u"Delete",
                              PLATFORM_MB_YESNO | PLATFORM_MB_ICONQUESTION);
}

}  // namespace

bool deleteFolderTree(const std::u16string& folder) {
    // A link to a folder goes, never what it points to.
    if ((platformFileAttributes(folder.c_str()) & PLATFORM_FILE_ATTRIBUTE_LINK) != 0)
        return platformDeleteFile(folder.c_str()) == 1;
    std::unique_ptr<PlatformFolderListing, void (*)(PlatformFolderListing*)> listing(
        platformListFolder(folder.c_str()), platformFreeFolderListing);
    if (!listing) return false;
    bool done = true;
    const int32_t count = platformFolderEntryCount(listing.get());
    for (int pass = 0; pass < 2; ++pass) {  // files first, then sub-folders
        for (int32_t i = 0; i < count; ++i) {
            const bool sub =
                (platformFolderEntryAttributes(listing.get(), i) & PLATFORM_FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (sub != (pass == 1)) continue;
            const std::u16string path = joined(folder, platformFolderEntryName(listing.get(), i));
            done = (sub ? deleteFolderTree(path) : platformDeleteFile(path.c_str()) == 1) && done;
        }
    }
    return platformRemoveFolder(folder.c_str()) == 1 && done;
}

FilesDialog::FilesDialog(FilesMode mode, std::u16string_view path, std::u16string scriptFolder,
                         PlatformWindow owner)
    : mode_(mode), scriptFolder_(std::move(scriptFolder)), owner_(owner) {
    nameFocused_ = hasNameField();
    openFolder(path);
}

std::u16string_view FilesDialog::title() const {
    switch (mode_) {
        case FilesMode::Load: return u"Load Workspace";
        case FilesMode::Save: return u"Save Workspace";
        case FilesMode::Export: return u"Export Workspace";
        case FilesMode::SelectFolder: break;
    }
    return u"Select Folder";
}

std::u16string_view FilesDialog::extension() const {
    return mode_ == FilesMode::Export ? u".txt" : u".ovw";
}

std::u16string FilesDialog::inFolder(std::u16string_view name) const { return joined(folder_, name); }

std::u16string FilesDialog::label() const {
    const size_t slash = folder_.rfind(u'/');
    const std::u16string last = slash == std::u16string::npos ? folder_ : folder_.substr(slash + 1);
    return last.empty() ? u"/" : last;
}

void FilesDialog::select(int index) {
    selected_ = index >= 0 && size_t(index) < entries_.size() ? index : -1;
}

void FilesDialog::setName(std::u16string_view text) {
    name_.assign(text.substr(0, kFilesNameLimit));
}

void FilesDialog::openFolder(std::u16string_view path) {
    folder_ = trimmedFolder(path);
    if (folder_.empty() || !isFolder(folder_)) folder_ = trimmedFolder(documentsFolder());
    rebuild();
}

void FilesDialog::rebuild() {
    std::vector<FilesEntry> folders, files;
    std::unique_ptr<PlatformFolderListing, void (*)(PlatformFolderListing*)> listing(
        platformListFolder(folder_.c_str()), platformFreeFolderListing);
    const int32_t count = platformFolderEntryCount(listing.get());
    for (int32_t i = 0; i < count; ++i) {
        const std::u16string name = platformFolderEntryName(listing.get(), i);
        if ((platformFolderEntryAttributes(listing.get(), i) & PLATFORM_FILE_ATTRIBUTE_DIRECTORY) != 0)
            folders.push_back({name, FilesIcon::Folder});
        else if (mode_ != FilesMode::SelectFolder && name.size() > 4 && endsWith(name, extension()))
            files.push_back({name.substr(0, name.size() - 4), FilesIcon::File});
    }
    std::stable_sort(folders.begin(), folders.end(), [](const auto& a, const auto& b) {
        return firstLettersBefore(a.name, b.name, 3);
    });
    std::stable_sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return firstLettersBefore(a.name, b.name, 4);
    });
    entries_.assign(1, FilesEntry{kParentEntry, FilesIcon::Parent});
    entries_.insert(entries_.end(), folders.begin(), folders.end());
    entries_.insert(entries_.end(), files.begin(), files.end());
    selected_ = -1;
}

std::optional<int> FilesDialog::activate(int index) {
    select(index);
    if (selected_ < 0) return std::nullopt;
    const FilesEntry entry = entries_[size_t(selected_)];
    switch (entry.icon) {
        case FilesIcon::Parent: {
            const size_t slash = folder_.rfind(u'/');
            // The root's parent is no folder: the listing falls back.
            openFolder(folder_.size() <= 1 ? std::u16string()
                                           : folder_.substr(0, std::max<size_t>(slash, 1)));
            return std::nullopt;
        }
        case FilesIcon::Folder: openFolder(inFolder(entry.name)); return std::nullopt;
        case FilesIcon::File: break;
    }
    if (hasNameField()) {
        setName(entry.name);
        nameFocused_ = true;
        return std::nullopt;
    }
    return ok();
}

std::optional<int> FilesDialog::ok() {
    const FilesEntry* entry = selected_ >= 0 ? &entries_[size_t(selected_)] : nullptr;
    if (mode_ == FilesMode::SelectFolder) {
        if (entry == nullptr || entry->icon == FilesIcon::File) return std::nullopt;
        if (entry->icon == FilesIcon::Parent) return activate(selected_);
        result_ = inFolder(entry->name);
        return kDialogConfirmed;
    }
    if (mode_ != FilesMode::Load) return confirmName(name_);
    // A folder or ".." chosen in Load mode is opened rather than loaded.
    if (entry != nullptr && entry->icon != FilesIcon::File) return activate(selected_);
    return confirmName(entry != nullptr ? entry->name : std::u16string());
}

std::optional<int> FilesDialog::confirmName(std::u16string name) {
    // A name typed with its extension does not get a second one.
    if (endsWith(name, extension())) name.resize(name.size() - 4);
    if (name.empty()) return kDialogCancelled;
    if (mode_ == FilesMode::Save && char16_t(std::towupper(name[0])) != name[0]) {
        const int answer = platformMessageBox(
            owner_,
            u"Script names must start with an upper case letter.\n\nWould you like to change the "
            u"first letter to uppercase?",
            u"Warning", PLATFORM_MB_YESNO);
        if (answer == PLATFORM_IDYES) name[0] = char16_t(std::towupper(name[0]));
    }
    result_ = inFolder(name);
    result_.append(extension());
    return kDialogConfirmed;
}

std::optional<int> FilesDialog::command(int id) {
    switch (id) {
        case kCmdFilesOk: return ok();
        case kCmdFilesMyDocuments: openFolder(documentsFolder()); break;
        case kCmdFilesScriptsDirectory: openFolder(scriptFolder_); break;
        case kCmdFilesCreateFolder: createFolder(); break;
        case kCmdFilesDeleteFile: deleteSelected(); break;
        default: break;
    }
    return std::nullopt;
}

void FilesDialog::createFolder() {
    char16_t text[kFilesNameLimit + 1] = {};
    PlatformPromptField field{u"Folder Name", text, int32_t(kFilesNameLimit + 1)};
    if (platformPromptDialog(owner_, u"Create Folder", &field, 1) != 1 || text[0] == 0) return;
    platformCreateFolder(inFolder(text).c_str());
    rebuild();
}

void FilesDialog::deleteSelected() {
    if (selected_ < 0) return;
    const FilesEntry entry = entries_[size_t(selected_)];
    if (confirmDeletion(owner_, entry.name) != PLATFORM_IDYES) return;
    bool done = true;
    switch (entry.icon) {
        case FilesIcon::Parent:
            platformMessageBox(owner_, u"Can't remove the root directory", u"Delete", PLATFORM_MB_OK);
            break;
        case FilesIcon::Folder: done = deleteFolderTree(inFolder(entry.name)); break;
        case FilesIcon::File:
            done = platformDeleteFile((inFolder(entry.name) + std::u16string(extension())).c_str()) == 1;
            break;
    }
    if (!done)
        platformMessageBox(owner_,
                           u"Can't delete this file.\nIt may be in use or have a file attribute "
                           u"which prevents deletion.",
                           u"Zeb Menu II", PLATFORM_MB_OK | PLATFORM_MB_ICONSTOP);
    rebuild();
}

std::optional<int> FilesDialog::back(uint32_t now) {
    if (lastBack_ && now - *lastBack_ < kBackKeyGapMs) return std::nullopt;
    lastBack_ = now;
    if (!hasNameField()) return kDialogCancelled;
    if (!nameFocused_)
        nameFocused_ = true;
    else if (!name_.empty())
        name_.pop_back();
    return std::nullopt;
}

std::optional<int> FilesDialog::enterPath(std::u16string_view typed) {
    if (typed.empty()) return ok();
    std::u16string path = typed[0] == u'/' ? std::u16string(typed) : inFolder(typed);
    if (path[0] == u'/') path = normalized(path);
    if (isFolder(path)) {
        // The typed text named the folder, not a file in it.
        name_.clear();
        openFolder(path);
        return std::nullopt;
    }
    if (mode_ == FilesMode::SelectFolder) return std::nullopt;
    const size_t slash = path.rfind(u'/');
    const std::u16string folder = path.substr(0, std::max<size_t>(slash, 1));
    if (!isFolder(folder)) return std::nullopt;
    openFolder(folder);
    return confirmName(path.substr(slash + 1, kFilesNameLimit));
}

int runFilesDialogByPrompts(PlatformWindow owner, FilesMode mode, std::u16string& path,
                            std::u16string scriptFolder) {
    FilesDialog dialog(mode, path, std::move(scriptFolder), owner);
    std::optional<int> closed;
    while (!closed) {
        if (dialog.hasNameField()) {
            char16_t text[kFilesNameLimit * 8] = {};
            PlatformPromptField field{u"Name", text, int32_t(std::size(text))};
            if (platformPromptDialog(owner, dialog.title().data(), &field, 1) != 1) return kDialogCancelled;
            closed = dialog.enterPath(text);
            continue;
        }
        std::vector<const char16_t*> items;
        for (const FilesEntry& entry : dialog.entries()) items.push_back(entry.name.c_str());
        const int32_t chosen = platformListDialog(owner, dialog.title().data(), items.data(),
                                                  int32_t(items.size()), -1);
        if (chosen < 0) return kDialogCancelled;
        dialog.select(chosen);
        closed = dialog.ok();
    }
    if (*closed == kDialogConfirmed) path = dialog.result();
    return *closed;
}

}  // namespace shell
