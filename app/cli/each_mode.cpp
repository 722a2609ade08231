#include "each_mode.h"

#include "engine/display_format.h"
#include "engine/messages.h"
#include "platform/text.h"
#include "terminal_backend.h"

namespace cli {
namespace {

using orvana::toUtf8;

std::string trimmed(const std::u16string& text) {
    const size_t start = text.find_first_not_of(u' ');
    return start == std::u16string::npos ? std::string() : toUtf8(text.substr(start));
}

// Enters one line and prints its answer; false when Ctrl-C stopped it.
bool enterAndPrint(Session& session, const std::u16string& line) {
    bool interrupted = false;
    {
        const EvaluationScope evaluation;
        session.enter(line);
        interrupted = evaluation.interrupted();
    }
    const engine::EquationBlock* block = session.lastBlock();
    const std::string answer =
        block != nullptr ? oneLineAnswer(*block, session.answerOptions()) : std::string();
    std::fputs((answer + "\n").c_str(), stdout);
    std::fflush(stdout);
    return !interrupted;
}

}  // namespace

std::string oneLineAnswer(const engine::EquationBlock& block, const engine::ExportOptions& options) {
    if (block.text().empty() || block.status() == engine::kCommentLine) return {};
    if (block.status() != 0) return "Error: " + toUtf8(engine::messageText(block.status()));
    const Matrix* answer = block.answer();
    if (answer == nullptr) return {};
    if (answer->kind == LATTIX_KIND_STRING) {
        const auto* text = reinterpret_cast<const char16_t*>(answer->re);
        return text != nullptr ? toUtf8(text) : std::string();
    }
    if (answer->kind != LATTIX_KIND_SCALAR && answer->kind != LATTIX_KIND_MATRIX_VALUE) return {};
    const std::u16string format = engine::formatStringFor(options.formatCode);
    auto element = [&](size_t k) {
        return trimmed(engine::formatNumber(answer->re[k], answer->im[k], format.c_str(),
                                            block.degrees(), options.polar));
    };
    if (answer->kind == LATTIX_KIND_SCALAR) return element(0);
    std::string out = "{";
    for (uint32_t r = 0; r < answer->rows; ++r) {
        if (r > 0) out += '|';
        for (uint32_t c = 0; c < answer->cols; ++c) {
            if (c > 0) out += ',';
            out += element(size_t(r) * answer->cols + c);
        }
    }
    return out + "}";
}

int runEach(Session& session, const std::vector<std::u16string>& first, std::FILE* in) {
    for (const std::u16string& line : first)
        if (!enterAndPrint(session, line)) return 130;
    if (in == nullptr) return 0;
    std::u16string line;
    while (readLine(in, line))
        if (!enterAndPrint(session, line)) return 130;
    return 0;
}

}  // namespace cli
