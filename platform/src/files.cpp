// File services on POSIX.
#include "platform/files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace {

// Empty when the path is null or empty.
std::string utf8Path(const char16_t* path) { return orvana::toUtf8(path); }

std::u16string widePath(const char* path) {
    std::u16string out(platformUtf8ToUtf16(path, nullptr, 0), u'\0');
    platformUtf8ToUtf16(path, out.data(), out.size() + 1);
    return out;
}

}  // namespace

extern "C" uint32_t platformFileAttributes(const char16_t* path) {
    const std::string narrow = utf8Path(path);
    struct stat info {};
    if (narrow.empty() || stat(narrow.c_str(), &info) != 0) return PLATFORM_FILE_NO_ATTRIBUTES;
    uint32_t attributes = 0;
    if (S_ISDIR(info.st_mode)) attributes |= PLATFORM_FILE_ATTRIBUTE_DIRECTORY;
    if (access(narrow.c_str(), W_OK) != 0) attributes |= PLATFORM_FILE_ATTRIBUTE_READONLY;
    struct stat link {};
    if (lstat(narrow.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
        attributes |= PLATFORM_FILE_ATTRIBUTE_LINK;
    return attributes != 0 ? attributes : PLATFORM_FILE_ATTRIBUTE_NORMAL;
}

struct PlatformFolderListing {
    struct Entry {
        std::u16string name;
        uint32_t attributes;
    };
    std::vector<Entry> entries;
};

extern "C" PlatformFolderListing* platformListFolder(const char16_t* folder) {
    const std::string narrow = utf8Path(folder);
    if (narrow.empty()) return nullptr;
    DIR* dir = opendir(narrow.c_str());
    if (dir == nullptr) return nullptr;
    auto listing = std::make_unique<PlatformFolderListing>();
    const std::string base = narrow.back() == '/' ? narrow : narrow + '/';
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        const std::u16string wideName = widePath(entry->d_name);
        const std::u16string full = widePath((base + entry->d_name).c_str());
        uint32_t attributes = platformFileAttributes(full.c_str());
        struct stat link {};
        // A link to nothing is listed as a plain link, so that it can be
        // deleted; something that vanished between the calls is left out.
        if (attributes == PLATFORM_FILE_NO_ATTRIBUTES &&
            lstat((base + entry->d_name).c_str(), &link) == 0 && S_ISLNK(link.st_mode))
            attributes = PLATFORM_FILE_ATTRIBUTE_LINK | PLATFORM_FILE_ATTRIBUTE_NORMAL;
        if (attributes == PLATFORM_FILE_NO_ATTRIBUTES) continue;
        listing->entries.push_back({wideName, attributes});
    }
    closedir(dir);
    std::sort(listing->entries.begin(), listing->entries.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    return listing.release();
}

extern "C" int32_t platformFolderEntryCount(const PlatformFolderListing* listing) {
    return listing == nullptr ? 0 : int32_t(listing->entries.size());
}

extern "C" const char16_t* platformFolderEntryName(const PlatformFolderListing* listing,
                                                   int32_t i) {
    if (listing == nullptr || i < 0 || size_t(i) >= listing->entries.size()) return nullptr;
    return listing->entries[size_t(i)].name.c_str();
}

extern "C" uint32_t platformFolderEntryAttributes(const PlatformFolderListing* listing,
                                                  int32_t i) {
    if (listing == nullptr || i < 0 || size_t(i) >= listing->entries.size())
        return PLATFORM_FILE_NO_ATTRIBUTES;
    return listing->entries[size_t(i)].attributes;
}

extern "C" void platformFreeFolderListing(PlatformFolderListing* listing) { delete listing; }

extern "C" int platformCreateFolder(const char16_t* path) {
    const std::string narrow = utf8Path(path);
    return !narrow.empty() && mkdir(narrow.c_str(), 0777) == 0 ? 1 : 0;
}

extern "C" int platformDeleteFile(const char16_t* path) {
    const std::string narrow = utf8Path(path);
    struct stat info {};
    if (narrow.empty() || lstat(narrow.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return 0;
    // A read-only file is made writable for its owner before it goes.
    if (!S_ISLNK(info.st_mode) && (info.st_mode & S_IWUSR) == 0)
        chmod(narrow.c_str(), info.st_mode | S_IWUSR);
    return unlink(narrow.c_str()) == 0 ? 1 : 0;
}

extern "C" int platformRemoveFolder(const char16_t* path) {
    const std::string narrow = utf8Path(path);
    return !narrow.empty() && rmdir(narrow.c_str()) == 0 ? 1 : 0;
}
