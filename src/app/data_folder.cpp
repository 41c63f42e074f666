// The working folder: where the material folders are.
#include "app/data_folder.h"

#include <QDir>

namespace velmora {

bool HoldsMaterialFolders(const QString& folder) {
    const QDir dir(folder);
    return dir.exists(QStringLiteral("p_QRV")) || dir.exists(QStringLiteral("p_STC"));
}

QString ChooseWorkingFolder(const QStringList& candidates) {
    if (HoldsMaterialFolders(QDir::currentPath())) {
        return QDir::currentPath();
    }
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && HoldsMaterialFolders(candidate) &&
            QDir::setCurrent(candidate)) {
            return QDir::currentPath();
        }
    }
    return QDir::currentPath();
}

}  // namespace velmora
