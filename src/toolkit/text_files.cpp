// Reading material files in their encoding and writing files without ever leaving half of one.
#include "toolkit/text_files.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

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

std::string DecodeToUtf8(const QByteArray& bytes) {
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF")) {
        body.remove(0, 3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(body);
    if (!utf8.hasError()) {
        return body.toStdString();
    }
    QStringDecoder shiftJis("Shift_JIS");
    if (shiftJis.isValid()) {
        const QString decoded = shiftJis.decode(body);
        if (!shiftJis.hasError()) {
            return decoded.toStdString();
        }
    }
    return QString::fromLatin1(body).toStdString();
}

TextFileContents ReadTextFile(const QString& path) {
    TextFileContents result;
    QFile file(NativePath(path));
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.size() > kMaxTextFileBytes) {
        result.error = QStringLiteral("the file is too large to be a material table");
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.text = DecodeToUtf8(bytes);
    return result;
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
