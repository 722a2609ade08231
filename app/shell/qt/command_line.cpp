#include "command_line.h"

namespace orvana::qt {

const char* windowUsage() {
    return "usage: orvana [WORKSPACE.ovw]\n"
           "       orvana --keys TEXT [--export FILE|-] [--screenshot FILE.png]\n"
           "              [--answers LIST] [--scale N] [WORKSPACE.ovw]\n"
           "  WORKSPACE.ovw       the Workspace to open (a running window opens it)\n"
           "  --keys TEXT         key mode: type TEXT into the window without showing it;\n"
           "                      {Enter} {BS} {Back} {F6}..{F10} {Up} {Down} {Left} {Right}\n"
           "                      {Cmd:N} {Click:X,Y} {Wait:N} are keys, other text is typed\n"
           "  --export FILE       key mode: write the Workspace as text (\"-\": standard output)\n"
           "  --screenshot FILE   key mode: write a PNG picture of the window\n"
           "  --answers LIST      key mode: comma-separated answers for boxes, prompts, menus\n"
           "  --scale N           draw at scale 1, 2 or 3\n"
           "  --version           the version\n"
           "  -h, --help          this text\n";
}

std::optional<WindowOptions> parseWindowOptions(const std::vector<std::string>& args,
                                                std::string& error) {
    WindowOptions options;
    bool haveWorkspace = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            return args[++i];
        };
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--keys") {
            if (!(options.keys = value())) return std::nullopt;
        } else if (arg == "--export") {
            if (!(options.exportPath = value())) return std::nullopt;
        } else if (arg == "--screenshot") {
            if (!(options.screenshot = value())) return std::nullopt;
        } else if (arg == "--answers") {
            if (!(options.answers = value())) return std::nullopt;
        } else if (arg == "--scale") {
            const auto n = value();
            if (!n) return std::nullopt;
            if (*n != "1" && *n != "2" && *n != "3") {
                error = "--scale takes 1, 2 or 3, not " + *n;
                return std::nullopt;
            }
            options.scale = (*n)[0] - '0';
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = "unknown option " + arg;
            return std::nullopt;
        } else {
            if (haveWorkspace) {
                error = "only one Workspace can be opened: " + arg;
                return std::nullopt;
            }
            options.workspace = arg;
            haveWorkspace = true;
        }
    }
    if (!options.keys && (options.exportPath || options.screenshot || options.answers)) {
        error = "--export, --screenshot and --answers go with --keys";
        return std::nullopt;
    }
    return options;
}

}  // namespace orvana::qt
