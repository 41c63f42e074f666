// File lists over a folder and a name pattern.
#include "toolkit/file_list_box.h"

#include <QDir>
#include <QSignalBlocker>

namespace velmora {

FileListBox::FileListBox(QWidget* parent, const QString& pattern, int left, int top, int width,
                         int height)
    : ListBox(parent, left, top, width, height), pattern_(pattern) {}

bool FileListBox::SetPath(const QString& folder) {
    path_ = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    Refresh();
    const QDir dir(path_);
    return dir.exists() && dir.isReadable();
}

void FileListBox::Refresh() {
    const QSignalBlocker blocker(this);
    clear();
    QDir dir(path_);
    if (path_.isEmpty() || !dir.exists()) {
        return;
    }
    const QStringList names = dir.entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    addItems(names);
    setCurrentRow(-1);
}

QString FileListBox::FileName() const {
    const QListWidgetItem* chosen = currentItem();
    return (chosen && chosen->isSelected()) ? chosen->text() : QString();
}

}  // namespace velmora
