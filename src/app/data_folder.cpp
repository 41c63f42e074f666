// The working folder: where the material folders are, never inside the installed tree.
#include "app/data_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace velmora {
namespace {

// The folders the material lists read, and beside them the electron tables of the same materials
// under the same names, which only the graph window's comparison reads.
const QStringList kMaterialFolders = {QStringLiteral("p_QRV"), QStringLiteral("p_STC")};
const QStringList kElectronFolders = {QStringLiteral("e_QRV"), QStringLiteral("e_STC")};

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

// A user folder that holds both folders of a pair has been filled before, and tables the user
// deleted there stay deleted. One that holds only one was started by something else
// (velmora-tablegen writing a custom material into p_STC and e_STC, or the user making the
// folder by hand) and still lacks the bundled tables; one that holds neither electron folder was
// made by a version without electron tables.
bool HoldsBoth(const QString& folder, const QStringList& pair) {
    const QDir dir(folder);
    return dir.exists(pair[0]) && dir.exists(pair[1]);
}

// Copies the bundled tables of a pair of folders unless the user folder holds both already,
// never over a file there. A pair the bundled folder lacks is made empty only when
// makeWhenNotBundled is set: empty electron folders would count as filled, and a later version
// bringing electron tables could then never add them.
bool FillFolderPair(const QString& userFolder, const QString& bundledFolder,
                    const QStringList& pair, bool makeWhenNotBundled) {
    if (HoldsBoth(userFolder, pair)) {
        return true;
    }
    bool complete = true;
    for (const QString& name : pair) {
        const QDir from(QDir(bundledFolder).filePath(name));
        const QDir to(QDir(userFolder).filePath(name));
        if (from.exists()) {
            complete = CopyFolderFiles(from, to) && complete;
        } else if (makeWhenNotBundled) {
            complete = QDir().mkpath(to.path()) && complete;
        }
    }
    return complete;
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
    if (!QDir().mkpath(userFolder) ||
        !FillFolderPair(userFolder, bundledFolder, kMaterialFolders, true)) {
        return false;
    }
    // Electron tables that could not be copied cost only the comparison with electrons; working
    // elsewhere would cost the user's own materials in this folder.
    FillFolderPair(userFolder, bundledFolder, kElectronFolders, false);
    return HoldsMaterialFolders(userFolder);
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
