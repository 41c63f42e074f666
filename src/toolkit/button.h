// A command button with an optional 32 x 32 picture, background colour and tool tip.
#pragma once

#include <QPushButton>
#include <functional>

namespace velmora {

class Button : public QPushButton {
    Q_OBJECT
  public:
    Button(QWidget* parent, const QString& caption, int left, int top, int width, int height);

    void SetEnabled(bool enabled) { setEnabled(enabled); }
    bool Enabled() const { return isEnabled(); }
    void SetBackColor(const QColor& color);
    void SetPicture(const QPixmap& picture);
    void SetToolTip(const QString& tip) { setToolTip(tip); }

    std::function<void()> onClick;
};

}  // namespace velmora
