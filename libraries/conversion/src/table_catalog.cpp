#include "table_catalog.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/message_box.h"

namespace conversion {
namespace {

namespace fs = std::filesystem;

// The tables in one folder, in name order; names already taken from an
// earlier folder are skipped. Unreadable folders and names that are not
// valid text are passed over.
void addFolder(const fs::path& folder, std::vector<TableFile>& out) {
    std::vector<TableFile> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        if (path.extension() != ".cvt" || !it->is_regular_file(error)) continue;
        try {
            found.push_back({path.stem().u16string(), path.u16string()});
        } catch (...) {
        }
    }
    std::sort(found.begin(), found.end(),
              [](const TableFile& a, const TableFile& b) { return a.name < b.name; });
    for (TableFile& file : found) {
        const bool taken = std::any_of(out.begin(), out.end(), [&](const TableFile& known) {
            return known.name == file.name;
        });
        if (!taken) out.push_back(std::move(file));
    }
}

}  // namespace

std::vector<TableFile> findTableFiles(std::string_view modulePath) {
    std::vector<TableFile> files;
    const size_t separator = modulePath.rfind('/');
    if (separator == std::string_view::npos) {
        platformMessageBox(nullptr, u"ERROR", u"145", PLATFORM_MB_OK);
        return files;
    }
    const fs::path folder(std::string(modulePath.substr(0, separator + 1)));
    addFolder(folder, files);
    // The data folder of a tree whose programs and modules lie one level
    // down (bin/), and that of the install tree, whose modules lie in
    // lib/orvana/.
    addFolder(folder / ".." / "share" / "orvana", files);
    addFolder(folder / ".." / ".." / "share" / "orvana", files);
    return files;
}

std::string ownModulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&ownModulePath), &info) == 0 ||
        info.dli_fname == nullptr)
        return {};
    return info.dli_fname;
}

}  // namespace conversion
