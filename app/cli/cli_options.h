// The command line of orvana-cli.
#ifndef ORVANA_CLI_OPTIONS_H
#define ORVANA_CLI_OPTIONS_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graph_options.h"
#include "workspace_options.h"

namespace cli {

struct FunctionDefinition {
    std::u16string name;
    int parameters = 0;
    std::u16string text;
};

struct Options {
    std::vector<std::u16string> expressions;  // -e, in order
    std::optional<std::string> file;          // FILE, "-" for standard input
    uint16_t formatCode = 0x0005;
    bool polar = false;
    bool degrees = false;
    std::string scriptDir = ".";
    bool crlf = false;
    bool answers = true;
    bool help = false;
    bool version = false;
    bool each = false;  // one answer per line
    std::vector<FunctionDefinition> definitions;
    GraphOptions graph;  // --graph, --range, --curves, --graph-command
    WorkspaceOptions workspace;  // --save, --run-from
};

// Parses argv; on failure returns nothing and sets `error` to a one-line
// message.
std::optional<Options> parseOptions(int argc, const char* const* argv, std::string& error);

// The usage text: its input, display and files groups; the graph and
// Workspace options follow, then otherUsage.
const char* usage();
const char* otherUsage();

// True for the display format codes the Format dialog can give.
bool isFormatCode(uint16_t code);

}  // namespace cli

#endif
