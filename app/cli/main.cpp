// orvana-cli: the engine in a terminal, for scripts, pipelines and quick
// answers.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cli_options.h"
#include "graph_output.h"
#include "platform/text.h"
#include "session.h"
#include "shell/engine_startup.h"
#include "workspace_options.h"
#include "workspace_session.h"

int main(int argc, char** argv) {
    std::string error;
    const auto options = cli::parseOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "orvana-cli: %s (try --help)\n", error.c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(cli::usage(), stdout);
        std::fputs(cli::graphUsage(), stdout);
        std::fputs(cli::workspaceUsage(), stdout);
        return 0;
    }

    std::vector<std::u16string> fileLines;
    const bool workspaceFile = options->file && cli::isWorkspaceFile(*options->file);
    if (options->file && !workspaceFile) {
        std::FILE* in = *options->file == "-" ? stdin : std::fopen(options->file->c_str(), "rb");
        if (in == nullptr) {
            std::fprintf(stderr, "orvana-cli: cannot read %s\n", options->file->c_str());
            return 2;
        }
        fileLines = cli::readLines(in);
        if (in != stdin) std::fclose(in);
    }

    const shell::EngineStartup engine(orvana::toUtf16(options->scriptDir));
    cli::Session session(*options);
    cli::installTerminalBackend();
    if (workspaceFile) {
        if (!cli::loadWorkspaceFile(session.document(), *options->file, error)) {
            std::fprintf(stderr, "orvana-cli: %s\n", error.c_str());
            return 2;
        }
        cli::openEmptyLastBlock(session.document());
    }
    if (!session.defineFunctions()) return 2;

    if (!options->file && options->expressions.empty() && isatty(STDIN_FILENO))
        return cli::runInteractive(session);

    if (!options->file && options->expressions.empty()) fileLines = cli::readLines(stdin);
    for (const auto& line : options->expressions) session.enter(line);
    for (const auto& line : fileLines) session.enter(line);
    if (options->workspace.runFrom &&
        !cli::runWorkspaceFrom(session.blocks(), *options->workspace.runFrom, error)) {
        std::fprintf(stderr, "orvana-cli: %s\n", error.c_str());
        return 2;
    }
    if (!cli::checkGraphBlocks(session.blocks(), options->graph, error)) {
        std::fprintf(stderr, "orvana-cli: %s\n", error.c_str());
        return 2;
    }
    cli::markGraphBlocks(session.blocks(), options->graph);
    std::fputs(session.exportText().c_str(), stdout);
    if (options->workspace.save &&
        !cli::saveWorkspaceFile(session.blocks(), *options->workspace.save, error)) {
        std::fprintf(stderr, "orvana-cli: %s\n", error.c_str());
        return 1;
    }
    if (const int status = cli::writeCurves(session.blocks(), options->graph); status != 0)
        return status;
    return std::fflush(stdout) == 0 ? 0 : 1;
}
