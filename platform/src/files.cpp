// File services on POSIX.
#include "platform/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/text.h"

namespace {

// Empty when the path is null or empty.
std::string utf8Path(const char16_t* path) { return orvana::toUtf8(path); }

}  // namespace

extern "C" uint32_t platformFileAttributes(const char16_t* path) {
    const std::string narrow = utf8Path(path);
    struct stat info {};
    if (narrow.empty() || stat(narrow.c_str(), &info) != 0) return PLATFORM_FILE_NO_ATTRIBUTES;
    uint32_t attributes = 0;
    if (S_ISDIR(info.st_mode)) attributes |= PLATFORM_FILE_ATTRIBUTE_DIRECTORY;
    if (access(narrow.c_str(), W_OK) != 0) attributes |= PLATFORM_FILE_ATTRIBUTE_READONLY;
    return attributes != 0 ? attributes : PLATFORM_FILE_ATTRIBUTE_NORMAL;
}
