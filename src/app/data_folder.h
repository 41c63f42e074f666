// Choosing the working folder that holds the material folders "p_QRV" and "p_STC".
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// Whether the folder holds "p_QRV" or "p_STC".
bool HoldsMaterialFolders(const QString& folder);

// When the current folder holds neither material folder (a start from a menu), changes to the
// first of the candidates that holds one. Returns the folder the program then works in.
QString ChooseWorkingFolder(const QStringList& candidates);

}  // namespace velmora
