// The Variables/Scripts and New Variable views.
#include "variables_dialog_view.h"

#include <QHeaderView>

#include "engine/variables.h"
#include "shell/program_folder.h"

namespace orvana::qt {

VariablesDialogView::VariablesDialogView(QWidget* parent, int scale,
                                         const shell::FormatSlot& format, std::u16string scriptFolder)
    : DialogFrame(parent, QStringLiteral("Variables/Scripts"), scale),
      format_(format),
      scriptFolder_(std::move(scriptFolder)) {
    connect(menu()->addAction(QStringLiteral("Variables")), &QAction::triggered, this,
            [this] { showPage(shell::VariablesPage::Variables); });
    connect(menu()->addAction(QStringLiteral("Scripts")), &QAction::triggered, this,
            [this] { showPage(shell::VariablesPage::Scripts); });
    connect(menu()->addAction(QStringLiteral("OK")), &QAction::triggered, this,
            [this] { choose(0); });
    connect(menu()->addAction(QStringLiteral("Cancel")), &QAction::triggered, this, &QDialog::reject);
    table_ = new QTreeWidget(this);
    table_->setRootIsDecorated(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setStyleSheet(QStringLiteral("QTreeWidget { background: rgb(192, 192, 192); }"));
    QFont small = font();
    small.setPixelSize(9 * this->scale());
    table_->setFont(small);
    body()->addWidget(table_);
    connect(table_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem*, int column) { choose(column); });
    showPage(shell::VariablesPage::Variables);
    table_->setFocus();
}

void VariablesDialogView::showPage(shell::VariablesPage page) {
    page_ = page;
    rows_ = page == shell::VariablesPage::Variables ? shell::variableRows(format_)
                                                     : shell::scriptRows(scriptFolder_);
    const std::vector<shell::VariablesColumn> columns = shell::variablesColumns(page);
    table_->clear();
    table_->setColumnCount(int(columns.size()));
    QStringList headers;
    for (const shell::VariablesColumn& column : columns) headers << qtext(column.header);
    table_->setHeaderLabels(headers);
    for (const shell::VariablesRow& row : rows_) {
        QStringList cells{qtext(row.name)};
        if (page == shell::VariablesPage::Variables) cells << qtext(row.size) << qtext(row.value);
        table_->addTopLevelItem(new QTreeWidgetItem(cells));
    }
    // Each column at least as wide as its header.
    for (int c = 0; c < int(columns.size()); ++c) {
        const int header = table_->header()->fontMetrics().horizontalAdvance(headers[c]) + 8 * scale();
        table_->setColumnWidth(c, std::max(columns[size_t(c)].width * scale(), header));
    }
    if (!rows_.empty()) table_->setCurrentItem(table_->topLevelItem(0));
}

void VariablesDialogView::choose(int column) {
    const int row = table_->indexOfTopLevelItem(table_->currentItem());
    if (row < 0 || size_t(row) >= rows_.size()) return;
    result_ = shell::chooseVariablesRow(&rows_[size_t(row)]);
    result_.view = column == kValueColumn && page_ == shell::VariablesPage::Variables &&
                   result_.code >= 0 && result_.code < shell::kUserFunctionCodeBase;
    accept();
}

NewVariableView::NewVariableView(QWidget* parent, int scale, std::vector<std::u16string> offered)
    : DialogFrame(parent, QStringLiteral("New Variable"), scale), model_(std::move(offered), parent) {
    connect(menu()->addAction(QStringLiteral("OK")), &QAction::triggered, this, [this] {
        model_.setName(field_->text().toStdU16String());
        if (const std::optional<int> index = model_.ok()) {
            index_ = *index;
            accept();
        }
    });
    connect(menu()->addAction(QStringLiteral("Cancel")), &QAction::triggered, this, &QDialog::reject);
    list_ = new QListWidget(this);
    for (const std::u16string& line : model_.offered()) list_->addItem(qtext(line));
    field_ = new QLineEdit(this);
    field_->setMaxLength(int(shell::kVariableFieldLimit));
    body()->addWidget(list_);
    body()->addWidget(field_);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        model_.setName(field_->text().toStdU16String());
        model_.pick(list_->row(item));
        field_->setText(qtext(model_.name()));
    });
    connect(list_, &QListWidget::itemClicked, list_, &QListWidget::itemActivated);
    connect(field_, &QLineEdit::returnPressed, menu()->actions().front(), &QAction::trigger);
    field_->setFocus();
}

void NewVariableView::back() {
    if (focusWidget() != field_) {
        field_->setFocus();
        return;
    }
    field_->backspace();
}

shell::VariablesResult showVariablesDialog(QWidget* parent, int scale,
                                           const shell::FormatSlot& format,
                                           const std::u16string& scriptFolder) {
    VariablesDialogView view(parent, scale, format, scriptFolder);
    view.exec();
    shell::VariablesResult result = view.result();
    if (result.code == shell::kChoseNewVariable) {
        NewVariableView entry(
            parent, scale,
            shell::readOfferedNames(shell::programFilePath(shell::kOfferedNamesFile)));
        entry.exec();
        result.name = std::u16string(engine::globalVariableName(entry.index()));
    }
    return result;
}

}  // namespace orvana::qt
