// A small filled figure fixed by the layout (the windows use filled circles).
#pragma once

#include <QColor>
#include <QWidget>

namespace velmora {

class Shape : public QWidget {
    Q_OBJECT
  public:
    Shape(QWidget* parent, const QColor& fill, int left, int top, int width, int height);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_;
};

}  // namespace velmora
