// A drive list; on Linux the drives are the mounted volumes, with the root first.
#pragma once

#include <QComboBox>
#include <functional>

namespace velmora {

class DriveListBox : public QComboBox {
    Q_OBJECT
  public:
    DriveListBox(QWidget* parent, int left, int top, int width);

    // The chosen drive: the root folder of the volume.
    QString Drive() const { return currentText(); }
    // Chooses a listed drive and runs onChange; false when it is not listed.
    bool SetDrive(const QString& drive);

    // Runs when another drive is chosen; choosing the drive that is already chosen changes nothing.
    std::function<void()> onChange;

  private:
    void Choose(int index);
    int chosen_ = 0;
};

// The mounted, ready volumes' root folders: "/" first, the others by name.
QStringList MountedDrives();

}  // namespace velmora
