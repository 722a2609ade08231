#include "interactive_session.h"

#include <poll.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <readline/history.h>
#include <readline/readline.h>

#include "failure_pointer.h"
#include "graph_output.h"
#include "platform/text.h"
#include "prompt_commands.h"
#include "terminal_backend.h"
#include "workspace_session.h"

namespace cli {
namespace {

constexpr int kHistoryLines = 1000;
constexpr char kPrompt[] = "orvana> ";

// A Ctrl-C at the prompt arrives as a signal, not as a key: the key reader
// waits for the terminal and for the signal alike, and hands the editor a
// Ctrl-C key for it, bound to clearing the line.
constexpr int kInterruptKey = 3;

int readKey(FILE* stream) {
    for (;;) {
        if (takePromptInterrupt()) return kInterruptKey;
        pollfd wait[2] = {{fileno(stream), POLLIN, 0}, {promptWakeDescriptor(), POLLIN, 0}};
        const int ready = poll(wait, wait[1].fd >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno != EINTR) return EOF;
        if (ready > 0 && wait[0].revents != 0) return rl_getc(stream);
    }
}

int clearLine(int, int) {
    rl_replace_line("", 0);
    std::fputs("^C\n", rl_outstream != nullptr ? rl_outstream : stdout);
    rl_on_new_line();
    return 0;
}

class History {
public:
    History() : path_(historyPath()) {
        using_history();
        stifle_history(kHistoryLines);
        if (!path_.empty()) read_history(path_.c_str());
    }
    ~History() {
        if (path_.empty()) return;
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
        write_history(path_.c_str());
    }
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    void add(const std::string& line) {
        if (line.empty()) return;
        const HIST_ENTRY* last = history_length > 0 ? history_get(history_base + history_length - 1)
                                                   : nullptr;
        if (last == nullptr || line != last->line) add_history(line.c_str());
    }

private:
    std::string path_;
};

// One line from the prompt; false at the end of input.
bool prompt(std::string& line) {
    setPromptReading(true);
    char* raw = readline(kPrompt);
    setPromptReading(false);
    takePromptInterrupt();
    if (raw == nullptr) return false;
    line = raw;
    std::free(raw);
    return true;
}

// The session's end: the --save file and the --curves.
int finish(Session& session, const Options& options) {
    int status = 0;
    std::string error;
    if (options.workspace.save) {
        if (saveWorkspaceFile(session.blocks(), *options.workspace.save, error))
            std::printf("saved %s\n", options.workspace.save->c_str());
        else {
            std::fprintf(stderr, "orvana-cli: %s\n", error.c_str());
            status = 1;
        }
    }
    if (options.graph.curvesFile) {
        if (!checkGraphBlocks(session.blocks(), options.graph, error)) {
            std::fprintf(stderr, "orvana-cli: %s\n", error.c_str());
            return 2;
        }
        markGraphBlocks(session.blocks(), options.graph);
        if (const int written = writeCurves(session.blocks(), options.graph); written != 0)
            status = written;
    }
    return status;
}

}  // namespace

std::string historyPath() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/') return std::string(state) + "/orvana/history";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return std::string(home) + "/.local/state/orvana/history";
    return {};
}

int runInteractive(Session& session, const Options& options,
                   const std::optional<std::string>& workspaceFile) {
    std::printf("orvana-cli %s. Type :help for help, :quit to leave.\n", ORVANA_VERSION);
    std::fflush(stdout);
    rl_getc_function = readKey;
    rl_bind_key(kInterruptKey, clearLine);
    History history;
    SessionFile file;
    file.path = options.workspace.save ? options.workspace.save : workspaceFile;
    std::string line;
    for (;;) {
        if (!prompt(line)) {
            std::fputc('\n', stdout);  // end of input leaves the prompt's line
            break;
        }
        history.add(line);
        const CommandOutcome outcome = runPromptCommand(line, session, file);
        if (outcome == CommandOutcome::Quit) break;
        if (outcome == CommandOutcome::Done) continue;
        {
            const EvaluationScope evaluation;
            session.enter(orvana::toUtf16(line));
        }
        if (const engine::EquationBlock* block = session.lastBlock())
            std::fputs(caretUnderFailure(*block, sizeof kPrompt - 1).c_str(), stdout);
        std::fputs(session.lastAnswer().c_str(), stdout);
        std::fputs(calledWorkspaceFailure().c_str(), stdout);
        std::fflush(stdout);
    }
    std::fflush(stdout);
    return finish(session, options);
}

}  // namespace cli
