#include "cli_options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/text.h"

namespace cli {

const char* usage() {
    return "usage: orvana-cli [options] [FILE]\n"
           "Each line is a block of the Workspace, as typed on the keypad and entered with\n"
           "EXE. With no FILE and no -e on a terminal, an interactive session starts (type\n"
           ":help there); a Workspace FILE without -e on a terminal opens it and goes on\n"
           "interactively. Otherwise the Workspace is printed as text at the end.\n"
           "\n"
           "Input:\n"
           "  -e TEXT                one block's text; repeatable; run before FILE's lines\n"
           "  FILE                   a text file (\"-\" for standard input), one block per\n"
           "                         line, or a Workspace file (.ovw, any case)\n"
           "  --each                 one answer per input line, printed as soon as it is\n"
           "                         computed, nothing else (errors as \"Error: message\")\n"
           "  --define NAME[/N]=TEXT define a user function of N parameters (0 to 3)\n"
           "  --deg                  the first block in degree mode (later blocks inherit it)\n"
           "\n"
           "Display:\n"
           "  --format CODE          the display format, decimal or 0x hex (default 0x0005):\n"
           "                         the high byte is the kind, the low byte the digits:\n"
           "                         0 Floating, 1 Scientific, 2 Engineering, 5 Fixed with\n"
           "                         digits 0 (Auto), 2, 3, 4, 5, 6, 8, 10 or 14;\n"
           "                         3 Fractions with a tolerance of 1/2^7, 1/2^10 or\n"
           "                         1/2^20 (digits 7, 10, 20); 4 Hexadecimal (digits as\n"
           "                         Floating). 0x0103 shows 1234 as 1.23E+003\n"
           "  --polar                complex answers in polar form\n"
           "  --no-answers           only the block texts\n"
           "  --crlf                 CR LF line ends instead of LF\n"
           "\n"
           "Files:\n"
           "  --script-dir DIR       the folder for Workspace calls (default: current folder)\n";
}

const char* otherUsage() {
    return "\n"
           "Other:\n"
           "  --version              the version\n"
           "  -h, --help             this text\n";
}

bool isFormatCode(uint16_t code) {
    const int kind = code >> 8;
    const int digits = code & 0xFF;
    if (kind == 3) return digits == 7 || digits == 10 || digits == 20;
    if (kind > 5) return false;
    for (int allowed : {0, 2, 3, 4, 5, 6, 8, 10, 14})
        if (digits == allowed) return true;
    return false;
}

namespace {

bool parseFormatCode(const char* text, uint16_t& code) {
    if (*text == '\0') return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 0);
    if (errno != 0 || *end != '\0' || value > 0xFFFF || text[0] == '-') return false;
    code = static_cast<uint16_t>(value);
    return isFormatCode(code);
}

// NAME[/N]=TEXT
bool parseDefinition(const std::string& text, FunctionDefinition& definition) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0) return false;
    std::string head = text.substr(0, equals);
    const size_t slash = head.find('/');
    if (slash != std::string::npos) {
        const std::string count = head.substr(slash + 1);
        if (count.size() != 1 || count[0] < '0' || count[0] > '3') return false;
        definition.parameters = count[0] - '0';
        head = head.substr(0, slash);
    }
    if (head.empty()) return false;
    definition.name = orvana::toUtf16(head);
    definition.text = orvana::toUtf16(text.substr(equals + 1));
    return true;
}

}  // namespace

std::optional<Options> parseOptions(int argc, const char* const* argv, std::string& error) {
    Options options;
    auto value = [&](int& i, const char* name) -> const char* {
        if (i + 1 >= argc) {
            error = std::string("option ") + name + " needs a value";
            return nullptr;
        }
        return argv[++i];
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-e") {
            const char* text = value(i, "-e");
            if (text == nullptr) return std::nullopt;
            options.expressions.push_back(orvana::toUtf16(text));
        } else if (arg == "--format") {
            const char* text = value(i, "--format");
            if (text == nullptr) return std::nullopt;
            if (!parseFormatCode(text, options.formatCode)) {
                error = std::string("--format: not a display format (see --help): ") + text;
                return std::nullopt;
            }
        } else if (arg == "--each") {
            options.each = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--polar") {
            options.polar = true;
        } else if (arg == "--deg") {
            options.degrees = true;
        } else if (arg == "--script-dir") {
            const char* text = value(i, "--script-dir");
            if (text == nullptr) return std::nullopt;
            options.scriptDir = text;
        } else if (arg == "--crlf") {
            options.crlf = true;
        } else if (arg == "--no-answers") {
            options.answers = false;
        } else if (arg == "--define") {
            const char* text = value(i, "--define");
            if (text == nullptr) return std::nullopt;
            FunctionDefinition definition;
            if (!parseDefinition(text, definition)) {
                error = std::string("--define: expected NAME[/N]=TEXT, got: ") + text;
                return std::nullopt;
            }
            options.definitions.push_back(std::move(definition));
        } else if (isWorkspaceOption(arg)) {
            if (!parseWorkspaceOption(argc, argv, i, options.workspace, error)) return std::nullopt;
        } else if (isGraphOption(arg)) {
            if (!parseGraphOption(argc, argv, i, options.graph, error)) return std::nullopt;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option: " + arg;
            return std::nullopt;
        } else if (options.file) {
            error = "only one FILE may be given";
            return std::nullopt;
        } else {
            options.file = arg;
        }
    }
    return options;
}

}  // namespace cli
