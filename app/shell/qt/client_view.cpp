#include "client_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "key_translation.h"
#include "platform/clipboard.h"
#include "platform/edit_control.h"
#include "shell/block_view.h"
#include "shell/clipboard_text.h"
#include "shell/commands.h"
#include "shell/keypad_view.h"
#include "shell/keys.h"
#include "shell/menus.h"

namespace orvana::qt {

namespace {

constexpr int kCaretBlinkMs = 530;
// The wheel zooms the graph by this factor per notch.
constexpr double kWheelZoomStep = 1.25;
// The expression line's child id, for its notifications.
constexpr uint16_t kEditLineId = 1;
// The edit line's notification that the text limit was reached.
constexpr uint16_t kTextLimitReached = 1281;

void releaseSurface(PlatformSurface*& surface) {
    platformDestroySurface(surface);
    surface = nullptr;
}

}  // namespace

ClientView::ClientView(shell::ShellState& state, QtBackend& backend, QWidget* parent)
    : QWidget(parent), state_(state), backend_(backend) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    caretTimer_.setInterval(kCaretBlinkMs);
    connect(&caretTimer_, &QTimer::timeout, this, [this] {
        caretShown_ = !caretShown_;
        update(QRect(0, 0, width(), state_.blockAreaHeight() * scale_));
    });
}

ClientView::~ClientView() {
    releaseSurface(blockArea_);
    releaseSurface(keypad_);
    releaseSurface(graph_);
}

QSize ClientView::sizeHint() const {
    return QSize(shell::kClientWidth * scale_, shell::kClientHeight * scale_);
}

void ClientView::setScale(int scale) {
    if (scale == scale_) return;
    scale_ = scale;
    releaseSurface(blockArea_);
    releaseSurface(keypad_);
    releaseSurface(graph_);
    setFixedSize(sizeHint());
    update();
}

void ClientView::setCaretBlinks(bool blinks) {
    caretShown_ = true;
    if (blinks)
        caretTimer_.start();
    else
        caretTimer_.stop();
}

void ClientView::ensureSurfaces() {
    const int32_t areaHeight = state_.blockAreaHeight();
    if (blockArea_ != nullptr && platformSurfaceHeight(blockArea_) != areaHeight) releaseSurface(blockArea_);
    if (blockArea_ == nullptr)
        blockArea_ = platformCreateScaledSurface(shell::kClientWidth, areaHeight, scale_);
    if (keypad_ == nullptr)
        keypad_ = platformCreateScaledSurface(shell::kKeypadViewWidth, shell::kKeypadViewHeight,
                                              scale_);
}

void ClientView::paintSurface(QPainter& painter, PlatformSurface* surface, int32_t y,
                              int32_t height) {
    if (surface == nullptr) return;
    const int w = platformSurfacePixelWidth(surface), h = platformSurfacePixelHeight(surface);
    const QImage image(reinterpret_cast<const uchar*>(platformSurfacePixels(surface)), w, h, w * 4,
                       QImage::Format_RGB32);
    painter.drawImage(QPoint(0, y * scale_), image, QRect(0, 0, w, std::min(h, height * scale_)));
}

void ClientView::paintGraph(QPainter& painter) {
    if (graph_ == nullptr)
        graph_ = platformCreateScaledSurface(shell::kClientWidth, shell::kClientHeight, scale_);
    shell::syncBlockDisplay(state_);
    const shell::BlockDisplay& display = state_.view.display();
    graphPainter_.paint(*state_.graph, graph_, display.formatCode, display.polar);
    paintSurface(painter, graph_, 0, shell::kClientHeight);
}

QImage ClientView::graphImage() {
    if (graph_ == nullptr)
        graph_ = platformCreateScaledSurface(shell::kClientWidth, shell::kClientHeight, scale_);
    const shell::BlockDisplay& display = state_.view.display();
    graphPainter_.paint(*state_.graph, graph_, display.formatCode, display.polar);
    const PlatformSurface* plot = graphPainter_.plot();
    if (plot == nullptr) return {};
    const int w = platformSurfacePixelWidth(plot), h = platformSurfacePixelHeight(plot);
    const QImage shared(reinterpret_cast<const uchar*>(
                            platformSurfacePixels(const_cast<PlatformSurface*>(plot))),
                        w, h, w * 4, QImage::Format_RGB32);
    return shared.copy();
}

