// Drive lists over the mounted volumes.
#include "toolkit/drive_list_box.h"

#include <QStorageInfo>
#include <algorithm>

#include "toolkit/twips.h"

namespace velmora {

QStringList MountedDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) {
            roots.append(volume.rootPath());
        }
    }
    roots.removeAll(QStringLiteral("/"));
    std::sort(roots.begin(), roots.end());
    roots.prepend(QStringLiteral("/"));
    return roots;
}

DriveListBox::DriveListBox(QWidget* parent, int left, int top, int width) : QComboBox(parent) {
    const QRect area = TwipsRect(left, top, width, 315);
    move(area.topLeft());
    setFixedWidth(area.width());
    addItems(MountedDrives());
    connect(this, &QComboBox::activated, this, [this](int index) { Choose(index); });
}

void DriveListBox::Choose(int index) {
    if (index == chosen_) {
        return;
    }
    chosen_ = index;
    if (onChange) {
        onChange();
    }
}

bool DriveListBox::SetDrive(const QString& drive) {
    const int index = findText(drive);
    if (index < 0) {
        return false;
    }
    setCurrentIndex(index);
    Choose(index);
    return true;
}

}  // namespace velmora
