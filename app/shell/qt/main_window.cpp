#include "main_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QHBoxLayout>
#include <QSettings>
#include <QVBoxLayout>

#include "graph_dialogs.h"
#include "platform/popup_menu.h"
#include "qt_dialogs.h"
#include "platform/shell_services.h"
#include "shell/commands.h"
#include "shell/help_page.h"
#include "shell/menus.h"
#include "shell/shell_lifecycle.h"
#include "shell/workspace_commands.h"

namespace orvana::qt {

namespace {

constexpr int kSoftKeyHeight = 26;
constexpr int kSmallestScale = 1;
constexpr int kLargestScale = 3;
// The Workspace menu opens above the right soft key.
constexpr int kWorkspaceMenuX = 120;

}  // namespace

int MainWindow::scaleForScreenHeight(int height) {
    return std::clamp(height / 500, kSmallestScale, kLargestScale);
}

MainWindow::MainWindow(shell::ShellState& state, QtBackend& backend, int scale,
                       const QString& settingsFile)
    : state_(state), backend_(backend), settingsFile_(settingsFile) {
    setWindowTitle(QString::fromUtf16(kTitle));
    setObjectName(QString::fromUtf16(kClassName));
    client_ = new ClientView(state, backend, this);
    installGraphDialogs(state, *client_, backend);
    left_ = new QPushButton(this);
    right_ = new QPushButton(QStringLiteral("Workspace"), this);
    for (QPushButton* button : {left_, right_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setFlat(true);
    }
    auto* keys = new QHBoxLayout;
    keys->setContentsMargins(0, 0, 0, 0);
    keys->setSpacing(0);
    keys->addWidget(left_);
    keys->addWidget(right_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client_);
    layout->addLayout(keys);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(left_, &QPushButton::clicked, this, [this] { client_->command(shell::kCmdMenuButton); });
    connect(right_, &QPushButton::clicked, this, [this] { showWorkspaceMenu(); });
    client_->onCloseRequested = [this] {
        destroyed_ = true;
        close();
    };
    client_->onScaleStep = [this](int step) { setScale(this->scale() + step); };
    client_->onHelp = [this] { openHelp(); };
    // The left soft key reads "Graph" over the graph view, "Eqns" otherwise.
    client_->onSettled = [this] { refreshSoftKeys(); };

    backend_.setMainWindow(this, kClassName, kTitle);
    state_.dialogs = windowDialogs(backend_.scripted());
    setAcceptDrops(true);
    setScale(scale);
    if (!settingsFile_.isEmpty()) {
        const QSettings settings(settingsFile_, QSettings::IniFormat);
        if (settings.contains(QStringLiteral("window/position")))
            move(settings.value(QStringLiteral("window/position")).toPoint());
    }
    client_->setFocus();
}

MainWindow::~MainWindow() {
    state_.graphDialogs = shell::inactiveGraphDialogs();
    setDialogOwner(nullptr, 1);
    backend_.setMainWindow(nullptr, {}, {});
}

void MainWindow::setScale(int scale) {
    scale = std::clamp(scale, kSmallestScale, kLargestScale);
    backend_.setScale(scale);
    setDialogOwner(this, scale);
    client_->setScale(scale);
    QFont font = left_->font();
    font.setPixelSize(13 * scale);
    for (QPushButton* button : {left_, right_}) {
        button->setFont(font);
        button->setFixedHeight(kSoftKeyHeight * scale);
    }
    refreshSoftKeys();
    adjustSize();
}

void MainWindow::refreshSoftKeys() {
    left_->setText(QString::fromStdU16String(state_.leftButton));
}

void MainWindow::showWorkspaceMenu() {
    if (backend_.busy()) return;
    const shell::ShellMenus menus(state_);
    const auto& items = menus.workspace();
    const int32_t chosen = platformTrackMenu(this, items.data(), int32_t(items.size()),
                                             kWorkspaceMenuX, shell::kClientHeight);
    if (chosen >= 0) client_->command(chosen);
    refreshSoftKeys();
}

void MainWindow::openHelp() {
    const std::u16string page = shell::writeHelpPage();
    if (!page.empty()) platformOpenHelp(page.c_str(), u"Main_Contents");
}

void MainWindow::openWorkspace(const QString& path) {
    raise();
    activateWindow();
    // A path that names no Workspace only brings the window to the front:
    // the Workspace on screen is not replaced behind the user's back.
    const std::u16string wide = path.toStdU16String();
    if (backend_.busy() || !shell::opensWorkspaceFile(wide)) return;
    shell::loadWorkspaceFile(state_, wide, 0);
    state_.rpnMenuChecked = state_.rpnMode;
    client_->settle();
}

QString MainWindow::droppedWorkspace(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QStringLiteral(".ovw"))) return {};
    return url.toLocalFile();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedWorkspace(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedWorkspace(event->mimeData());
    if (path.isEmpty() || backend_.busy()) return;
    event->acceptProposedAction();
    // Loaded as a file named on the command line is: every part, no options.
    shell::loadWorkspaceFile(state_, path.toStdU16String(), 0);
    state_.rpnMenuChecked = state_.rpnMode;
    client_->settle();
}

void MainWindow::saveSettings() const {
    if (settingsFile_.isEmpty()) return;
    QSettings settings(settingsFile_, QSettings::IniFormat);
    settings.setValue(QStringLiteral("window/scale"), scale());
    settings.setValue(QStringLiteral("window/position"), pos());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (backend_.busy()) {
        // A running script is stopped first; the window closes afterwards.
        backend_.notePointerPressed();
        event->ignore();
        return;
    }
    if (!destroyed_) {
        destroyed_ = true;
        shell::destroyShell(state_);
    }
    saveSettings();
    event->accept();
}

}  // namespace orvana::qt
