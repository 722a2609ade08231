// The New Variable dialog's logic: the names offered from "defvars.txt", the
// name field, and the checks OK makes before it creates the variable.
#ifndef ORVANA_SHELL_NEW_VARIABLE_DIALOG_H
#define ORVANA_SHELL_NEW_VARIABLE_DIALOG_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"

namespace shell {

inline constexpr size_t kVariableFieldLimit = 10;
inline constexpr size_t kOfferedLineLimit = 100;
inline constexpr char16_t kOfferedNamesFile[] = u"defvars.txt";

// The lines of a names file: every run of bytes from 32 up (cut after 100
// bytes) is one line, read as UTF-8; control bytes separate lines. A file
// that cannot be read gives none.
std::vector<std::u16string> readOfferedNames(const std::u16string& path);

class NewVariableDialog {
public:
    explicit NewVariableDialog(std::vector<std::u16string> offered, PlatformWindow owner = nullptr);

    const std::vector<std::u16string>& offered() const { return offered_; }
    const std::u16string& name() const { return name_; }
    // Replaces the field's text, cut to its 10 characters.
    void setName(std::u16string_view text);

    // Choosing a list line: a line holding a digit, an operator, a bracket,
    // a space or '|' or '!' cannot be a name and is ignored.
    void pick(int line);
    // The Back key: one character fewer in the field.
    void back();

    // The variable's index, -1 for an empty name, or nothing (the dialog
    // stays open) after a refused name was reported.
    std::optional<int> ok();

private:
    std::vector<std::u16string> offered_;
    PlatformWindow owner_;
    std::u16string name_;
};

// Without a view: the offered names and the name in one prompt field ("Variable
// Name"), prefilled with nothing. The index, or -1.
int runNewVariableByPrompt(PlatformWindow owner);

}  // namespace shell

#endif
