#include "workspace_options.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace cli {

bool isWorkspaceOption(const std::string& arg) {
    return arg == "--save" || arg == "--run-from";
}

bool parseWorkspaceOption(int argc, const char* const* argv, int& i, WorkspaceOptions& options,
                          std::string& error) {
    const std::string name = argv[i];
    if (i + 1 >= argc) {
        error = "option " + name + " needs a value";
        return false;
    }
    const std::string value = argv[++i];
    if (name == "--save") {
        if (!isWorkspaceFile(value)) {
            error = "--save: the file name must end in .ovw: " + value;
            return false;
        }
        options.save = value;
        return true;
    }
    errno = 0;
    char* end = nullptr;
    const long n = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || errno != 0 || *end != '\0' || n < 1 || n > 1000) {
        error = "--run-from: not a block number: " + value;
        return false;
    }
    options.runFrom = int(n);
    return true;
}

bool isWorkspaceFile(const std::string& path) {
    if (path.size() <= 4) return false;
    std::string ending = path.substr(path.size() - 4);
    for (char& c : ending) c = char(std::tolower(static_cast<unsigned char>(c)));
    return ending == ".ovw";
}

const char* workspaceUsage() {
    return "  FILE.ovw               a Workspace: loaded fully, all blocks evaluated; -e lines\n"
           "                         are typed after its blocks\n"
           "  --save FILE.ovw        save the resulting Workspace (at the end of an\n"
           "                         interactive session too); through a symbolic link into\n"
           "                         its target\n"
           "  --run-from N           run the Workspace as a script from block N (1-based),\n"
           "                         as \"Run from here\" does; Ctrl-C stops it\n";
}

}  // namespace cli
