// The files of one folder that match a fixed pattern, sorted by name. Choosing a file runs onClick
// as a list box's selection does, also when the chosen file is clicked again.
#pragma once

#include "toolkit/list_box.h"

namespace velmora {

class FileListBox : public ListBox {
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

  private:
    QString pattern_;
    QString path_;
};

}  // namespace velmora
