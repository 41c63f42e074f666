// Files: paths written with backslashes, and writing without ever leaving half a file.
// (Material files are read and decoded by the core, alike for every reader of them.)
#pragma once

#include <QByteArray>
#include <QString>

namespace velmora {

// A path written with backslashes ("p_QRV\Fe.qrv") as this platform spells it.
QString NativePath(const QString& backslashPath);

// Writes the bytes to a temporary file in the target's folder and renames it over the target only
// when everything was written, so a failure leaves no partial file and any earlier file intact.
// Returns an empty string on success, otherwise the reason.
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace velmora
