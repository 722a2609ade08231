// The Workspace Options view.
#include "workspace_options_view.h"

#include <QLabel>

#include "shell/dialogs.h"

namespace orvana::qt {

WorkspaceOptionsView::WorkspaceOptionsView(QWidget* parent, int scale)
    : DialogFrame(parent, QStringLiteral("Workspace Options"), scale) {
    addOkCancel();
    body()->addWidget(new QLabel(QStringLiteral("Load Workspace:"), this));
    for (size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = new QCheckBox(qtext(shell::WorkspaceOptions::kBoxes[i]), this);
        boxes_[i]->setChecked(true);
        body()->addWidget(boxes_[i]);
    }
    body()->addStretch();
    boxes_[0]->setFocus();
}

int32_t WorkspaceOptionsView::flags() const {
    if (result() != QDialog::Accepted) return shell::kDialogCancelled;
    shell::WorkspaceOptions options;
    for (int i = 0; i < int(boxes_.size()); ++i) options.box(i) = boxes_[size_t(i)]->isChecked();
    return options.flags();
}

int32_t showWorkspaceOptions(QWidget* parent, int scale) {
    WorkspaceOptionsView view(parent, scale);
    view.exec();
    return view.flags();
}

}  // namespace orvana::qt
