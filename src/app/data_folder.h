// Choosing the working folder that holds the material folders "p_QRV" and "p_STC" (and beside
// them the electron tables in "e_QRV" and "e_STC").
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// Whether the folder holds "p_QRV" or "p_STC".
bool HoldsMaterialFolders(const QString& folder);

// The per-user data folder ($XDG_DATA_HOME/velmora, usually ~/.local/share/velmora).
QString UserDataFolder();

// Makes sure the user folder holds material folders: when it lacks either of them (a first start,
// also one after a custom material was written there first), creates it and copies the bundled
// tables into it. The electron tables (e_QRV, e_STC) are copied the same way when either of their
// folders is missing, also into a folder filled by an earlier version. Files already there are
// never overwritten. Returns false when the folder could not be made or its material folders not
// filled; electron tables that could not be copied leave only the comparison without them.
bool PrepareUserDataFolder(const QString& userFolder, const QString& bundledFolder);

// When the current folder holds neither material folder (a start from a menu), works in the user
// data folder, filled from the first bundled folder that holds material folders; when that cannot
// be made, works in the bundled folder itself. Returns the folder the program then works in.
QString ChooseWorkingFolder(const QStringList& bundledCandidates, const QString& userFolder);

}  // namespace velmora
