// Backslash paths, and writing files without ever leaving half of one.
#include "toolkit/text_files.h"

#include <QSaveFile>

namespace velmora {

QString NativePath(const QString& backslashPath) {
#ifdef Q_OS_WIN
    return backslashPath;
#else
    QString path = backslashPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
#endif
}

QString WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // The bytes may sit in the file's buffer until flushed; a failed flush (a full disk) must not
    // reach commit(), which does not see errors of the final flush and would rename a partial file.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return QString();
}

}  // namespace velmora
