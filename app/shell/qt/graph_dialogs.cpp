#include "graph_dialogs.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "shell/graph_keypad_legend.h"
#include "shell/program_folder.h"

namespace orvana::qt {
namespace {

// The one window's view and backend, for the plain entry points the shell
// core calls.
ClientView* graphView = nullptr;
QtBackend* graphBackend = nullptr;

constexpr int kDialogWidth = 240;
constexpr int kDialogHeight = 266;
constexpr int kFontPixels = 13;
constexpr int kFileNameUnits = 260;

int scale() {
    return graphView != nullptr ? graphView->scale() : 1;
}

bool scripted() {
    return graphBackend == nullptr || graphBackend->scripted();
}

// A dialog of the device's full-screen size with the OK and Cancel buttons
// at the bottom; `body` gets the dialog's own controls.
class FullScreenDialog : public QDialog {
  public:
    explicit FullScreenDialog(const QString& title) : QDialog(graphView) {
        setWindowTitle(title);
        const int s = scale();
        QFont f = font();
        f.setPixelSize(kFontPixels * s);
        setFont(f);
        setFixedSize(kDialogWidth * s, kDialogHeight * s);
        auto* layout = new QVBoxLayout(this);
        body = new QWidget(this);
        layout->addWidget(body, 1);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }
    QWidget* body = nullptr;
};

QLineEdit* numberField(const std::u16string& text, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromStdU16String(text), parent);
    edit->setMaxLength(int(shell::kGraphFieldLimit));
    return edit;
}

QComboBox* listOf(const auto& items, int selected, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const char16_t* item : items) box->addItem(QString::fromUtf16(item));
    box->setCurrentIndex(selected);
    return box;
}

bool gridSettingView(shell::ShellState&, shell::GridSettingForm& form) {
    if (scripted()) return true;
    FullScreenDialog dialog(QStringLiteral("Grid Setting"));
    auto* square = new QCheckBox(QStringLiteral("Square Aspect"), dialog.body);
    square->setChecked(form.squareAspect);
    QComboBox* mode = listOf(shell::kGridModeItems, form.mode, dialog.body);
    QLineEdit* x = numberField(form.xGrid, dialog.body);
    QLineEdit* y = numberField(form.yGrid, dialog.body);
    auto* layout = new QFormLayout(dialog.body);
    layout->addRow(square);
    layout->addRow(mode);
    layout->addRow(QStringLiteral("x-grid"), x);
    layout->addRow(QStringLiteral("y-grid"), y);
    if (dialog.exec() != QDialog::Accepted) return false;
    form.squareAspect = square->isChecked();
    form.mode = mode->currentIndex();
    form.xGrid = x->text().toStdU16String();
    form.yGrid = y->text().toStdU16String();
    return true;
}

bool graphSettingsView(shell::ShellState&, shell::GraphSettingsForm& form) {
    if (scripted()) return true;
    FullScreenDialog dialog(QStringLiteral("Graph Settings"));
    QLineEdit* xMin = numberField(form.xMin, dialog.body);
    QLineEdit* xMax = numberField(form.xMax, dialog.body);
    QLineEdit* yMin = numberField(form.yMin, dialog.body);
    QLineEdit* yMax = numberField(form.yMax, dialog.body);
    auto* makeDefault = new QCheckBox(QStringLiteral("Default"), dialog.body);
    makeDefault->setChecked(form.makeDefault);
    QComboBox* pen = listOf(shell::kPenItems, form.pen, dialog.body);
    auto* layout = new QFormLayout(dialog.body);
    layout->addRow(QStringLiteral("x min"), xMin);
    layout->addRow(QStringLiteral("x max"), xMax);
    layout->addRow(QStringLiteral("y min"), yMin);
    layout->addRow(QStringLiteral("y max"), yMax);
    layout->addRow(makeDefault);
    layout->addRow(QStringLiteral("Pen"), pen);
    if (dialog.exec() != QDialog::Accepted) return false;
    form.xMin = xMin->text().toStdU16String();
    form.xMax = xMax->text().toStdU16String();
    form.yMin = yMin->text().toStdU16String();
    form.yMax = yMax->text().toStdU16String();
    form.makeDefault = makeDefault->isChecked();
    form.pen = pen->currentIndex();
    return true;
}

QPixmap legendPixmap(int s) {
    PlatformSurface* legend = shell::createGraphKeypadLegend(s);
    if (legend == nullptr) return {};
    const int w = platformSurfacePixelWidth(legend), h = platformSurfacePixelHeight(legend);
    const QImage image(reinterpret_cast<const uchar*>(platformSurfacePixels(legend)), w, h, w * 4,
                       QImage::Format_RGB32);
    QPixmap pixmap = QPixmap::fromImage(image.copy());
    platformDestroySurface(legend);
    return pixmap;
}

bool graphKeypadView(shell::ShellState&, bool& showOnBackground) {
    if (scripted()) return true;
    const int s = scale();
    FullScreenDialog dialog(QStringLiteral("Graph Keypad"));
    // The legend at (25, 2) and the check box under it at (25, 175).
    auto* legend = new QLabel(dialog.body);
    legend->setPixmap(legendPixmap(s));
    legend->move(25 * s, 2 * s);
    auto* show = new QCheckBox(QStringLiteral("Show on background"), dialog.body);
    show->setChecked(showOnBackground);
    show->move(25 * s, 175 * s);
    if (dialog.exec() != QDialog::Accepted) return false;
    showOnBackground = show->isChecked();
    return true;
}

void copyGraph(shell::ShellState&) {
    if (graphView == nullptr) return;
    QGuiApplication::clipboard()->setImage(graphView->graphImage());
}

// The file to write: a file dialog, or in key mode a prompt that takes the
// scripted answer (and keeps the suggestion without one).
QString chooseGraphFile() {
    const std::u16string suggested = shell::documentsFolder() + u"graph.png";
    if (!scripted()) {
        return QFileDialog::getSaveFileName(graphView, QStringLiteral("Save Graph as PNG"),
                                            QString::fromStdU16String(suggested),
                                            QStringLiteral("PNG images (*.png)"));
    }
    std::u16string name = suggested;
    name.resize(kFileNameUnits, u'\0');
    PlatformPromptField field{u"File name:", name.data(), kFileNameUnits};
    if (platformPromptDialog(graphView, u"Save Graph as PNG", &field, 1) != 1) return {};
    return QString::fromUtf16(name.c_str());
}

void saveGraph(shell::ShellState& state) {
    if (graphView == nullptr) return;
    QString path = chooseGraphFile();
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) path += QStringLiteral(".png");
    if (!graphView->graphImage().save(path, "PNG"))
        platformMessageBox(state.windows.main, u"The graph could not be saved.", u"Orvana",
                           PLATFORM_MB_OK | PLATFORM_MB_ICONEXCLAMATION);
}

}  // namespace

void installGraphDialogs(shell::ShellState& state, ClientView& view, QtBackend& backend) {
    graphView = &view;
    graphBackend = &backend;
    state.graphDialogs = shell::GraphDialogViews{gridSettingView, graphSettingsView,
                                                 graphKeypadView, copyGraph, saveGraph};
}

}  // namespace orvana::qt
