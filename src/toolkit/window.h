// A top-level window of fixed client size that is shown modeless and hidden rather than closed.
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

namespace velmora {

class Window : public QWidget {
    Q_OBJECT
  public:
    // clientWidth and clientHeight in twips; the window cannot be resized.
    Window(const QString& caption, int clientWidthTwips, int clientHeightTwips);

    // Makes the window visible, not modal; a hidden window comes back as it was left.
    // The first Show places the window in the middle of the screen.
    void Show();
    // Makes the window invisible; it keeps every control's contents.
    void Hide();

    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    QString Caption() const { return windowTitle(); }
    void SetBackColor(const QColor& color);

    // Where the window's top left corner goes when it is first shown; without it the window opens
    // in the middle of the screen. The result is kept on the screen.
    std::function<QPoint()> firstPosition;

    // Runs when the user closes the window with its frame. Without a handler the window hides.
    std::function<void()> onClose;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool placed_ = false;
};

}  // namespace velmora
