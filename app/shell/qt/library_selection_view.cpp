// The Library Selection view.
#include "library_selection_view.h"

#include "shell/preferences.h"
#include "shell/shell_state.h"

namespace orvana::qt {

LibrarySelectionView::LibrarySelectionView(QWidget* parent, int scale,
                                           shell::LibrarySelection& model)
    : DialogFrame(parent, QStringLiteral("Library Selection"), scale) {
    addOkCancel();
    for (int list = 0; list < 3; ++list) {
        QComboBox* box = new QComboBox(this);
        for (const std::u16string& name : model.entries(list)) box->addItem(qtext(name));
        box->setCurrentIndex(model.selection(list));
        connect(box, &QComboBox::currentIndexChanged, this,
                [&model, list](int i) { model.select(list, i); });
        body()->addWidget(box);
        spinners_[size_t(list)] = box;
    }
    body()->addStretch();
    spinners_[0]->setFocus();
}

void showLibrarySelection(QWidget* parent, int scale, shell::QuickSelect& quickSelect) {
    shell::QuickSelect working = quickSelect;
    shell::LibrarySelection model(working, shell::loadedLibraryNames());
    LibrarySelectionView view(parent, scale, model);
    if (view.exec() != QDialog::Accepted) return;
    model.confirm();
    quickSelect = working;
}

}  // namespace orvana::qt
