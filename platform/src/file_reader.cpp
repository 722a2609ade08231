// Reading files on POSIX.
#include "platform/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <string>

#include "platform/text.h"

struct PlatformReadFile {
    int fd = -1;
    uint64_t size = 0;
    uint64_t position = 0;
};

namespace {

using orvana::toUtf8;

}  // namespace

extern "C" {

PlatformReadFile* platformOpenFileForReading(const char16_t* path) {
    if (path == nullptr || path[0] == 0) return nullptr;
    const std::string narrow = toUtf8(path);
    const int fd = ::open(narrow.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto* file = new (std::nothrow) PlatformReadFile;
    if (file == nullptr) {
        ::close(fd);
        return nullptr;
    }
    file->fd = fd;
    file->size = uint64_t(info.st_size);
    return file;
}

size_t platformReadFileBytes(PlatformReadFile* file, void* out, size_t size) {
    if (file == nullptr || (out == nullptr && size > 0)) return 0;
    auto* bytes = static_cast<char*>(out);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(file->fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += size_t(n);
    }
    file->position += done;
    return done;
}

int platformSeekFile(PlatformReadFile* file, uint64_t offset) {
    if (file == nullptr || offset > uint64_t(INT64_MAX)) return 0;
    if (::lseek(file->fd, off_t(offset), SEEK_SET) < 0) return 0;
    file->position = offset;
    return 1;
}

uint64_t platformFilePosition(const PlatformReadFile* file) {
    return file != nullptr ? file->position : 0;
}

uint64_t platformFileSize(const PlatformReadFile* file) {
    return file != nullptr ? file->size : 0;
}

void platformCloseFile(PlatformReadFile* file) {
    if (file == nullptr) return;
    ::close(file->fd);
    delete file;
}

}  // extern "C"
