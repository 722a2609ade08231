// The Format dialog on screen: rows, kind and digits lists and "Complex
// Polar Form", over the shell's Format dialog logic.
#ifndef ORVANA_SHELL_QT_FORMAT_DIALOG_VIEW_H
#define ORVANA_SHELL_QT_FORMAT_DIALOG_VIEW_H

#include <QCheckBox>
#include <QComboBox>

#include "dialog_frame.h"
#include "shell/format_dialog.h"

namespace orvana::qt {

class FormatDialogView : public DialogFrame {
    Q_OBJECT
public:
    FormatDialogView(QWidget* parent, int scale, const shell::FormatSlot& slot);

    shell::FormatDialog& model() { return model_; }
    QComboBox* rows() const { return rows_; }
    QComboBox* kind() const { return kind_; }
    QComboBox* digits() const { return digits_; }
    QCheckBox* polar() const { return polar_; }

private:
    void loadDigits();

    shell::FormatDialog model_;
    QComboBox* rows_;
    QComboBox* kind_;
    QComboBox* digits_;
    QCheckBox* polar_;
};

// Shows the dialog on the slot in use; OK stores the new settings there.
void showFormatDialog(QWidget* parent, int scale, shell::FormatSlots& slots);

}  // namespace orvana::qt

#endif
