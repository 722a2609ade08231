// The offered names and the checks of the New Variable dialog.
#include "shell/new_variable_dialog.h"

#include <fstream>
#include <iterator>

#include "engine/name_lookup.h"
#include "engine/tokenizer.h"
#include "engine/variables.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "shell/program_folder.h"

namespace shell {
namespace {

constexpr std::u16string_view kNotInNames = u"0123456789+-*/,;=[]() |!";
// The field takes 10; the pick and OK steps read a little more, which the
// field's limit then cuts.
constexpr size_t kPickedCharacters = 11;
constexpr size_t kReadCharacters = 12;

std::u16string fromUtf8(const std::string& bytes) {
    std::u16string out(platformUtf8ToUtf16(bytes.c_str(), nullptr, 0), u'\0');
    platformUtf8ToUtf16(bytes.c_str(), out.data(), out.size() + 1);
    return out;
}

// Global table entries only: a new variable never lands in a running scope.
int globalIndex(std::u16string_view name) {
    for (int index = 0; index < engine::globalVariableCount(); ++index)
        if (engine::globalVariableName(index) == name) return index;
    return -1;
}

}  // namespace

std::vector<std::u16string> readOfferedNames(const std::u16string& path) {
    std::vector<std::u16string> lines;
    std::string narrow(platformUtf16ToUtf8(path.c_str(), nullptr, 0), '\0');
    platformUtf16ToUtf8(path.c_str(), narrow.data(), narrow.size() + 1);
    std::ifstream in(narrow, std::ios::binary);
    if (!in) return lines;
    std::string run;
    auto finish = [&] {
        if (!run.empty()) lines.push_back(fromUtf8(run));
        run.clear();
    };
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
        const unsigned char byte = static_cast<unsigned char>(*it);
        if (byte < 32) {
            finish();
            continue;
        }
        run.push_back(char(byte));
        if (run.size() == kOfferedLineLimit) finish();
    }
    finish();
    return lines;
}

NewVariableDialog::NewVariableDialog(std::vector<std::u16string> offered, PlatformWindow owner)
    : offered_(std::move(offered)), owner_(owner) {}

void NewVariableDialog::setName(std::u16string_view text) {
    name_.assign(text.substr(0, kVariableFieldLimit));
}

void NewVariableDialog::pick(int line) {
    if (line < 0 || size_t(line) >= offered_.size()) return;
    const std::u16string& text = offered_[size_t(line)];
    if (text.find_first_of(kNotInNames) != std::u16string::npos) return;
    setName(std::u16string_view(text).substr(0, kPickedCharacters));
}

void NewVariableDialog::back() {
    if (!name_.empty()) name_.pop_back();
}

std::optional<int> NewVariableDialog::ok() {
    const std::u16string name = name_.substr(0, kReadCharacters);
    if (!name.empty() && engine::lookupName(name) != 0) {
        platformMessageBox(owner_,
                           u"Name is already used by a function. You must choose a different name.",
                           u"Error", PLATFORM_MB_OK | PLATFORM_MB_ICONSTOP);
        return std::nullopt;
    }
    for (char16_t c : name) {
        if (!engine::isNameChar(c)) {
            platformMessageBox(owner_, u"Variables can not contain numbers or sybmols", u"Error",
                               PLATFORM_MB_OK);
            return std::nullopt;
        }
    }
    if (name.empty()) return -1;
    if (const int index = globalIndex(name); index >= 0) return index;
    engine::addVariable(name, nullptr);
    return globalIndex(name);
}

int runNewVariableByPrompt(PlatformWindow owner) {
    NewVariableDialog dialog(readOfferedNames(programFilePath(kOfferedNamesFile)), owner);
    for (;;) {
        char16_t text[kVariableFieldLimit + 1] = {};
        PlatformPromptField field{u"Variable Name", text, int32_t(std::size(text))};
        if (platformPromptDialog(owner, u"New Variable", &field, 1) != 1) return -1;
        dialog.setName(text);
        if (const std::optional<int> index = dialog.ok()) return *index;
    }
}

}  // namespace shell
