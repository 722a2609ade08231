// The main window, titled "Orvana": the client area and, below it, the
// soft-key bar with "Eqns" (or "Graph" over the graph view) on the left and
// "Workspace" on the right. It keeps the scale and its position in the
// desktop settings file, and runs the shell's destroy handling when closed.
#ifndef ORVANA_SHELL_QT_MAIN_WINDOW_H
#define ORVANA_SHELL_QT_MAIN_WINDOW_H

#include <QMimeData>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "client_view.h"
#include "qt_backend.h"
#include "shell/shell_state.h"

namespace orvana::qt {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The window's class and title, by which a library finds it.
    static constexpr char16_t kClassName[] = u"ZebOrvanaCLS";
    static constexpr char16_t kTitle[] = u"Orvana";

    // settingsFile: the desktop settings ("orvana.conf"); empty keeps none.
    MainWindow(shell::ShellState& state, QtBackend& backend, int scale,
               const QString& settingsFile);
    ~MainWindow() override;

    ClientView& client() { return *client_; }
    int scale() const { return client_->scale(); }
    void setScale(int scale);
    // Opens a Workspace as the command line would (another start handed it).
    void openWorkspace(const QString& path);
    // Whether the shell's destroy handling has run (Exit, or the window closed).
    bool destroyed() const { return destroyed_; }

    // The scale for a screen of this height: 2 on an ordinary 1080p screen.
    static int scaleForScreenHeight(int height);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A ".ovw" file dropped on the window is loaded like a file named on the
    // command line.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // The local ".ovw" file a drag carries, or an empty text.
    static QString droppedWorkspace(const QMimeData* data);

private:
    void showWorkspaceMenu();
    void refreshSoftKeys();
    void openHelp();
    void saveSettings() const;

    shell::ShellState& state_;
    QtBackend& backend_;
    ClientView* client_;
    QPushButton* left_;
    QPushButton* right_;
    QString settingsFile_;
    bool destroyed_ = false;
};

}  // namespace orvana::qt

#endif
