#include "session.h"

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
    lastExecuted_ = blocks().count() - 1;
    if (line.size() > engine::kBlockTextLimit) {
        // Longer than a block can be typed: kept, marked 7, never evaluated.
        blocks().block(lastExecuted_).keepText(line);
        if (blocks().appendEmpty()) {
            --lastExecuted_;
            ++dropped_;
        }
        document_.setActive(blocks().count() - 1);
        return;
    }
    document_.setEditText(line);
    const shell::ListChange change = document_.exe(shell::ExeMode::Normal);
    // Dropping the oldest block past the limit moves the executed one up.
    lastExecuted_ -= change.dropped;
    dropped_ += change.dropped;
}

const engine::EquationBlock* Session::lastBlock() const {
    const engine::BlockList& blocks = document_.blocks();
    if (lastExecuted_ < 0 || lastExecuted_ >= blocks.count()) return nullptr;
    return &blocks.block(lastExecuted_);
}

std::string Session::exportText() const {
    return engine::exportBlocks(document_.blocks(), exportOptions(options_));
}

engine::ExportOptions Session::answerOptions() const {
    engine::ExportOptions e = exportOptions(options_);
    e.answers = true;
    return e;
}

std::string Session::lastAnswer() const {
    const engine::EquationBlock* block = lastBlock();
    return block != nullptr ? engine::exportAnswer(*block, answerOptions()) : "";
}

bool readLine(std::FILE* in, std::u16string& out) {
    std::string line;
    int c;
    bool any = false;
    while ((c = std::fgetc(in)) != EOF) {
        any = true;
        if (c == '\n') break;
        line.push_back(static_cast<char>(c));
    }
    if (!any) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out = orvana::toUtf16(line);
    return true;
}

std::vector<std::u16string> readLines(std::FILE* in) {
    std::vector<std::u16string> lines;
    std::u16string line;
    while (readLine(in, line)) lines.push_back(line);
    return lines;
}

}  // namespace cli
