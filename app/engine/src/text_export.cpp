#include "engine/text_export.h"

#include "engine/display_format.h"
#include "engine/messages.h"
#include "platform/atomic_file.h"
#include "platform/text.h"

namespace engine {
namespace {

using orvana::toUtf8;

bool failed(const EquationBlock& block) {
    return block.status() != 0 && block.status() != kCommentLine;
}

void writeAnswer(std::string& out, const EquationBlock& block, const std::u16string& format,
                 const ExportOptions& options) {
    const char* eol = options.lineEnd;
    if (failed(block)) {
        out.append("    \tError: ").append(toUtf8(messageText(block.status()))).append(eol);
        return;
    }
    const Matrix* answer = block.answer();
    if (answer == nullptr || block.status() == kCommentLine) return;
    if (answer->kind == LATTIX_KIND_STRING) {
        const auto* text = reinterpret_cast<const char16_t*>(answer->re);
        out.append("\t").append(text != nullptr ? toUtf8(text) : std::string()).append(eol);
        return;
    }
    if (answer->kind != LATTIX_KIND_SCALAR && answer->kind != LATTIX_KIND_MATRIX_VALUE) return;
    for (uint32_t r = 0; r < answer->rows; ++r) {
        out += "    ";
        for (uint32_t c = 0; c < answer->cols; ++c) {
            const size_t k = size_t(r) * answer->cols + c;
            out.append("\t").append(toUtf8(formatNumber(answer->re[k], answer->im[k], format.c_str(),
                                                      block.degrees(), options.polar)));
        }
        out += eol;
    }
}

}  // namespace

std::string exportAnswer(const EquationBlock& block, const ExportOptions& options) {
    std::string out;
    if (!block.text().empty())
        writeAnswer(out, block, formatStringFor(options.formatCode), options);
    return out;
}

std::string exportBlocks(const BlockList& blocks, const ExportOptions& options) {
    const std::u16string format = formatStringFor(options.formatCode);
    const char* eol = options.lineEnd;
    std::string out;
    for (int i = 0; i < blocks.count(); ++i) {
        const EquationBlock& block = blocks.block(i);
        if (!options.answers) {
            out.append(toUtf8(block.text())).append(eol);
            continue;
        }
        // The note is padded to 30 characters, not bytes.
        out.append("--").append(toUtf8(block.note()));
        if (block.note().size() < 30) out.append(30 - block.note().size(), '-');
        out.append(block.degrees() ? "D" : "R").append(eol);
        out.append(toUtf8(block.text())).append(eol);
        if (!block.text().empty()) writeAnswer(out, block, format, options);
        out += eol;
    }
    return out;
}

bool exportText(const BlockList& blocks, const char16_t* path, uint16_t formatCode, bool polar,
                PlatformWindow owner) {
    const int answer = platformMessageBox(
        owner, u"Save the equations and answers? (No saves only the equation text)",
        u"Save as Text", PLATFORM_MB_YESNO);
    ExportOptions options;
    options.answers = answer == PLATFORM_IDYES;
    options.formatCode = formatCode;
    options.polar = polar;
    const std::string text = exportBlocks(blocks, options);
    return platformWriteFileAtomically(path, text.data(), text.size()) == 1;
}

}  // namespace engine
