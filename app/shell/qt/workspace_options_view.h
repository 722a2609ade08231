// The Workspace Options dialog on screen: "Load Workspace:" and its four
// check boxes.
#ifndef ORVANA_SHELL_QT_WORKSPACE_OPTIONS_VIEW_H
#define ORVANA_SHELL_QT_WORKSPACE_OPTIONS_VIEW_H

#include <QCheckBox>
#include <array>

#include "dialog_frame.h"
#include "shell/workspace_options_dialog.h"

namespace orvana::qt {

class WorkspaceOptionsView : public DialogFrame {
    Q_OBJECT
public:
    WorkspaceOptionsView(QWidget* parent, int scale);

    QCheckBox* box(int index) const { return boxes_[size_t(index)]; }
    // The flag set for OK, -1 for Cancel.
    int32_t flags() const;

private:
    std::array<QCheckBox*, 4> boxes_{};
};

int32_t showWorkspaceOptions(QWidget* parent, int scale);

}  // namespace orvana::qt

#endif
