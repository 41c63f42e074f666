// A fixed caption; without a background of its own it shows what lies behind it.
#pragma once

#include <QLabel>

namespace velmora {

class Label : public QLabel {
    Q_OBJECT
  public:
    // Position and size in twips. The label starts transparent, with the parent's font.
    Label(QWidget* parent, const QString& text, int left, int top, int width, int height);

    void SetForeColor(const QColor& color);
    // Gives the label an opaque background of its own.
    void SetBackColor(const QColor& color);
    void SetFont(const QFont& font) { setFont(font); }
    void SetCentered() { setAlignment(Qt::AlignHCenter | Qt::AlignTop); }
};

}  // namespace velmora
