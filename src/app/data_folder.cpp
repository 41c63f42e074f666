// The working folder: where the material folders are, never inside the installed tree.
#include "app/data_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace velmora {
namespace {

const QStringList kMaterialFolders = {QStringLiteral("p_QRV"), QStringLiteral("p_STC")};

bool CopyFolderFiles(const QDir& from, const QDir& to) {
    if (!to.exists() && !QDir().mkpath(to.path())) {
        return false;
    }
    bool complete = true;
    for (const QString& name : from.entryList(QDir::Files)) {
        const QString target = to.filePath(name);
        if (!QFile::exists(target)) {
            complete = QFile::copy(from.filePath(name), target) && complete;
            QFile::setPermissions(
                target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
    return complete;
}

// A user folder that holds both material folders has been filled before. One that holds only one
// was started by something else (velmora-tablegen writing a custom material into p_STC, or the user
// making the folder by hand) and still lacks the bundled tables.
bool HoldsBothMaterialFolders(const QString& folder) {
    const QDir dir(folder);
    return dir.exists(kMaterialFolders[0]) && dir.exists(kMaterialFolders[1]);
}

QString FirstHoldingMaterials(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && HoldsMaterialFolders(candidate)) {
            return QDir(candidate).absolutePath();
        }
    }
    return QString();
}

}  // namespace

bool HoldsMaterialFolders(const QString& folder) {
    const QDir dir(folder);
    return dir.exists(kMaterialFolders[0]) || dir.exists(kMaterialFolders[1]);
}

QString UserDataFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("velmora"));
}

bool PrepareUserDataFolder(const QString& userFolder, const QString& bundledFolder) {
    if (HoldsBothMaterialFolders(userFolder)) {
        return true;
    }
    bool complete = QDir().mkpath(userFolder);
    for (const QString& materials : kMaterialFolders) {
        const QDir from(QDir(bundledFolder).filePath(materials));
        const QDir to(QDir(userFolder).filePath(materials));
        complete =
            complete && (from.exists() ? CopyFolderFiles(from, to) : QDir().mkpath(to.path()));
    }
    return complete && HoldsMaterialFolders(userFolder);
}

QString ChooseWorkingFolder(const QStringList& bundledCandidates, const QString& userFolder) {
    if (HoldsMaterialFolders(QDir::currentPath())) {
        return QDir::currentPath();
    }
    const QString bundled = FirstHoldingMaterials(bundledCandidates);
    if (!userFolder.isEmpty() && PrepareUserDataFolder(userFolder, bundled) &&
        QDir::setCurrent(userFolder)) {
        return QDir::currentPath();
    }
    if (!bundled.isEmpty()) {
        QDir::setCurrent(bundled);
    }
    return QDir::currentPath();
}

}  // namespace velmora
