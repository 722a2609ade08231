// The window's client area: 240 x 266 logical pixels drawn at an integer
// scale. It shows the surfaces the shell core paints (the block area with its
// scroll bar and expression line, the keypad view, the graph view when shown)
// and turns keys, clicks and the wheel into the shell's keys and commands.
#ifndef ORVANA_SHELL_QT_CLIENT_VIEW_H
#define ORVANA_SHELL_QT_CLIENT_VIEW_H

#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/drawing.h"
#include "qt_backend.h"
#include "shell/graph_painter.h"
#include "shell/shell_painter.h"
#include "shell/shell_state.h"

namespace orvana::qt {

class ClientView : public QWidget {
    Q_OBJECT
public:
    ClientView(shell::ShellState& state, QtBackend& backend, QWidget* parent = nullptr);
    ~ClientView() override;

    void setScale(int scale);
    int scale() const { return scale_; }
    // Blinking caret; key mode keeps it still.
    void setCaretBlinks(bool blinks);

    // A command as a menu sends it.
    void command(int id);
    // What the window does after every event: repaint, close.
    void settle();

    // The desktop habits the window adds.
    void copyToClipboard();
    void pasteFromClipboard();

    // Called when the shell asked to close the window (Exit ran).
    std::function<void()> onCloseRequested;
    // Called for the window actions of the keyboard (help, scale).
    std::function<void(int step)> onScaleStep;
    std::function<void()> onHelp;
    // Called after every event the shell handled.
    std::function<void()> onSettled;

    QSize sizeHint() const override;

    // The graph's plot (without the trace cross and readout) at the window's
    // scale, as it would be painted now.
    QImage graphImage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Logical client coordinates of a widget position.
    QPoint logical(const QPointF& position) const;
    void clickBlockArea(QPoint at);
    void clickKeypad(QPoint at);
    void paintSurface(QPainter& painter, PlatformSurface* surface, int32_t y, int32_t height);
    void ensureSurfaces();
    void paintGraph(QPainter& painter);
    void wheelOverGraph(QWheelEvent* event);

    shell::ShellState& state_;
    QtBackend& backend_;
    shell::ShellPainter painter_;
    shell::GraphPainter graphPainter_;
    // A drag of the plot in progress, and the pointer's last logical place.
    bool dragging_ = false;
    QPoint dragLast_;
    PlatformSurface* blockArea_ = nullptr;
    PlatformSurface* keypad_ = nullptr;
    PlatformSurface* graph_ = nullptr;
    int scale_ = 1;
    bool caretShown_ = true;
    QTimer caretTimer_;
};

}  // namespace orvana::qt

#endif
