// List boxes with a synchronous click on every selection.
#include "toolkit/list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "toolkit/twips.h"

namespace velmora {

ListBox::ListBox(QWidget* parent, int left, int top, int width, int height) : QListWidget(parent) {
    setGeometry(TwipsRect(left, top, width, height));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // A click is a newly selected row: the current row alone also moves when the list takes the
    // focus, which selects nothing.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QListWidgetItem* chosen = currentItem();
        if (!settingFromCode_ && chosen != nullptr && chosen->isSelected()) {
            RunClick();
        }
    });
}

// A press on the row that is already selected changes no selection, so Qt reports nothing; the
// user has still clicked it, and clicking a chosen entry again must act again.
void ListBox::mousePressEvent(QMouseEvent* event) {
    QListWidgetItem* pressed = itemAt(event->position().toPoint());
    const bool alreadyChosen =
        pressed != nullptr && pressed == currentItem() && pressed->isSelected();
    QListWidget::mousePressEvent(event);
    if (alreadyChosen && event->button() == Qt::LeftButton && pressed->isSelected()) {
        RunClick();
    }
}

// Taking the focus makes the first row current without choosing it, so Down would go on to the
// second; in a list with nothing chosen the first arrow key chooses the first row instead.
void ListBox::keyPressEvent(QKeyEvent* event) {
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && event->modifiers() == Qt::NoModifier && count() > 0 && selectedItems().isEmpty()) {
        setCurrentRow(0);
        scrollToItem(item(0));
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ListBox::Clear() {
    const QSignalBlocker blocker(this);
    clear();
}

void ListBox::AddItem(const QString& text) {
    addItem(text);
}

QString ListBox::List(int index) const {
    const QListWidgetItem* row = item(index);
    return row ? row->text() : QString();
}

void ListBox::SetListIndex(int index) {
    if (index < -1 || index >= count()) {
        return;
    }
    settingFromCode_ = true;
    setCurrentRow(index);
    settingFromCode_ = false;
    if (index < 0) {
        return;
    }
    scrollToItem(item(index));
    RunClick();
}

void ListBox::RunClick() {
    if (onClick) {
        onClick();
    }
}

}  // namespace velmora
