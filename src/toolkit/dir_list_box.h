// A folder list: the chain of folders down to the current one, then its subfolders.
#pragma once

#include <QListWidget>
#include <functional>

namespace velmora {

class DirListBox : public QListWidget {
    Q_OBJECT
  public:
    DirListBox(QWidget* parent, int left, int top, int width, int height);

    // The current folder as an absolute path.
    QString Path() const { return path_; }
    // Opens a folder (relative paths from the current folder) and runs onChange. A folder that
    // does not exist or cannot be read is refused: nothing changes and false is returned.
    bool SetPath(const QString& folder);

    // Runs after the current folder changed, by SetPath or by the user opening a folder.
    std::function<void()> onChange;

  private:
    void Fill();
    void OpenEntry(QListWidgetItem* entry);
    QString path_;
};

}  // namespace velmora
