// The answer viewer on screen ("Var"): a string as wrapped text, or the
// "R\C" table whose cells are formatted as they are shown. "Copy" (and
// Ctrl+C) puts the whole matrix on the clipboard as tab-separated text.
#ifndef ORVANA_SHELL_QT_ANSWER_VIEWER_VIEW_H
#define ORVANA_SHELL_QT_ANSWER_VIEWER_VIEW_H

#include <QTableView>

#include "dialog_frame.h"
#include "shell/answer_viewer.h"

namespace orvana::qt {

class AnswerViewerView : public DialogFrame {
    Q_OBJECT
public:
    AnswerViewerView(QWidget* parent, int scale, const shell::AnswerViewer& viewer);

    // Null for a string.
    QTableView* table() const { return table_; }
    void copy();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const shell::AnswerViewer& viewer_;
    QTableView* table_ = nullptr;
};

void showAnswerViewer(QWidget* parent, int scale, const shell::AnswerViewer& viewer);

}  // namespace orvana::qt

#endif
