// The Files dialog on screen: the folder's name, the listing with its icons,
// the name field of Save and Export (which also takes a typed path), a path
// field in the other modes, and the "OK" and "Options" menu bar.
#ifndef ORVANA_SHELL_QT_FILES_DIALOG_VIEW_H
#define ORVANA_SHELL_QT_FILES_DIALOG_VIEW_H

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <optional>

#include "dialog_frame.h"
#include "shell/files_dialog.h"

namespace orvana::qt {

class FilesDialogView : public DialogFrame {
    Q_OBJECT
public:
    FilesDialogView(QWidget* parent, int scale, shell::FilesMode mode, const std::u16string& path,
                    const std::u16string& scriptFolder);

    shell::FilesDialog& model() { return model_; }
    QListWidget* list() const { return list_; }
    // The name field (Save, Export) or the path field (Load, Select Folder).
    QLineEdit* field() const { return field_; }
    QLabel* label() const { return label_; }
    // kDialogConfirmed or kDialogCancelled once closed.
    int code() const { return code_; }

protected:
    void back() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish(std::optional<int> closed);
    void refresh();
    void syncName();

    shell::FilesDialog model_;
    QLabel* label_;
    QListWidget* list_;
    QLineEdit* field_;
    int code_ = shell::kDialogCancelled;
};

// Shows the dialog modally; the chosen path goes into `path`.
int showFilesDialog(QWidget* parent, int scale, shell::FilesMode mode, std::u16string& path,
                    const std::u16string& scriptFolder);

}  // namespace orvana::qt

#endif
