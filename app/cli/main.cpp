// orvana-cli: the engine in a terminal, for scripts, pipelines and quick
// answers.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "cli_options.h"
#include "each_mode.h"
#include "graph_output.h"
#include "interactive_session.h"
#include "platform/text.h"
#include "session.h"
#include "shell/engine_startup.h"
#include "terminal_backend.h"
#include "workspace_options.h"
#include "workspace_session.h"

namespace {

int fail(const std::string& message, int status = 2) {
    std::fprintf(stderr, "orvana-cli: %s\n", message.c_str());
    return status;
}

// A FILE or --script-dir that cannot serve, as a one-line reason.
bool checkPaths(const cli::Options& options, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code code;
    if (options.file && *options.file != "-" && fs::is_directory(*options.file, code)) {
        error = *options.file + " is a folder, not a file";
        return false;
    }
    if (!fs::is_directory(options.scriptDir, code)) {
        error = "--script-dir: no such folder: " + options.scriptDir;
        return false;
    }
    return true;
}

void reportMissingKeypads() {
    std::string where;
    for (const std::string& folder : shell::keypadFolders())
        where += (where.empty() ? "" : " and ") + folder;
    std::fprintf(stderr, "orvana-cli: no keypads found (looked in %s); only the built-in names work\n",
                 where.empty() ? "no folder: the program's own folder is unknown" : where.c_str());
}

// Every line entered, Ctrl-C stopping the run; the lines not entered are
// counted in `skipped`.
bool enterAll(cli::Session& session, const std::vector<std::u16string>& lines, size_t& skipped) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const cli::EvaluationScope evaluation;
        session.enter(lines[i]);
        if (evaluation.interrupted()) {
            skipped += lines.size() - i - 1;
            return false;
        }
    }
    return true;
}

bool runFrom(cli::Session& session, const cli::Options& options, std::string& error) {
    const cli::EvaluationScope evaluation;
    return cli::runWorkspaceFrom(session.blocks(), *options.workspace.runFrom, error);
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = cli::parseOptions(argc, argv, error);
    if (!options) return fail(error + " (try --help)");
    if (options->help) {
        std::fputs(cli::usage(), stdout);
        std::fputs(cli::workspaceUsage(), stdout);
        std::fputs(cli::graphUsage(), stdout);
        std::fputs(cli::otherUsage(), stdout);
        return 0;
    }
    if (options->version) {
        std::printf("orvana-cli %s\n", ORVANA_VERSION);
        return 0;
    }
    if (!checkPaths(*options, error)) return fail(error);

    const bool workspaceFile = options->file && cli::isWorkspaceFile(*options->file);
    const bool fromStdin = !options->file || *options->file == "-";
    std::FILE* in = stdin;
    if (!fromStdin && !workspaceFile) {
        in = std::fopen(options->file->c_str(), "rb");
        if (in == nullptr) return fail("cannot read " + *options->file + ": " + std::strerror(errno));
    }
    const bool interactive = !options->each && options->expressions.empty() &&
                             (!options->file || workspaceFile) && isatty(STDIN_FILENO);

    const shell::EngineStartup engine(orvana::toUtf16(options->scriptDir));
    if (engine.librariesLoaded() == 0) reportMissingKeypads();
    cli::Session session(*options);
    cli::installTerminalBackend();
    if (workspaceFile) {
        const cli::EvaluationScope evaluation;
        if (!cli::loadWorkspaceFile(session.document(), *options->file, error)) return fail(error);
        cli::openEmptyLastBlock(session.document());
    }
    if (!session.defineFunctions()) return 2;

    if (interactive) {
        if (options->workspace.runFrom && !runFrom(session, *options, error)) return fail(error);
        if (workspaceFile) std::fputs(session.exportText().c_str(), stdout);
        const std::optional<std::string> file =
            workspaceFile ? options->file : std::optional<std::string>();
        return cli::runInteractive(session, *options, file);
    }

    if (options->each) {
        const bool readInput = !workspaceFile && (options->file || options->expressions.empty());
        const int status = cli::runEach(session, options->expressions, readInput ? in : nullptr);
        if (in != stdin) std::fclose(in);
        if (status != 0) return fail("interrupted", status);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    std::vector<std::u16string> fileLines;
    if (!workspaceFile && (options->file || options->expressions.empty()))
        fileLines = cli::readLines(in);
    if (in != stdin) std::fclose(in);
    size_t skipped = 0;
    bool complete = enterAll(session, options->expressions, skipped);
    if (complete)
        complete = enterAll(session, fileLines, skipped);
    else
        skipped += fileLines.size();
    if (complete && options->workspace.runFrom && !runFrom(session, *options, error))
        return fail(error);
    if (!cli::checkGraphBlocks(session.blocks(), options->graph, error)) return fail(error);
    cli::markGraphBlocks(session.blocks(), options->graph);
    std::fputs(session.exportText().c_str(), stdout);
    std::fflush(stdout);
    if (session.droppedBlocks() > 0)
        std::fprintf(stderr,
                     "orvana-cli: the %d oldest blocks were dropped (a Workspace keeps 101); "
                     "--each prints every answer\n",
                     session.droppedBlocks());
    if (!complete)
        return fail("interrupted: " + std::to_string(skipped) +
                        " line(s) not evaluated; nothing saved or written",
                    130);
    if (options->workspace.save &&
        !cli::saveWorkspaceFile(session.blocks(), *options->workspace.save, error))
        return fail(error, 1);
    if (const int status = cli::writeCurves(session.blocks(), options->graph); status != 0)
        return status;
    return std::fflush(stdout) == 0 ? 0 : 1;
}
