// Text files: backslash paths, encodings of material files, and writes that never leave half a
// file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "toolkit/text_files.h"

namespace velmora {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class TextFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QDir().mkdir(QStringLiteral("p_QRV"));
    }
    void TearDown() override { QDir::setCurrent(previous); }
    QTemporaryDir folder;
    QString previous;
};

TEST_F(TextFilesTest, BackslashPathsOpenRelativeToTheWorkingFolder) {
    Write(QStringLiteral("p_QRV/Fe.qrv"), "Iron\r\n");
    const TextFileContents contents = ReadTextFile(QStringLiteral("p_QRV\\Fe.qrv"));
    ASSERT_TRUE(contents.text.has_value()) << contents.error.toStdString();
    EXPECT_EQ(*contents.text, "Iron\r\n");
    const TextFileContents missing = ReadTextFile(QStringLiteral("p_QRV\\none.qrv"));
    EXPECT_FALSE(missing.text.has_value());
    EXPECT_FALSE(missing.error.isEmpty());
}

TEST_F(TextFilesTest, EncodingsAreDecodedToUtf8) {
    EXPECT_EQ(DecodeToUtf8("\xEF\xBB\xBFWater\r\n"), "Water\r\n");
    EXPECT_EQ(DecodeToUtf8("\xE6\xB0\xB4"), "\xE6\xB0\xB4");  // already UTF-8: 水
    // "水" in Shift_JIS is 0x90 0x85, which is not valid UTF-8.
    const std::string decoded = DecodeToUtf8(QByteArray("\x90\x85 water"));
    EXPECT_EQ(decoded, "\xE6\xB0\xB4 water");
}

TEST_F(TextFilesTest, AtomicWriteReplacesOnlyWhenComplete) {
    const QString target = QDir(folder.path()).filePath(QStringLiteral("out.csv"));
    Write(target, "old contents");
    EXPECT_TRUE(WriteFileAtomically(target, "new contents\r\n").isEmpty());
    EXPECT_EQ(ReadAll(target), QByteArray("new contents\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({QStringLiteral("out.csv")}));
}

TEST_F(TextFilesTest, FailedWritesReportAndLeaveNothingBehind) {
    const QString gone = QDir(folder.path()).filePath(QStringLiteral("gone/out.csv"));
    EXPECT_FALSE(WriteFileAtomically(gone, "x").isEmpty());
    EXPECT_FALSE(QFile::exists(gone));
    // A folder where the file should be: the write fails and the folder stays as it was.
    QDir().mkdir(QDir(folder.path()).filePath(QStringLiteral("taken.csv")));
    const QString taken = QDir(folder.path()).filePath(QStringLiteral("taken.csv"));
    EXPECT_FALSE(WriteFileAtomically(taken, "x").isEmpty());
    EXPECT_TRUE(QFileInfo(taken).isDir());
    const QStringList left = QDir(folder.path()).entryList(QDir::Files);
    EXPECT_TRUE(left.isEmpty()) << left.join(',').toStdString();
}

}  // namespace
}  // namespace velmora
