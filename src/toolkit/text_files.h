// Text files: paths written with backslashes, decoding of material files, and safe writing.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace velmora {

// A path written with backslashes ("p_QRV\Fe.qrv") as this platform spells it.
QString NativePath(const QString& backslashPath);

// The largest text file the program reads; material files are a few kilobytes.
inline constexpr qint64 kMaxTextFileBytes = 4 * 1024 * 1024;

struct TextFileContents {
    std::optional<std::string> text;  // UTF-8, without a byte-order mark
    QString error;                    // why the file could not be read
};

// Reads a whole text file. UTF-8 is taken as it is (a leading byte-order mark dropped); text that
// is not valid UTF-8 is decoded as Shift_JIS, the encoding of files from Japanese Windows, where
// the platform offers it, otherwise as Latin-1.
TextFileContents ReadTextFile(const QString& path);

// Turns bytes of unknown encoding into UTF-8 as ReadTextFile does.
std::string DecodeToUtf8(const QByteArray& bytes);

// Writes the bytes to a temporary file in the target's folder and renames it over the target only
// when everything was written, so a failure leaves no partial file and any earlier file intact.
// Returns an empty string on success, otherwise the reason.
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace velmora
