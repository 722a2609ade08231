// The Variables/Scripts dialog's logic: the rows of its two pages, how they
// are sorted, and the code a chosen row closes the dialog with.
#ifndef ORVANA_SHELL_VARIABLES_DIALOG_H
#define ORVANA_SHELL_VARIABLES_DIALOG_H

#include <string>
#include <string_view>
#include <vector>

#include "engine/key_host.h"
#include "platform/message_box.h"

namespace shell {

struct FormatSlot;

// Menu-bar commands.
inline constexpr int kCmdVariablesPage = 1055;
inline constexpr int kCmdScriptsPage = 1057;

// Close codes: a variable closes with its index in the variable table, a
// user function with 100 + its slot.
inline constexpr int kChoseNewVariable = 1000;
inline constexpr int kUserFunctionCodeBase = 100;
inline constexpr int kChoseScript = 5000;
inline constexpr int kVariablesCancelled = -1000;

enum class VariablesPage { Variables, Scripts };

struct VariablesRow {
    std::u16string name;
    std::u16string size;   // "Str", "3x2", "NaN", "Func"; empty on the Scripts page
    std::u16string value;  // the Variables page's "Value/View" column
    int code = kVariablesCancelled;
};

// What the dialog gave back: the code, and the name of what it names (the
// variable, the function or the script).
struct VariablesResult {
    int code = kVariablesCancelled;
    std::u16string name;
    int parameters = 0;  // of a user function
    // A variable chosen in its "Value/View" column: to be shown, not inserted.
    bool view = false;
};

// What the variables key makes of the dialog's result.
engine::VariableChoice toVariableChoice(const VariablesResult& result);

// The column headers and widths of each page.
struct VariablesColumn {
    std::u16string_view header;
    int width;
};
std::vector<VariablesColumn> variablesColumns(VariablesPage page);

// "NEW" first, then the variables from the table's third entry on and the
// user functions, sorted by name. Values are shown in `format`.
std::vector<VariablesRow> variableRows(const FormatSlot& format);
// The Workspaces of the script folder that can be called as scripts, with
// their first letter raised, sorted by their first three letters.
std::vector<VariablesRow> scriptRows(const std::u16string& scriptFolder);

// The result of OK on a row (a row of neither page, or none, cancels).
VariablesResult chooseVariablesRow(const VariablesRow* row);

// Without a view: the Variables page's names in a list dialog, followed by
// the Scripts page's names.
VariablesResult runVariablesDialogByList(PlatformWindow owner, const FormatSlot& format,
                                         const std::u16string& scriptFolder);

}  // namespace shell

#endif
