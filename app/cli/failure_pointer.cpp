#include "failure_pointer.h"

#include <algorithm>

#include "engine/call_failure.h"
#include "engine/compile_failure.h"
#include "platform/text.h"

namespace cli {
namespace {

// Terminal columns of UTF-16 text: one per character, a surrogate pair
// counting once.
size_t columnsOf(std::u16string_view text) {
    size_t columns = 0;
    for (char16_t c : text)
        if (c < 0xDC00 || c > 0xDFFF) ++columns;
    return columns;
}

}  // namespace

std::string caretUnderFailure(const engine::EquationBlock& block, size_t promptWidth) {
    if (!block.compileFailed()) return {};
    const std::u16string& text = block.text();
    const std::optional<size_t> at = engine::compileFailureColumn(text);
    if (!at) return {};
    const size_t column = columnsOf(std::u16string_view(text).substr(0, std::min(*at, text.size())));
    return std::string(promptWidth + column, ' ') + "^\n";
}

std::string calledWorkspaceFailure() {
    const std::optional<engine::CallFailure>& failure = engine::lastCallFailure();
    if (!failure) return {};
    return "  in Workspace " + orvana::toUtf8(failure->workspace) + ", block " +
           std::to_string(failure->block) + ": " + orvana::toUtf8(failure->text) + "\n";
}

}  // namespace cli