void ClientView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(192, 192, 192));
    if (backend_.busy()) {
        // Something runs (a script, a long evaluation, sampling): the state
        // may be half way through a change, so the last frame is shown again.
        if (state_.graphShown()) {
            paintSurface(painter, graph_, 0, shell::kClientHeight);
            return;
        }
        paintSurface(painter, blockArea_, 0, state_.blockAreaHeight());
        if (state_.keypadShown) paintSurface(painter, keypad_, state_.keypadTop, shell::kKeypadViewHeight);
        return;
    }
    if (state_.graphShown()) {
        // The graph view covers the whole client area.
        paintGraph(painter);
        return;
    }
    ensureSurfaces();
    const int32_t areaHeight = state_.blockAreaHeight();
    painter_.paintBlockArea(state_, blockArea_, caretShown_ && hasFocus());
    paintSurface(painter, blockArea_, 0, areaHeight);
    if (state_.keypadShown && !state_.graphShown()) {
        painter_.paintKeypad(state_, keypad_);
        paintSurface(painter, keypad_, state_.keypadTop, shell::kKeypadViewHeight);
    }
}

void ClientView::settle() {
    shell::PendingWork& pending = state_.pending;
    const bool close = pending.closeWindow;
    pending = shell::PendingWork{};
    caretShown_ = true;
    update();
    if (onSettled) onSettled();
    if (close && onCloseRequested) onCloseRequested();
}

void ClientView::command(int id) {
    if (backend_.busy()) return;
    shell::onCommandMessage(state_, uint16_t(id), 0);
    settle();
}

void ClientView::keyPressEvent(QKeyEvent* event) {
    const TranslatedKey key = translateKey(*event);
    using Kind = TranslatedKey::Kind;
    if (backend_.busy()) {
        // While a script runs, only the stop gets through.
        if (key.kind == Kind::HotKey && key.value == shell::kKeyBack) backend_.notePointerPressed();
        return;
    }
    switch (key.kind) {
        case Kind::None: QWidget::keyPressEvent(event); return;
        case Kind::Character: shell::onCharacter(state_, char16_t(key.value)); break;
        case Kind::KeyUp: shell::onKeyUp(state_, key.value); break;
        case Kind::HotKey: shell::onHotKey(state_, key.value); break;
        case Kind::Command: shell::onCommandMessage(state_, uint16_t(key.value), 0); break;
        case Kind::Copy: copyToClipboard(); break;
        case Kind::Paste: pasteFromClipboard(); break;
        case Kind::Help:
            if (onHelp) onHelp();
            break;
        case Kind::ScaleUp:
        case Kind::ScaleDown:
            if (onScaleStep) onScaleStep(key.kind == Kind::ScaleUp ? 1 : -1);
            break;
    }
    settle();
}

QPoint ClientView::logical(const QPointF& position) const {
    return QPoint(int(position.x()) / scale_, int(position.y()) / scale_);
}

void ClientView::mousePressEvent(QMouseEvent* event) {
    if (backend_.busy()) {
        backend_.notePointerPressed();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    setFocus();
    const QPoint at = logical(event->position());
    if (state_.graphShown()) {
        // A drag moves the plot; Undo Scaling takes the whole drag back.
        state_.graph->beginDrag();
        dragging_ = true;
        dragLast_ = at;
        return;
    }
    if (at.y() < state_.blockAreaHeight() &&
        !(state_.keypadShown && at.y() >= state_.keypadTop))
        clickBlockArea(at);
    else if (state_.keypadShown && at.y() >= state_.keypadTop)
        clickKeypad(QPoint(at.x(), at.y() - state_.keypadTop));
    settle();
}

void ClientView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || backend_.busy() || !state_.graphShown()) return;
    const QPoint at = logical(event->position());
    const QPoint step = at - dragLast_;
    if (step.isNull()) return;
    dragLast_ = at;
    state_.graph->dragBy(step.x(), step.y());
    update();
}

