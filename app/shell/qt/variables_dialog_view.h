// The Variables/Scripts dialog on screen: the two pages in one list view on
// grey, chosen through the "Variables" and "Scripts" menu, with "OK" and
// "Cancel"; and the New Variable dialog it opens for "NEW".
#ifndef ORVANA_SHELL_QT_VARIABLES_DIALOG_VIEW_H
#define ORVANA_SHELL_QT_VARIABLES_DIALOG_VIEW_H

#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <vector>

#include "dialog_frame.h"
#include "shell/format_slots.h"
#include "shell/new_variable_dialog.h"
#include "shell/variables_dialog.h"

namespace orvana::qt {

class VariablesDialogView : public DialogFrame {
    Q_OBJECT
public:
    VariablesDialogView(QWidget* parent, int scale, const shell::FormatSlot& format,
                        std::u16string scriptFolder);

    void showPage(shell::VariablesPage page);
    shell::VariablesPage page() const { return page_; }
    QTreeWidget* table() const { return table_; }
    // What the dialog closed with (kVariablesCancelled until then).
    const shell::VariablesResult& result() const { return result_; }

private:
    // OK on the current row; activating a variable's value asks to view it.
    void choose(int column);
    static constexpr int kValueColumn = 2;

    shell::FormatSlot format_;
    std::u16string scriptFolder_;
    shell::VariablesPage page_ = shell::VariablesPage::Variables;
    std::vector<shell::VariablesRow> rows_;
    QTreeWidget* table_;
    shell::VariablesResult result_;
};

class NewVariableView : public DialogFrame {
    Q_OBJECT
public:
    NewVariableView(QWidget* parent, int scale, std::vector<std::u16string> offered);

    QListWidget* list() const { return list_; }
    QLineEdit* field() const { return field_; }
    // The variable's index, or -1.
    int index() const { return index_; }

protected:
    void back() override;

private:
    shell::NewVariableDialog model_;
    QListWidget* list_;
    QLineEdit* field_;
    int index_ = -1;
};

// The whole choice: "NEW" goes on to the New Variable dialog, and the result
// then names the new variable (empty when that was cancelled).
shell::VariablesResult showVariablesDialog(QWidget* parent, int scale,
                                           const shell::FormatSlot& format,
                                           const std::u16string& scriptFolder);

}  // namespace orvana::qt

#endif
