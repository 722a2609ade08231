// The Library Selection dialog on screen: three spinner lists for the
// quick-select slots.
#ifndef ORVANA_SHELL_QT_LIBRARY_SELECTION_VIEW_H
#define ORVANA_SHELL_QT_LIBRARY_SELECTION_VIEW_H

#include <QComboBox>
#include <array>

#include "dialog_frame.h"
#include "shell/library_selection_dialog.h"

namespace orvana::qt {

class LibrarySelectionView : public DialogFrame {
    Q_OBJECT
public:
    LibrarySelectionView(QWidget* parent, int scale, shell::LibrarySelection& model);

    QComboBox* spinner(int index) const { return spinners_[size_t(index)]; }

private:
    std::array<QComboBox*, 3> spinners_{};
};

void showLibrarySelection(QWidget* parent, int scale, shell::QuickSelect& quickSelect);

}  // namespace orvana::qt

#endif
