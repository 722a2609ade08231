// The Workspace options of orvana-cli: saving the resulting Workspace and
// running it as a script from a block.
#ifndef ORVANA_CLI_WORKSPACE_OPTIONS_H
#define ORVANA_CLI_WORKSPACE_OPTIONS_H

#include <optional>
#include <string>

namespace cli {

struct WorkspaceOptions {
    std::optional<std::string> save;  // --save FILE.ovw
    std::optional<int> runFrom;       // --run-from N, 1-based
};

// True for the options parseWorkspaceOption takes.
bool isWorkspaceOption(const std::string& arg);
// Reads the option at argv[i] (and its value, advancing i). False with a
// one-line message in `error` for a missing or malformed value.
bool parseWorkspaceOption(int argc, const char* const* argv, int& i, WorkspaceOptions& options,
                          std::string& error);

// True when FILE names a Workspace file (it ends in ".ovw", in any case).
bool isWorkspaceFile(const std::string& path);

// The lines of the usage text for these options.
const char* workspaceUsage();

}  // namespace cli

#endif
