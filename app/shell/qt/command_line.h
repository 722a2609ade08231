// The window program's command line: one optional Workspace path, and the
// options of key mode (tests, scripts and pictures for the documentation).
#ifndef ORVANA_SHELL_QT_COMMAND_LINE_H
#define ORVANA_SHELL_QT_COMMAND_LINE_H

#include <optional>
#include <string>
#include <vector>

namespace orvana::qt {

struct WindowOptions {
    std::string workspace;                  // the one optional path
    std::optional<std::string> keys;        // key mode when set
    std::optional<std::string> exportPath;  // "-" is standard output
    std::optional<std::string> screenshot;
    std::optional<std::string> answers;
    int scale = 0;  // 0: chosen from the screen
    bool help = false;
    bool version = false;
};

// Parses the arguments (without the program name). Returns nothing and sets
// `error` for an unknown option, a missing value, a scale outside 1..3, two
// Workspace paths, or key-mode options without --keys.
std::optional<WindowOptions> parseWindowOptions(const std::vector<std::string>& args,
                                                std::string& error);

// The text of --help.
const char* windowUsage();

}  // namespace orvana::qt

#endif
