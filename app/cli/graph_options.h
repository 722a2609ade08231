// The graph options of orvana-cli: which blocks to graph, the range, the
// range commands to apply and where the curve data go.
#ifndef ORVANA_CLI_GRAPH_OPTIONS_H
#define ORVANA_CLI_GRAPH_OPTIONS_H

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "shell/graph_model.h"

namespace cli {

struct GraphBlock {
    int block = 0;   // 1-based
    int colour = 1;  // 1..7
};

struct GraphOptions {
    std::vector<GraphBlock> blocks;              // --graph, in order
    std::optional<std::array<double, 4>> range;  // --range xmin,xmax,ymin,ymax
    std::optional<std::string> curvesFile;       // --curves, "-" for standard output
    std::vector<shell::GraphCommand> commands;   // --graph-command, in order
};

// True for the options parseGraphOption takes.
bool isGraphOption(const std::string& arg);
// Reads the graph option at argv[i] (and its value, advancing i). False with
// a one-line message in `error` for a missing or malformed value.
bool parseGraphOption(int argc, const char* const* argv, int& i, GraphOptions& options,
                      std::string& error);

// The lines of the usage text for these options.
const char* graphUsage();

}  // namespace cli

#endif
