#include "qt_backend.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "qt_drawing.h"

namespace orvana::qt {

namespace {

QString text(const char16_t* t) { return QString::fromUtf16(t != nullptr ? t : u""); }

std::u16string wide(const QString& s) { return s.toStdU16String(); }

// Copies text into a field's buffer, cut to its capacity.
void fill(PlatformPromptField& field, const std::u16string& value) {
    const size_t n = std::min(value.size(), size_t(field.capacity - 1));
    std::copy_n(value.data(), n, field.text);
    field.text[n] = 0;
}

void addItems(QMenu& menu, const PlatformMenuItem* items, int32_t count, int depth) {
    for (int32_t i = 0; i < count; ++i) {
        const PlatformMenuItem& item = items[i];
        if (item.text == nullptr) {
            menu.addSeparator();
            continue;
        }
        if (item.submenu != nullptr && item.submenuCount > 0 && depth < 8) {
            QMenu* sub = menu.addMenu(text(item.text));
            sub->setEnabled((item.flags & PLATFORM_MENU_DISABLED) == 0);
            addItems(*sub, item.submenu, item.submenuCount, depth + 1);
            continue;
        }
        QAction* action = menu.addAction(text(item.text));
        action->setData(item.id);
        action->setEnabled((item.flags & PLATFORM_MENU_DISABLED) == 0);
        if (item.flags & PLATFORM_MENU_CHECKED) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
}

// The texts of a menu's commands in order, with their ids, sub-menus
// flattened, for scripted answers.
void commands(const PlatformMenuItem* items, int32_t count, std::vector<std::u16string>& texts,
              std::vector<int32_t>& ids, int depth = 0) {
    for (int32_t i = 0; i < count && depth < 8; ++i) {
        const PlatformMenuItem& item = items[i];
        if (item.text == nullptr) continue;
        if (item.submenu != nullptr && item.submenuCount > 0) {
            commands(item.submenu, item.submenuCount, texts, ids, depth + 1);
        } else {
            texts.emplace_back(item.text);
            ids.push_back(item.id);
        }
    }
}

}  // namespace

QtBackend::QtBackend(std::optional<ScriptedAnswers> answers)
    : previous_(platformCurrentBackend()), answers_(std::move(answers)) {
    table_.size = sizeof(PlatformBackend);
    table_.context = this;
    table_.messageBox = messageBox;
    table_.pointerPressed = pointerPressed;
    table_.setWaitCursor = setWaitCursor;
    installQtDrawing(table_);
    table_.trackMenu = trackMenu;
    table_.promptDialog = promptDialog;
    table_.listDialog = listDialog;
    table_.setClipboardText = setClipboardText;
    table_.getClipboardText = getClipboardText;
    table_.openHelp = openHelp;
    table_.findWindow = findWindow;
    platformSetBackend(&table_);
}

QtBackend::~QtBackend() {
    while (waitDepth_ > 0) setWaitCursor(this, 0);
    platformSetBackend(previous_);
}

void QtBackend::setMainWindow(QWidget* window, const std::u16string& className,
                              const std::u16string& title) {
    window_ = window;
    className_ = className;
    title_ = title;
}

QWidget* QtBackend::parentFor(PlatformWindow owner) const {
    // Every handle the program hands out is the main window or one of its
    // children; anything else falls back to the main window.
    if (owner != nullptr && window_ != nullptr) {
        for (QWidget* w : window_->findChildren<QWidget*>())
            if (w == owner) return w;
    }
    return window_;
}

int QtBackend::messageBox(void* context, PlatformWindow owner, const char16_t* t,
                          const char16_t* caption, uint32_t style) {
    QtBackend& b = self(context);
    if (b.answers_) return b.answers_->messageBoxAnswer(style);
    QMessageBox box(b.parentFor(owner));
    box.setWindowTitle(text(caption));
    box.setText(text(t));
    switch (style & PLATFORM_MB_ICON_MASK) {
        case PLATFORM_MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
        case PLATFORM_MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case PLATFORM_MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
        case PLATFORM_MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
    }
    if ((style & PLATFORM_MB_BUTTON_MASK) == PLATFORM_MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton((style & PLATFORM_MB_DEFBUTTON2) ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? PLATFORM_IDYES : PLATFORM_IDNO;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return PLATFORM_IDOK;
}

int QtBackend::pointerPressed(void* context) {
    QtBackend& b = self(context);
    // Let the window repaint and take the press that stops the run; the
    // window swallows every other input while the program is busy.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const bool pressed = b.pointerPressed_;
    b.pointerPressed_ = false;
    return pressed ? 1 : 0;
}

void QtBackend::setWaitCursor(void* context, int shown) {
    QtBackend& b = self(context);
    if (shown) {
        if (b.waitDepth_++ == 0) {
            b.pointerPressed_ = false;
            if (!b.answers_) QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    } else if (b.waitDepth_ > 0 && --b.waitDepth_ == 0) {
        if (!b.answers_) QApplication::restoreOverrideCursor();
    }
}

int32_t QtBackend::trackMenu(void* context, PlatformWindow owner, const PlatformMenuItem* items,
                             int32_t count, int32_t x, int32_t y) {
    QtBackend& b = self(context);
    if (b.answers_) {
        std::vector<std::u16string> texts;
        std::vector<int32_t> ids;
        commands(items, count, texts, ids);
        const int32_t chosen = b.answers_->choose(texts, -1);
        return chosen >= 0 ? ids[size_t(chosen)] : -1;
    }
    QWidget* parent = b.parentFor(owner);
    QMenu menu(parent);
    addItems(menu, items, count, 0);
    const QPoint at = parent != nullptr ? parent->mapToGlobal(QPoint(x * b.scale_, y * b.scale_))
                                        : QPoint(x, y);
    QAction* chosen = menu.exec(at);
    return chosen != nullptr && chosen->data().isValid() ? chosen->data().toInt() : -1;
}

int QtBackend::promptDialog(void* context, PlatformWindow owner, const char16_t* caption,
                            PlatformPromptField* fields, int32_t count) {
    QtBackend& b = self(context);
    if (b.answers_) {
        for (int32_t i = 0; i < count; ++i)
            if (auto answer = b.answers_->take()) fill(fields[i], *answer);
        return 1;
    }
    QDialog dialog(b.parentFor(owner));
    dialog.setWindowTitle(text(caption));
    auto* layout = new QVBoxLayout(&dialog);
    std::vector<QLineEdit*> edits;
    for (int32_t i = 0; i < count; ++i) {
        auto* label = new QLabel(text(fields[i].label), &dialog);
        label->setWordWrap(true);
        auto* edit = new QLineEdit(text(fields[i].text), &dialog);
        edit->setMaxLength(fields[i].capacity - 1);
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        edits.push_back(edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return 0;
    for (int32_t i = 0; i < count; ++i) fill(fields[i], wide(edits[size_t(i)]->text()));
    return 1;
}

int32_t QtBackend::listDialog(void* context, PlatformWindow owner, const char16_t* caption,
                              const char16_t* const* items, int32_t count, int32_t initial) {
    QtBackend& b = self(context);
    if (b.answers_) {
        std::vector<std::u16string> texts;
        for (int32_t i = 0; i < count; ++i) texts.emplace_back(items[i] != nullptr ? items[i] : u"");
        return b.answers_->choose(texts, initial);
    }
    QDialog dialog(b.parentFor(owner));
    dialog.setWindowTitle(text(caption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    for (int32_t i = 0; i < count; ++i) list->addItem(text(items[i]));
    if (initial >= 0) list->setCurrentRow(initial);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return list->currentRow();
}

int QtBackend::setClipboardText(void*, const char16_t* t) {
    QGuiApplication::clipboard()->setText(text(t));
    return 1;
}

int32_t QtBackend::getClipboardText(void*, char16_t* buffer, int32_t capacity) {
    const QString held = QGuiApplication::clipboard()->text();
    if (held.isNull()) return -1;
    const std::u16string value = wide(held);
    if (capacity > 0) {
        const size_t n = std::min(value.size(), size_t(capacity - 1));
        std::copy_n(value.data(), n, buffer);
        buffer[n] = 0;
    }
    return int32_t(value.size());
}

int QtBackend::openHelp(void* context, const char16_t* path, const char16_t* anchor) {
    QtBackend& b = self(context);
    if (b.answers_) {
        b.helpRequests_.push_back(std::u16string(path) + u"#" + anchor);
        return 1;
    }
    QUrl url = QUrl::fromLocalFile(text(path));
    if (anchor != nullptr && *anchor != 0) url.setFragment(text(anchor));
    return QDesktopServices::openUrl(url) ? 1 : 0;
}

PlatformWindow QtBackend::findWindow(void* context, const char16_t* className,
                                     const char16_t* title) {
    QtBackend& b = self(context);
    if (b.window_ == nullptr || b.className_ != className || b.title_ != title) return nullptr;
    return b.window_.data();
}

}  // namespace orvana::qt
