// A one-line text box whose key-press handler sees each character before the box does.
#pragma once

#include <QLineEdit>
#include <functional>
#include <string>

namespace velmora {

class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    TextBox(QWidget* parent, int left, int top, int width, int height);

    QString Text() const { return text(); }
    std::string TextUtf8() const { return text().toStdString(); }
    void SetText(const QString& value) { setText(value); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    bool Enabled() const { return isEnabled(); }
    void SetFocus() { setFocus(Qt::OtherFocusReason); }

    // Character code of the key (13 for Enter, 8 for backspace), before the box handles the key.
    std::function<void(int keyAscii)> onKeyPress;
    std::function<void()> onClick;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// The character code a key press delivers to a key-press handler, or -1 for keys without one
// (arrows, function keys, bare modifiers).
int KeyAscii(const QKeyEvent& event);

}  // namespace velmora
