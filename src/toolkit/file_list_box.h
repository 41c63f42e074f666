// The files of one folder that match a fixed pattern, sorted by name.
#pragma once

#include <QListWidget>
#include <functional>

namespace velmora {

class FileListBox : public QListWidget {
    Q_OBJECT
  public:
    FileListBox(QWidget* parent, const QString& pattern, int left, int top, int width, int height);

    // The folder as an absolute path.
    QString Path() const { return path_; }
    // Points the list at a folder (relative paths are taken from the current folder) and reads
    // it. A folder that does not exist or cannot be read leaves the list empty; returns false then.
    bool SetPath(const QString& folder);
    // Reads the folder again; afterwards no entry is chosen.
    void Refresh();
    // The chosen file's bare name, empty when none is chosen.
    QString FileName() const;
    QString Pattern() const { return pattern_; }

    // Runs when the user chooses a file.
    std::function<void()> onClick;

  private:
    QString pattern_;
    QString path_;
};

}  // namespace velmora
