// Top-level windows: fixed size, modeless, hidden rather than destroyed.
#include "toolkit/window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "toolkit/twips.h"

namespace velmora {

Window::Window(const QString& caption, int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr, Qt::Window) {
    setWindowTitle(caption);
    setFixedSize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
}

void Window::Show() {
    if (!placed_) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            QRect frame(QPoint(0, 0), size());
            frame.moveCenter(available.center());
            if (firstPosition) {
                frame.moveTopLeft(firstPosition());
            }
            frame.moveRight(std::min(frame.right(), available.right()));
            frame.moveBottom(std::min(frame.bottom(), available.bottom()));
            frame.moveLeft(std::max(frame.left(), available.left()));
            frame.moveTop(std::max(frame.top(), available.top()));
            move(frame.topLeft());
        }
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void Window::Hide() {
    hide();
}

void Window::SetBackColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
    setAutoFillBackground(true);
}

void Window::closeEvent(QCloseEvent* event) {
    // The window is never destroyed by its frame's close box; what happens is the handler's choice.
    event->ignore();
    if (onClose) {
        onClose();
    } else {
        hide();
    }
}

}  // namespace velmora
