// Tests of the table window's csv export, its folder and file lists, and closing the window.
#include <sys/resource.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <csignal>

#include "interval_table/interval_table_fixture.h"
#include "support/user_input.h"

namespace velmora::testing {
namespace {

const QByteArray kHeader = "MeV, Collision, Radiate\r\n";

// A file's contents, by a path relative to the test folder.
QByteArray Saved(const char* path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class IntervalTableSaveTest : public IntervalTableTest {
  protected:
    // Types the name, presses Save and expects the confirmation.
    void SaveAs(const char* name) {
        intervalTableWindow().fileNameBox->SetText(name);
        intervalTableWindow().saveButton->click();
        ExpectMessage("ファイルを保存しました", 0);
    }

    // Types the name, presses Save and expects one warning, nothing written, the window still open.
    void ExpectSaveRefused(const char* name, const char* messagePart) {
        const QStringList before = FolderEntries();
        intervalTableWindow().fileNameBox->SetText(name);
        intervalTableWindow().saveButton->click();
        ExpectMessage(messagePart);
        EXPECT_EQ(FolderEntries(), before);
        EXPECT_TRUE(intervalTableWindow().isVisible());
    }
};

TEST_F(IntervalTableSaveTest, WritesTheHeaderAndTheRowsOfTheBoxesAsCrLfLines) {
    IntervalTableWindow& window = intervalTableWindow();
    SaveAs("abc");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.resultList->ListCount(), 0);  // the save does not fill the list
    window.CalculateTable();
    QByteArray expected = kHeader;
    for (QString row : ListRows())
        expected += " " + row.replace("  ", ", ").toLatin1() + "\r\n";
    EXPECT_EQ(expected.count("\r\n"), 101);
    EXPECT_TRUE(expected.startsWith(kHeader + " 1.0000E-01, 4.9910E+00, 1.0000E-03\r\n"));
    EXPECT_EQ(Saved("abc.csv"), expected);
    // The save computes from the boxes: after they change, list and file disagree.
    window.endEnergyBox->SetText("1");
    SaveAs("short");
    EXPECT_EQ(Saved("short.csv").count("\r\n"), 11);
    EXPECT_EQ(window.resultList->ListCount(), 100);
    // A typed extension is kept; no rows give the header alone; an earlier file is overwritten.
    SaveAs("abc.csv");
    EXPECT_EQ(FolderEntries(), QStringList({"abc.csv", "abc.csv.csv", "short.csv"}));
    SetBoxes("10", "1", "1");
    SaveAs("empty");
    EXPECT_EQ(Saved("empty.csv"), kHeader);
    WriteRawFile(folder_, "abc.csv", std::string(20000, 'x'));
    SetBoxes("1", "10", "9");
    SaveAs("abc");
    EXPECT_EQ(Saved("abc.csv"), kHeader + " 1.0000E+00, 3.0000E+00, 1.0000E-02\r\n" +
                                    " 1.0000E+01, 2.0020E+00, 1.0000E-01\r\n");
    SetBoxes("0.01", "1000", "0.01");
    SaveAs("capped");
    const QList<QByteArray> lines = Saved("capped.csv").split('\n');
    ASSERT_EQ(lines.size(), 5003);  // 5002 lines, nothing after the last
    EXPECT_TRUE(lines[5001].startsWith(" 5.0010E+01,"));
    EXPECT_EQ(window.endEnergyBox->Text(), QStringLiteral("50.01"));  // the save rewrote it
}

TEST_F(IntervalTableSaveTest, RefusedOrFailedSavesLeaveNoPartialFileAndTheEarlierFileIntact) {
    ExpectSaveRefused("", "入力されていない項目があります");
    for (const char* name :
         {"a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb", "sub/../abc"})
        ExpectSaveRefused(name, "must not contain");
    ASSERT_TRUE(QDir().mkdir("folder.csv"));  // the target is a folder
    ExpectSaveRefused("folder", "could not be saved");
    // A file size limit below the table's size fails the write as a full disk would, also for
    // root. Nothing may be printed while the limit holds.
    WriteRawFile(folder_, "abc.csv", "earlier\r\n");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit tight{200, saved.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    ExpectSaveRefused("abc", "could not be saved");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(Saved("abc.csv"), "earlier\r\n");
    // The chosen folder is gone.
    ASSERT_TRUE(QDir().mkdir("gone") &&
                intervalTableWindow().folderList->SetPath(folder_ + "/gone"));
    ASSERT_TRUE(QDir().rmdir("gone"));
    ExpectSaveRefused("abc", "could not be saved");
}

TEST_F(IntervalTableSaveTest, ChoicesLastUntilTheWindowClosesAndAClosingDuringASaveLosesNothing) {
    IntervalTableWindow& window = intervalTableWindow();
    const QString sub = folder_ + "/sub";
    WriteRawFile(sub, "run1.csv", "x");
    ASSERT_TRUE(window.folderList->SetPath(sub));
    // A click on the listed file, and on it again after the name was edited, puts its name back.
    ClickRow(*window.csvFileList, 0);
    EXPECT_EQ(window.fileNameBox->Text(), QStringLiteral("run1"));
    window.fileNameBox->SetText("edited");
    ClickRow(*window.csvFileList, 0);
    EXPECT_EQ(window.fileNameBox->Text(), QStringLiteral("run1"));
    SaveAs("abc");
    EXPECT_EQ(Saved("sub/abc.csv").count("\r\n"), 101);
    window.PresetAndShow();  // what the main window's button does: the folder is kept, read anew
    EXPECT_EQ(window.csvFileList->Path(), sub);
    EXPECT_EQ(window.csvFileList->findItems("abc.csv", Qt::MatchExactly).size(), 1);
    // The chosen drive again keeps the folder, another one opens its root, one that cannot be
    // opened is shown but changes nothing.
    const QString drive2 = folder_ + "/drive2";
    WriteRawFile(drive2, "d.csv", "x");
    window.driveList->addItems({drive2, "/no such drive"});
    for (const auto& [drive, shown] :
         {std::pair{QString("/"), sub}, {drive2, drive2}, {QString("/no such drive"), drive2}}) {
        ASSERT_TRUE(window.driveList->SetDrive(drive));
        EXPECT_EQ(std::pair(window.folderList->Path(), window.csvFileList->Path()),
                  std::pair(shown, shown));
    }
    window.cancelButton->click();
    EXPECT_FALSE(window.isVisible());
    window.close();
    EXPECT_FALSE(IntervalTableWindowExists());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    intervalTableWindow().PresetAndShow();
    EXPECT_EQ(intervalTableWindow().csvFileList->Path(), folder_);
    // A close by the frame that is waiting while a save runs: the file is complete, the window
    // goes away as closed, and the next opening builds it anew.
    SetBoxes("0.1", "5.101", "0.001");  // the largest table
    recorder_.whileShown = [] {
        QCoreApplication::postEvent(&intervalTableWindow(), new QCloseEvent);
    };
    SaveAs("run");
    recorder_.whileShown = nullptr;
    EXPECT_EQ(Saved("run.csv").count("\r\n"), 5002);
    EXPECT_FALSE(IntervalTableWindowExists());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    intervalTableWindow().PresetAndShow();
    EXPECT_EQ(intervalTableWindow().endEnergyBox->Text(), QStringLiteral("10"));
}

}  // namespace
}  // namespace velmora::testing
