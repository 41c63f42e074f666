// Input as a user gives it: real mouse clicks and key presses delivered through Qt's test events.
#pragma once

#include <QListWidget>
#include <QTest>

namespace velmora::testing {

// A left click in the middle of a list's row, scrolled into view first; the list must be shown.
inline void ClickRow(QListWidget& list, int row) {
    QListWidgetItem* item = list.item(row);
    list.scrollToItem(item);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.visualItemRect(item).center());
}

// A left click in the middle of a widget.
inline void ClickWidget(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, widget.rect().center());
}

}  // namespace velmora::testing
