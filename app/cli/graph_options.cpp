#include "graph_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace cli {
namespace {

struct NamedCommand {
    const char* name;
    shell::GraphCommand command;
};

constexpr NamedCommand kCommands[] = {
    {"zoom-in", shell::GraphCommand::ZoomIn},
    {"zoom-out", shell::GraphCommand::ZoomOut},
    {"zoom-out-4x", shell::GraphCommand::ZoomOut4x},
    {"autoscale", shell::GraphCommand::Autoscale},
    {"scale-y", shell::GraphCommand::ScaleY},
    {"default-axes", shell::GraphCommand::DefaultAxes},
    {"undo-scaling", shell::GraphCommand::UndoScaling},
};

bool parseInteger(const std::string& text, long low, long high, int& value) {
    if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ') return false;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < low || v > high) return false;
    value = int(v);
    return true;
}

// N[:C]
bool parseGraphBlock(const std::string& text, GraphBlock& block) {
    const size_t colon = text.find(':');
    if (!parseInteger(text.substr(0, colon), 1, 1000000, block.block)) return false;
    block.colour = 1;
    return colon == std::string::npos || parseInteger(text.substr(colon + 1), 1, 7, block.colour);
}

bool parseRange(const std::string& text, std::array<double, 4>& range) {
    const char* p = text.c_str();
    for (int k = 0; k < 4; ++k) {
        if (*p == '\0' || *p == ',' || *p == ' ') return false;
        errno = 0;
        char* end = nullptr;
        range[k] = std::strtod(p, &end);
        if (end == p || errno == ERANGE) return false;
        if (*end != (k < 3 ? ',' : '\0')) return false;
        if (!std::isfinite(range[k])) return false;
        p = end + (k < 3 ? 1 : 0);
    }
    return range[0] < range[1] && range[2] < range[3];
}

}  // namespace

bool isGraphOption(const std::string& arg) {
    return arg == "--graph" || arg == "--range" || arg == "--curves" || arg == "--graph-command";
}

bool parseGraphOption(int argc, const char* const* argv, int& i, GraphOptions& options,
                      std::string& error) {
    const std::string name = argv[i];
    if (i + 1 >= argc) {
        error = "option " + name + " needs a value";
        return false;
    }
    const std::string value = argv[++i];
    if (name == "--graph") {
        GraphBlock block;
        if (!parseGraphBlock(value, block)) {
            error =
                "--graph: expected N[:C] with a block N from 1 and a colour C of 1 to 7, got: " +
                value;
            return false;
        }
        options.blocks.push_back(block);
    } else if (name == "--range") {
        std::array<double, 4> range{};
        if (!parseRange(value, range)) {
            error = "--range: expected XMIN,XMAX,YMIN,YMAX with XMIN < XMAX and YMIN < YMAX, got: " +
                    value;
            return false;
        }
        options.range = range;
    } else if (name == "--curves") {
        if (value.empty()) {
            error = "--curves: expected a file name or -";
            return false;
        }
        options.curvesFile = value;
    } else {
        for (const NamedCommand& c : kCommands) {
            if (value == c.name) {
                options.commands.push_back(c.command);
                return true;
            }
        }
        error = "--graph-command: unknown command: " + value;
        return false;
    }
    return true;
}

const char* graphUsage() {
    return "\n"
           "Graph:\n"
           "  --graph N[:C]          mark block N (from 1) for graphing with colour C (1 to 7,\n"
           "                         default 1); repeatable\n"
           "  --range XMIN,XMAX,YMIN,YMAX  the graph range before sampling\n"
           "                         (default -18,18,-10,10)\n"
           "  --curves FILE          sample the graph and write its curves as CSV\n"
           "                         (curve,block,colour,x,y,line,mark,pen,label; y empty\n"
           "                         for a gap, pen 0 where no line leads to the point,\n"
           "                         empty without pen bytes); \"-\" writes\n"
           "                         them to standard output after the export\n"
           "  --graph-command NAME   a range command applied before writing: zoom-in,\n"
           "                         zoom-out, zoom-out-4x, autoscale, scale-y, default-axes,\n"
           "                         undo-scaling; repeatable, in order\n";
}

}  // namespace cli
