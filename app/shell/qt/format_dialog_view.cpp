// The Format dialog view.
#include "format_dialog_view.h"

#include <QFormLayout>

namespace orvana::qt {
namespace {

QComboBox* listOf(QWidget* parent, std::span<const std::u16string_view> entries) {
    auto* box = new QComboBox(parent);
    for (std::u16string_view entry : entries) box->addItem(qtext(entry));
    return box;
}

}  // namespace

FormatDialogView::FormatDialogView(QWidget* parent, int scale, const shell::FormatSlot& slot)
    : DialogFrame(parent, QStringLiteral("Format"), scale), model_(slot) {
    addOkCancel();
    rows_ = listOf(this, shell::FormatDialog::rowEntries());
    kind_ = listOf(this, shell::FormatDialog::kindEntries());
    digits_ = new QComboBox(this);
    polar_ = new QCheckBox(QStringLiteral("Complex Polar Form"), this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Answer"), rows_);
    form->addRow(QStringLiteral("Format"), kind_);
    form->addRow(QStringLiteral("Digits"), digits_);
    body()->addLayout(form);
    body()->addWidget(polar_);
    body()->addStretch();
    rows_->setCurrentIndex(model_.rows());
    kind_->setCurrentIndex(model_.kind());
    polar_->setChecked(model_.polar());
    loadDigits();
    connect(rows_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setRows(i); });
    connect(kind_, &QComboBox::currentIndexChanged, this, [this](int i) {
        const shell::DigitsList before = model_.digitsList();
        model_.setKind(i);
        if (model_.digitsList() != before) loadDigits();
    });
    connect(digits_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setDigits(i); });
    connect(polar_, &QCheckBox::toggled, this, [this](bool on) { model_.setPolar(on); });
    kind_->setFocus();
}

void FormatDialogView::loadDigits() {
    const QSignalBlocker blocker(digits_);
    // Hexadecimal keeps whatever list was there, disabled and unselected.
    if (model_.digitsEnabled()) {
        digits_->clear();
        for (std::u16string_view entry : model_.digitsEntries()) digits_->addItem(qtext(entry));
    }
    digits_->setEnabled(model_.digitsEnabled());
    digits_->setCurrentIndex(model_.digits());
}

void showFormatDialog(QWidget* parent, int scale, shell::FormatSlots& slots) {
    FormatDialogView view(parent, scale, slots.inUse());
    if (view.exec() == QDialog::Accepted)
        slots.setSlot(slots.current, view.model().confirmed(slots.inUse()));
}

}  // namespace orvana::qt
