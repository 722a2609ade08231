// Writing a whole file through a temporary file and a rename.
#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/text.h"

namespace {

using orvana::toUtf8;

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC;
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

// The file a path finally names: symbolic links are followed (a dangling one
// to the path it points at), so that saving through a link writes its target
// and leaves the link in place.
std::string followLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::string link(size_t(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || size_t(n) >= link.size()) break;
        link.resize(size_t(n));
        const size_t slash = path.rfind('/');
        if (link[0] == '/' || slash == std::string::npos)
            path = link;
        else
            path = path.substr(0, slash + 1) + link;
    }
    return path;
}

// The temporary file beside the target, renamed over it.
bool replaceThroughTemporary(const std::string& target, const char* data, size_t size) {
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    std::string temporary = folder + ".orvana-XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat existing;
    if (::stat(target.c_str(), &existing) == 0)
        ::fchmod(fd, existing.st_mode & 07777);
    else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    bool ok = writeAll(fd, data, size) && ::fsync(fd) == 0;
    int reason = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        reason = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        errno = reason;
    }
    return ok;
}

// Writing over an existing file where no file may be created beside it. The
// space is reserved first, so that a full disk leaves the old contents as
// they were.
bool overwriteInPlace(const std::string& target, const char* data, size_t size) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    int reason = 0;
    if (size > 0) reason = ::posix_fallocate(fd, 0, off_t(size));
    bool ok = reason == 0 || reason == EOPNOTSUPP || reason == EINVAL;
    if (ok) {
        ok = writeAll(fd, data, size) && ::ftruncate(fd, off_t(size)) == 0 && ::fsync(fd) == 0;
        reason = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = errno;
    }
    if (!ok) errno = reason;
    return ok;
}

}  // namespace

extern "C" int platformWriteFileAtomically(const char16_t* path, const void* data, size_t size) {
    if (path == nullptr || path[0] == 0 || (data == nullptr && size > 0)) {
        errno = EINVAL;
        return 0;
    }
    const std::string target = followLinks(toUtf8(path));
    const char* bytes = static_cast<const char*>(data);
    if (replaceThroughTemporary(target, bytes, size)) return 1;
    const int reason = errno;
    // A folder the user may not write can still hold a file the user may.
    struct stat st;
    const bool folderRefused = reason == EACCES || reason == EPERM;
    if (folderRefused && ::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::access(target.c_str(), W_OK) == 0)
        return overwriteInPlace(target, bytes, size) ? 1 : 0;
    errno = reason;
    return 0;
}
