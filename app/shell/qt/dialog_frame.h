// The frame every shell dialog shares: a modal dialog the size of the
// device's screen at the window's scale, with a menu bar on top. The Back
// key (Escape) is handed to back() instead of closing the dialog.
#ifndef ORVANA_SHELL_QT_DIALOG_FRAME_H
#define ORVANA_SHELL_QT_DIALOG_FRAME_H

#include <QDialog>
#include <QMenuBar>
#include <QString>
#include <QVBoxLayout>
#include <string_view>

namespace orvana::qt {

// A full-screen dialog covers the main window: the client area and the
// soft-key bar below it, in logical pixels.
inline constexpr int kScreenWidth = 240;
inline constexpr int kScreenHeight = 266 + 26;

inline QString qtext(std::u16string_view text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

class DialogFrame : public QDialog {
    Q_OBJECT
public:
    DialogFrame(QWidget* parent, const QString& title, int scale);

    QMenuBar* menu() const { return menu_; }
    QVBoxLayout* body() const { return body_; }
    int scale() const { return scale_; }
    // "OK" and "Cancel" in the menu bar, accepting and rejecting.
    void addOkCancel();

protected:
    // The Back key; the default closes like Cancel.
    virtual void back() { reject(); }
    void keyPressEvent(QKeyEvent* event) override;

private:
    QMenuBar* menu_;
    QVBoxLayout* body_;
    int scale_;
};

}  // namespace orvana::qt

#endif
