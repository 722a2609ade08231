#include "prompt_commands.h"

#include <cstdio>

#include "help_lookup.h"
#include "workspace_options.h"
#include "workspace_session.h"

namespace cli {
namespace {

// The command word and the rest of the line after the blanks that follow it.
void split(const std::string& line, std::string& word, std::string& argument) {
    const size_t blank = line.find_first_of(" \t");
    word = line.substr(0, blank);
    argument.clear();
    if (blank == std::string::npos) return;
    const size_t start = line.find_first_not_of(" \t", blank);
    if (start == std::string::npos) return;
    const size_t end = line.find_last_not_of(" \t");
    argument = line.substr(start, end - start + 1);
}

void save(Session& session, SessionFile& file, const std::string& argument) {
    if (!argument.empty()) {
        if (!isWorkspaceFile(argument)) {
            std::fprintf(stderr, ":save: the file name must end in .ovw: %s\n", argument.c_str());
            return;
        }
        file.path = argument;
    }
    if (!file.path) {
        std::fputs(":save: no file yet: give one, as in :save work.ovw\n", stderr);
        return;
    }
    std::string error;
    if (!saveWorkspaceFile(session.blocks(), *file.path, error)) {
        std::fprintf(stderr, ":save: %s\n", error.c_str());
        return;
    }
    std::printf("saved %s\n", file.path->c_str());
}

}  // namespace

const char* promptHelp() {
    return "Type an expression and press Enter: it becomes a block and its answer is shown.\n"
           "Commands:\n"
           "  :help              this text\n"
           "  :help NAME         the help text of a function or keyword, e.g. :help sin\n"
           "  :functions         every name the main program and the keypads answer\n"
           "  :save [FILE.ovw]   save the Workspace (to FILE, or to the session's file)\n"
           "  :quit              leave (end of input, Ctrl-D, leaves too)\n"
           "Keys:\n"
           "  Up, Down           earlier lines (kept between sessions)\n"
           "  Ctrl-C             clear the line; during an evaluation, stop it\n"
           "  Ctrl-D             leave, on an empty line\n";
}

CommandOutcome runPromptCommand(const std::string& line, Session& session, SessionFile& file) {
    if (line.empty() || line[0] != ':') return CommandOutcome::NotACommand;
    std::string word, argument;
    split(line, word, argument);
    if (word == ":quit" || word == ":q") return CommandOutcome::Quit;
    if (word == ":save") {
        save(session, file, argument);
    } else if (word == ":help" && argument.empty()) {
        std::fputs(promptHelp(), stdout);
    } else if (word == ":help") {
        std::string text;
        if (helpText(argument, text))
            std::printf("%s\n", text.c_str());
        else
            std::fprintf(stderr, ":help: no function or keyword named %s\n", argument.c_str());
    } else if (word == ":functions") {
        std::fputs(functionList().c_str(), stdout);
    } else {
        std::fprintf(stderr, "unknown command %s (try :help)\n", word.c_str());
    }
    std::fflush(stdout);
    return CommandOutcome::Done;
}

}  // namespace cli
