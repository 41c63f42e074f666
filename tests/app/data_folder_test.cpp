// The working folder: the current folder when it holds tables, otherwise the user's own copy.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/data_folder.h"

namespace velmora {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        previous = QDir::currentPath();
        bundled = root.filePath(QStringLiteral("share/velmora/data"));
        user = root.filePath(QStringLiteral("home/.local/share/velmora"));
        elsewhere = root.filePath(QStringLiteral("elsewhere"));
        WriteFile(bundled + QStringLiteral("/p_QRV/001 Hydrogen.qrv"), "bundled H");
        WriteFile(bundled + QStringLiteral("/p_STC/Water.stc"), "bundled water");
        QDir().mkpath(elsewhere);
        QDir::setCurrent(elsewhere);
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QTemporaryDir root;
    QString previous, bundled, user, elsewhere;
};

TEST_F(DataFolderTest, CurrentFolderWithTablesIsKept) {
    QDir().mkdir(QStringLiteral("p_STC"));
    EXPECT_EQ(ChooseWorkingFolder({bundled}, user), QDir(elsewhere).absolutePath());
    EXPECT_FALSE(QDir(user).exists());
}

TEST_F(DataFolderTest, StartFromAMenuCopiesTheTablesOnceAndWorksInTheUserFolder) {
    EXPECT_EQ(ChooseWorkingFolder({QString(), root.filePath("nothing"), bundled}, user),
              QDir(user).absolutePath());
    EXPECT_EQ(ReadFile(user + QStringLiteral("/p_QRV/001 Hydrogen.qrv")), "bundled H");
    EXPECT_EQ(ReadFile(user + QStringLiteral("/p_STC/Water.stc")), "bundled water");
    // A user's own material and a changed table survive the next start.
    WriteFile(user + QStringLiteral("/p_STC/Mine.stc"), "mine");
    WriteFile(user + QStringLiteral("/p_STC/Water.stc"), "edited");
    QDir::setCurrent(elsewhere);
    EXPECT_EQ(ChooseWorkingFolder({bundled}, user), QDir(user).absolutePath());
    EXPECT_EQ(ReadFile(user + QStringLiteral("/p_STC/Mine.stc")), "mine");
    EXPECT_EQ(ReadFile(user + QStringLiteral("/p_STC/Water.stc")), "edited");
}

TEST_F(DataFolderTest, UnwritableUserFolderFallsBackToTheBundledTables) {
    // A file where the user folder should be: it cannot be made.
    WriteFile(root.filePath(QStringLiteral("blocked")), "file");
    const QString blocked = root.filePath(QStringLiteral("blocked/velmora"));
    EXPECT_EQ(ChooseWorkingFolder({bundled}, blocked), QDir(bundled).absolutePath());
}

}  // namespace
}  // namespace velmora
