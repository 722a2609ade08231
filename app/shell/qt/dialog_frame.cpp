// The shared dialog frame.
#include "dialog_frame.h"

#include <QKeyEvent>

namespace orvana::qt {

DialogFrame::DialogFrame(QWidget* parent, const QString& title, int scale)
    : QDialog(parent), scale_(scale < 1 ? 1 : scale) {
    setWindowTitle(title);
    setFixedSize(kScreenWidth * scale_, kScreenHeight * scale_);
    QFont f = font();
    f.setPixelSize(11 * scale_);
    setFont(f);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    menu_ = new QMenuBar(this);
    menu_->setNativeMenuBar(false);
    outer->setMenuBar(menu_);
    body_ = new QVBoxLayout;
    body_->setContentsMargins(4 * scale_, 4 * scale_, 4 * scale_, 4 * scale_);
    outer->addLayout(body_);
}

void DialogFrame::addOkCancel() {
    connect(menu_->addAction(QStringLiteral("OK")), &QAction::triggered, this, &QDialog::accept);
    connect(menu_->addAction(QStringLiteral("Cancel")), &QAction::triggered, this, &QDialog::reject);
}

void DialogFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        back();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace orvana::qt
