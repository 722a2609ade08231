// The answer viewer view.
#include "answer_viewer_view.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

#include "platform/clipboard.h"

namespace orvana::qt {
namespace {

// Cells come from the viewer only when the table asks for them.
class AnswerTableModel : public QAbstractTableModel {
public:
    AnswerTableModel(const shell::AnswerViewer& viewer, QObject* parent)
        : QAbstractTableModel(parent), viewer_(viewer) {}
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : viewer_.rows();
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : viewer_.columns();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole) return {};
        return qtext(viewer_.cell(index.row(), index.column()));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        return qtext(viewer_.header(section));
    }

private:
    const shell::AnswerViewer& viewer_;
};

// A string value, wrapped as the block list wraps it.
class WrappedTextView : public QWidget {
public:
    WrappedTextView(const shell::AnswerViewer& viewer, int scale, QWidget* parent)
        : QWidget(parent), viewer_(viewer), scale_(scale) {}

protected:
    void paintEvent(QPaintEvent*) override {
        const PlatformFont font{u"Tahoma", 20, PLATFORM_FONT_BOLD};
        const shell::WrappedText wrapped = viewer_.wrapped(font, shell::kWrapWidth);
        QPainter painter(this);
        painter.scale(scale_, scale_);
        QFont f(QStringLiteral("Tahoma"));
        f.setPixelSize(20);
        f.setBold(true);
        painter.setFont(f);
        int32_t top = shell::kViewerTextLeft;
        for (const shell::WrappedLine& line : wrapped.lines) {
            const std::u16string_view part =
                std::u16string_view(viewer_.text()).substr(line.start, line.length);
            painter.drawText(shell::kViewerTextLeft + line.x, top + painter.fontMetrics().ascent(),
                             qtext(part));
            top += shell::kViewerLineHeight;
        }
    }

private:
    const shell::AnswerViewer& viewer_;
    int scale_;
};

}  // namespace

AnswerViewerView::AnswerViewerView(QWidget* parent, int scale, const shell::AnswerViewer& viewer)
    : DialogFrame(parent, QStringLiteral("Var"), scale), viewer_(viewer) {
    addOkCancel();
    connect(menu()->addAction(QStringLiteral("Copy")), &QAction::triggered, this,
            &AnswerViewerView::copy);
    if (viewer.isString()) {
        body()->addWidget(new WrappedTextView(viewer, this->scale(), this));
        return;
    }
    table_ = new QTableView(this);
    table_->setModel(new AnswerTableModel(viewer, table_));
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    body()->addWidget(table_);
    table_->setFocus();
}

void AnswerViewerView::copy() { platformSetClipboardText(viewer_.tabSeparated().c_str()); }

void AnswerViewerView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    DialogFrame::keyPressEvent(event);
}

void showAnswerViewer(QWidget* parent, int scale, const shell::AnswerViewer& viewer) {
    AnswerViewerView view(parent, scale, viewer);
    view.exec();
}

}  // namespace orvana::qt