void ClientView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void ClientView::clickBlockArea(QPoint at) {
    if (at.x() >= shell::kBlockAreaWidth) {
        // The scroll bar: above the thumb a page up, below it a page down.
        const shell::ScrollBarState bar = state_.view.scrollBar(state_.blocks());
        const int span = std::max(1, bar.maximum - bar.minimum + 1);
        const int thumb = state_.blockAreaHeight() * (bar.position - bar.minimum) / span;
        state_.view.scroll(state_.blocks(), at.y() < thumb ? shell::ScrollAction::PageUp
                                                          : shell::ScrollAction::PageDown);
        return;
    }
    state_.view.activateBlockAt(state_.document, at.y());
}

void ClientView::clickKeypad(QPoint at) {
    const shell::KeypadHit hit = shell::keypadHitTest(at.x(), at.y());
    if (hit.advancePage)
        shell::onKeyUp(state_, shell::kKeyF9);
    else if (hit.key == u'.')
        shell::onKeyUp(state_, shell::kKeyF8);
    else if (hit.key != 0)
        shell::onCharacter(state_, hit.key);
}

void ClientView::wheelOverGraph(QWheelEvent* event) {
    // One notch (120 eighths of a degree) zooms by a quarter; smooth
    // touchpad deltas zoom by the matching fraction.
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0) return;
    const QPoint at = logical(event->position());
    state_.graph->zoomAbout(std::clamp(at.x(), 0, shell::kGraphWidth - 1),
                            std::clamp(at.y(), 0, shell::kClientHeight - 1),
                            std::pow(kWheelZoomStep, notches));
    settle();
}

void ClientView::wheelEvent(QWheelEvent* event) {
    if (backend_.busy()) return;
    if (state_.graphShown()) {
        wheelOverGraph(event);
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    for (int i = 0; i < std::abs(steps); ++i)
        state_.view.scroll(state_.blocks(),
                           steps > 0 ? shell::ScrollAction::LineUp : shell::ScrollAction::LineDown);
    settle();
}

void ClientView::contextMenuEvent(QContextMenuEvent* event) {
    if (backend_.busy()) return;
    if (state_.graphShown()) {
        // Over the graph a right click opens the "G" menu.
        command(shell::kCmdMenuButton);
        return;
    }
    const QPoint at = logical(event->pos());
    if (at.y() >= state_.blockAreaHeight() || at.x() >= shell::kBlockAreaWidth) return;
    state_.view.activateBlockAt(state_.document, at.y());
    settle();
    command(shell::kCmdMenuButton);
}

void ClientView::copyToClipboard() {
    // The user's own selection in the edit line, else the active answer.
    const std::u16string line = state_.document.editText();
    int32_t start = 0, end = 0;
    platformEditGetSelection(state_.document.editLine(), &start, &end);
    std::u16string_view selection;
    if (start >= 0 && end > start && size_t(end) <= line.size())
        selection = std::u16string_view(line).substr(size_t(start), size_t(end - start));
    const std::u16string text = shell::copyText(state_, selection);
    if (!text.empty()) platformSetClipboardText(text.c_str());
}

void ClientView::pasteFromClipboard() {
    const int32_t length = platformGetClipboardText(nullptr, 0);
    if (length <= 0) return;
    std::u16string text(size_t(length) + 1, u'\0');
    platformGetClipboardText(text.data(), length + 1);
    text.resize(size_t(length));
    // One line: the first line of what was copied, in place of the selection.
    const size_t lineEnd = text.find_first_of(u"\r\n");
    if (lineEnd != std::u16string::npos) text.resize(lineEnd);
    if (platformEditReplaceSelection(state_.document.editLine(), text.c_str()) == 0)
        shell::onCommandMessage(state_, kEditLineId, kTextLimitReached);
}

}  // namespace orvana::qt
