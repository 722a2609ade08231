#include "terminal_prompt.h"

#include <readline/readline.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/text.h"

namespace cli {
namespace {

using orvana::toUtf8;

// The text readline starts the next line with.
std::string prefill;

int insertPrefill() {
    rl_insert_text(prefill.c_str());
    return 0;
}

// Reads one line on the terminal, starting from `initial`; false at the end
// of input. The prompts go to standard error, where the user looks even when
// the answers are piped on.
bool readLine(const char* prompt, const std::string& initial, std::string& line) {
    prefill = initial;
    rl_startup_hook = insertPrefill;
    FILE* previousOut = rl_outstream;
    rl_outstream = stderr;
    char* raw = readline(prompt);
    rl_outstream = previousOut;
    rl_startup_hook = nullptr;
    if (raw == nullptr) {
        std::fputc('\n', stderr);
        return false;
    }
    line = raw;
    std::free(raw);
    return true;
}

bool isYes(const std::string& answer) {
    for (const char* yes : {"y", "Y", "yes", "Yes", "YES"})
        if (answer == yes) return true;
    return false;
}

}  // namespace

int terminalPromptDialog(void*, PlatformWindow, const char16_t* caption,
                         PlatformPromptField* fields, int32_t count) {
    if (!isatty(STDIN_FILENO)) return 0;
    if (caption != nullptr && caption[0] != 0) std::fprintf(stderr, "%s\n", toUtf8(caption).c_str());
    // Nothing is written back unless every line was read.
    std::vector<std::u16string> typed;
    std::string line;
    for (int32_t i = 0; i < count; ++i) {
        if (fields[i].label != nullptr) std::fprintf(stderr, "%s\n", toUtf8(fields[i].label).c_str());
        if (!readLine("> ", toUtf8(fields[i].text), line)) return 0;
        typed.push_back(orvana::toUtf16(line));
    }
    for (int32_t i = 0; i < count; ++i) {
        const size_t units = std::min(typed[i].size(), size_t(fields[i].capacity - 1));
        typed[i].copy(fields[i].text, units);
        fields[i].text[units] = 0;
    }
    return 1;
}

int terminalMessageBox(void*, PlatformWindow owner, const char16_t* text,
                       const char16_t* caption, uint32_t style) {
    const PlatformBackend* headless = platformHeadlessBackend();
    if ((style & PLATFORM_MB_BUTTON_MASK) != PLATFORM_MB_YESNO || !isatty(STDIN_FILENO))
        return headless->messageBox(headless->context, owner, text, caption, style);
    std::fprintf(stderr, "%s: %s\n", toUtf8(caption).c_str(), toUtf8(text).c_str());
    std::string line;
    if (!readLine("(y/n) ", "", line)) return platformMessageBoxDefaultAnswer(style);
    return isYes(line) ? PLATFORM_IDYES : PLATFORM_IDNO;
}

}  // namespace cli
