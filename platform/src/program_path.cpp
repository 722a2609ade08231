// The running program's own path, from the kernel's link to the executable.
#include "platform/program_path.h"

#include <unistd.h>

#include <algorithm>
#include <string>

#include "platform/text.h"

namespace {

// The program's path as UTF-8, or empty.
std::string executablePath() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
        if (n < 0) return {};
        if (static_cast<size_t>(n) < path.size()) {
            path.resize(static_cast<size_t>(n));
            return path;
        }
        if (path.size() > 65536) return {};
        path.resize(path.size() * 2);
    }
}

int32_t copyOut(const std::string& utf8, char16_t* buffer, int32_t capacity) {
    const std::u16string wide = orvana::toUtf16(utf8);
    const auto length = static_cast<int32_t>(wide.size());
    if (buffer != nullptr && capacity > 0) {
        const int32_t n = std::min(length, capacity - 1);
        std::copy_n(wide.data(), n, buffer);
        buffer[n] = 0;
    }
    return length;
}

}  // namespace

extern "C" {

int32_t platformProgramPath(char16_t* buffer, int32_t capacity) {
    if (buffer != nullptr && capacity > 0) buffer[0] = 0;
    const std::string path = executablePath();
    return path.empty() ? 0 : copyOut(path, buffer, capacity);
}

int32_t platformProgramFolder(char16_t* buffer, int32_t capacity) {
    if (buffer != nullptr && capacity > 0) buffer[0] = 0;
    std::string path = executablePath();
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return 0;
    path.resize(slash == 0 ? 1 : slash);
    return copyOut(path, buffer, capacity);
}

}  // extern "C"
