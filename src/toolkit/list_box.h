// A list of text rows whose selection, by the user or by code, runs the click handler at once.
#pragma once

#include <QListWidget>
#include <functional>

namespace velmora {

class ListBox : public QListWidget {
    Q_OBJECT
  public:
    ListBox(QWidget* parent, int left, int top, int width, int height);

    // Empties the list without running the click handler.
    void Clear();
    // Appends a row at the end.
    void AddItem(const QString& text);
    int ListCount() const { return count(); }
    QString List(int index) const;

    // The 0-based selected row, -1 when none.
    int ListIndex() const { return currentRow(); }
    // Selects the row, scrolls it into view and runs onClick before returning, exactly as a user's
    // selection does. -1 removes the selection without a click.
    void SetListIndex(int index);

    // Runs when the user selects a row with the mouse or the arrow keys, when the user clicks the
    // row that is already selected, and on SetListIndex. Taking the keyboard focus, which moves
    // the current row without selecting it, clicks nothing; the first Down or Up in a list with
    // nothing chosen then chooses the first row.
    std::function<void()> onClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void RunClick();
    bool settingFromCode_ = false;
};

}  // namespace velmora
