// orvana-cli: the engine in a terminal, for scripts, pipelines and quick
// answers.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cli_options.h"
#include "session.h"

int main(int argc, char** argv) {
    std::string error;
    const auto options = cli::parseOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "orvana-cli: %s (try --help)\n", error.c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(cli::usage(), stdout);
        return 0;
    }

    std::vector<std::u16string> fileLines;
    if (options->file) {
        std::FILE* in = *options->file == "-" ? stdin : std::fopen(options->file->c_str(), "rb");
        if (in == nullptr) {
            std::fprintf(stderr, "orvana-cli: cannot read %s\n", options->file->c_str());
            return 2;
        }
        fileLines = cli::readLines(in);
        if (in != stdin) std::fclose(in);
    }

    cli::Session session(*options);
    if (!session.defineFunctions()) return 2;

    if (!options->file && options->expressions.empty() && isatty(STDIN_FILENO))
        return cli::runInteractive(session);

    if (!options->file && options->expressions.empty()) fileLines = cli::readLines(stdin);
    for (const auto& line : options->expressions) session.enter(line);
    for (const auto& line : fileLines) session.enter(line);
    std::fputs(session.exportText().c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
