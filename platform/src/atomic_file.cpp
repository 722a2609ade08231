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
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

}  // namespace

extern "C" int platformWriteFileAtomically(const char16_t* path, const void* data, size_t size) {
    if (path == nullptr || path[0] == 0 || (data == nullptr && size > 0)) return 0;
    const std::string target = toUtf8(path);
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    std::string temporary = folder + (slash == std::string::npos ? "/" : "") + ".orvana-XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return 0;
    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat existing;
    if (::stat(target.c_str(), &existing) == 0)
        ::fchmod(fd, existing.st_mode & 07777);
    else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    bool ok = writeAll(fd, static_cast<const char*>(data), size) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok ? 1 : 0;
}
