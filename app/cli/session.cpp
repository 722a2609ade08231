#include "session.h"

#include <readline/history.h>
#include <readline/readline.h>

#include <cstdlib>

#include "engine/messages.h"
#include "engine/text_export.h"
#include "platform/text.h"
#include "shell/engine_startup.h"

namespace cli {
namespace {

engine::ExportOptions exportOptions(const Options& options) {
    engine::ExportOptions e;
    e.answers = options.answers;
    e.formatCode = options.formatCode;
    e.polar = options.polar;
    e.lineEnd = options.crlf ? "\r\n" : "\n";
    return e;
}

}  // namespace

Session::Session(const Options& options) : options_(options) {
    document_.activeBlock().setDegrees(options.degrees);
}

bool Session::defineFunctions() {
    for (const FunctionDefinition& d : options_.definitions) {
        const uint16_t status = blocks().defineFunction(d.name, d.parameters, d.text);
        if (status != 0) {
            std::fprintf(stderr, "orvana-cli: --define %s: %s\n", orvana::toUtf8(d.name).c_str(),
                         orvana::toUtf8(engine::messageText(status)).c_str());
            return false;
        }
    }
    return true;
}

void Session::enter(const std::u16string& line) {
    // A new line is a new command.
    shell::beginUserAction();
    document_.setActive(blocks().count() - 1);
    document_.setEditText(line);
    lastExecuted_ = blocks().count() - 1;
    const shell::ListChange change = document_.exe(shell::ExeMode::Normal);
    // Dropping the oldest block past the limit moves the executed one up.
    lastExecuted_ -= change.dropped;
}

std::string Session::exportText() const {
    return engine::exportBlocks(document_.blocks(), exportOptions(options_));
}

std::string Session::lastAnswer() const {
    const engine::BlockList& blocks = document_.blocks();
    if (lastExecuted_ < 0 || lastExecuted_ >= blocks.count()) return "";
    engine::ExportOptions e = exportOptions(options_);
    e.answers = true;
    return engine::exportAnswer(blocks.block(lastExecuted_), e);
}

std::vector<std::u16string> readLines(std::FILE* in) {
    std::vector<std::u16string> lines;
    std::string line;
    int c;
    bool any = false;
    while ((c = std::fgetc(in)) != EOF) {
        any = true;
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(orvana::toUtf16(line));
            line.clear();
            any = false;
        } else {
            line.push_back(static_cast<char>(c));
        }
    }
    if (any) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(orvana::toUtf16(line));
    }
    return lines;
}

int runInteractive(Session& session) {
    using_history();
    for (;;) {
        char* raw = readline("orvana> ");
        if (raw == nullptr) {
            std::fputc('\n', stdout);  // end of input leaves the prompt's line
            break;
        }
        const std::string line = raw;
        std::free(raw);
        if (line == ":quit") break;
        if (!line.empty()) add_history(line.c_str());
        session.enter(orvana::toUtf16(line));
        std::fputs(session.lastAnswer().c_str(), stdout);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace cli
