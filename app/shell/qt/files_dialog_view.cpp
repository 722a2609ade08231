// The Files dialog view.
#include "files_dialog_view.h"

#include <QKeyEvent>
#include <QStyle>

#include "platform/clock.h"

namespace orvana::qt {
namespace {

QIcon iconFor(shell::FilesIcon icon, const QStyle* style) {
    switch (icon) {
        case shell::FilesIcon::Folder: return style->standardIcon(QStyle::SP_DirIcon);
        case shell::FilesIcon::Parent: return style->standardIcon(QStyle::SP_FileDialogToParent);
        case shell::FilesIcon::File: break;
    }
    return style->standardIcon(QStyle::SP_FileIcon);
}

}  // namespace

FilesDialogView::FilesDialogView(QWidget* parent, int scale, shell::FilesMode mode,
                                 const std::u16string& path, const std::u16string& scriptFolder)
    : DialogFrame(parent, QString(), scale), model_(mode, path, scriptFolder, parent) {
    setWindowTitle(qtext(model_.title()));
    connect(menu()->addAction(QStringLiteral("OK")), &QAction::triggered, this, [this] {
        // A typed path (or any text in the path field) is confirmed as a path.
        const QString typed = field_->text();
        const bool path = typed.contains(u'/') || (!model_.hasNameField() && !typed.isEmpty());
        finish(path ? model_.enterPath(typed.toStdU16String()) : model_.command(shell::kCmdFilesOk));
    });
    QMenu* options = menu()->addMenu(QStringLiteral("Options"));
    const std::pair<const char*, int> items[] = {
        {"My Documents", shell::kCmdFilesMyDocuments},
        {"Scripts Directory", shell::kCmdFilesScriptsDirectory},
        {"Create Folder...", shell::kCmdFilesCreateFolder},
        {"Delete File...", shell::kCmdFilesDeleteFile}};
    for (const auto& [text, id] : items) {
        connect(options->addAction(QString::fromLatin1(text)), &QAction::triggered, this,
                [this, id = id] { finish(model_.command(id)); });
    }
    label_ = new QLabel(this);
    list_ = new QListWidget(this);
    list_->setIconSize(QSize(16 * this->scale(), 16 * this->scale()));
    field_ = new QLineEdit(this);
    if (model_.hasNameField()) field_->setMaxLength(int(shell::kFilesNameLimit));
    field_->setPlaceholderText(model_.hasNameField() ? QString() : QStringLiteral("/path"));
    body()->addWidget(label_);
    body()->addWidget(list_);
    body()->addWidget(field_);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { model_.select(row); });
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { finish(model_.activate(list_->row(item))); });
    connect(field_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (model_.hasNameField() && !text.contains(u'/')) model_.setName(text.toStdU16String());
    });
    connect(field_, &QLineEdit::returnPressed, this,
            [this] { finish(model_.enterPath(field_->text().toStdU16String())); });
    list_->installEventFilter(this);
    field_->installEventFilter(this);
    refresh();
    if (model_.nameFocused())
        field_->setFocus();
    else
        list_->setFocus();
}

bool FilesDialogView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) model_.focusName(watched == field_);
    return DialogFrame::eventFilter(watched, event);
}

void FilesDialogView::refresh() {
    label_->setText(qtext(model_.label()));
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const shell::FilesEntry& entry : model_.entries())
        list_->addItem(new QListWidgetItem(iconFor(entry.icon, style()), qtext(entry.name)));
    list_->setCurrentRow(model_.selected());
    syncName();
}

void FilesDialogView::syncName() {
    if (model_.hasNameField() && field_->text().toStdU16String() != model_.name())
        field_->setText(qtext(model_.name()));
    if (model_.nameFocused() && focusWidget() != field_) field_->setFocus();
}

void FilesDialogView::finish(std::optional<int> closed) {
    if (!closed) {
        refresh();
        return;
    }
    code_ = *closed;
    done(code_ == shell::kDialogConfirmed ? QDialog::Accepted : QDialog::Rejected);
}

void FilesDialogView::back() { finish(model_.back(platformTickCount())); }

int showFilesDialog(QWidget* parent, int scale, shell::FilesMode mode, std::u16string& path,
                    const std::u16string& scriptFolder) {
    FilesDialogView view(parent, scale, mode, path, scriptFolder);
    view.exec();
    if (view.code() == shell::kDialogConfirmed) path = view.model().result();
    return view.code();
}

}  // namespace orvana::qt
