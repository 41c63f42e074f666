// Tests of the table window's csv export, its folder and file lists, and closing the window.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <csignal>

#include "interval_table/form5_fixture.h"

namespace velmora {
namespace {

using testing::Form5Fixture;
using testing::WriteRawFile;

const QString kSaved = QStringLiteral("ファイルを保存しました");

QList<QByteArray> Lines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.pop_back();
    }
    return lines;
}

class Form5Save : public Form5Fixture {
  protected:
    // Types the name, presses Save and expects the confirmation and the hidden window.
    void SaveAs(const QString& name) {
        messages_.Clear();
        form5().Show();
        form5().Text2->SetText(name);
        form5().Command1->click();
        ASSERT_EQ(messages_.Messages().size(), 1u);
        EXPECT_EQ(messages_.Messages()[0].text, kSaved);
        EXPECT_EQ(messages_.Messages()[0].style, 0);
        EXPECT_FALSE(form5().isVisible());
    }

    // Presses Save and expects one warning, nothing written and the window still open.
    void ExpectSaveRefused(const char* messagePart) {
        const QStringList before = FolderEntries();
        messages_.Clear();
        form5().Command1->click();
        ASSERT_EQ(messages_.Messages().size(), 1u);
        EXPECT_EQ(messages_.Messages()[0].style, 48);
        EXPECT_TRUE(messages_.Messages()[0].text.contains(QString::fromUtf8(messagePart)))
            << messages_.Messages()[0].text.toStdString();
        EXPECT_EQ(FolderEntries(), before);
        EXPECT_TRUE(form5().isVisible());
    }
};

TEST_F(Form5Save, DefaultsWriteTheHeaderAndOneHundredCrLfLines) {
    SaveAs(QStringLiteral("abc"));
    const QByteArray bytes = ReadAll(InFolder(QStringLiteral("abc.csv")));
    const QList<QByteArray> lines = Lines(bytes);
    ASSERT_EQ(lines.size(), 101);
    EXPECT_EQ(lines[0], "MeV, Collision, Radiate\r");
    EXPECT_EQ(lines[1], " 1.0000E-01, 4.9910E+00, 1.0000E-03\r");
    EXPECT_EQ(lines[100], " 1.0000E+01, 2.0020E+00, 1.0000E-01\r");
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 101);
    EXPECT_EQ(bytes.count('\n'), 101);
    for (int i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 36) << lines[i].toStdString();
    }
    // Saving without a calculation leaves the list as it was: empty after the opening.
    EXPECT_EQ(form5().List1->ListCount(), 0);
}

TEST_F(Form5Save, NamesHeaderOnlyFilesAndOverwriting) {
    SaveAs(QStringLiteral("abc.csv"));
    EXPECT_TRUE(QFile::exists(InFolder(QStringLiteral("abc.csv.csv"))));
    EXPECT_FALSE(QFile::exists(InFolder(QStringLiteral("abc.csv"))));

    SetBoxes("10", "1", "1");
    SaveAs(QStringLiteral("empty"));
    EXPECT_EQ(ReadAll(InFolder(QStringLiteral("empty.csv"))), "MeV, Collision, Radiate\r\n");

    WriteRawFile(folder_.path(), "abc.csv", std::string(20000, 'x'));
    SetBoxes("1", "10", "9");
    SaveAs(QStringLiteral("abc"));
    EXPECT_EQ(ReadAll(InFolder(QStringLiteral("abc.csv"))),
              "MeV, Collision, Radiate\r\n"
              " 1.0000E+00, 3.0000E+00, 1.0000E-02\r\n"
              " 1.0000E+01, 2.0020E+00, 1.0000E-01\r\n");
}

TEST_F(Form5Save, CapsAt5000IntervalsAndUsesTheBoxesNotTheList) {
    form5().Command3Click();
    form5().Text4->SetText(QStringLiteral("1"));
    SaveAs(QStringLiteral("short"));
    EXPECT_EQ(Lines(ReadAll(InFolder(QStringLiteral("short.csv")))).size(), 11);
    EXPECT_EQ(form5().List1->ListCount(), 100);

    SetBoxes("0.01", "1000", "0.01");
    SaveAs(QStringLiteral("capped"));
    const QList<QByteArray> lines = Lines(ReadAll(InFolder(QStringLiteral("capped.csv"))));
    ASSERT_EQ(lines.size(), 5002);
    EXPECT_TRUE(lines[5001].startsWith(" 5.0010E+01,"));
    EXPECT_EQ(form5().Text4->Text(), QStringLiteral("50.01"));
    EXPECT_EQ(form5().List1->ListCount(), 100);
}

TEST_F(Form5Save, EmptyOrForbiddenNamesAreRefused) {
    ExpectSaveRefused("入力されていない項目があります");
    for (const char* name :
         {"a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb", "sub/../abc"}) {
        form5().Text2->SetText(QString::fromUtf8(name));
        ExpectSaveRefused("must not contain");
    }
    EXPECT_TRUE(FolderEntries().isEmpty());
}

TEST_F(Form5Save, AFolderThatIsGoneOrATargetThatIsAFolderReportTheFailure) {
    ASSERT_TRUE(QDir().mkdir(InFolder(QStringLiteral("abc.csv"))));
    form5().Text2->SetText(QStringLiteral("abc"));
    ExpectSaveRefused("could not be saved");
    EXPECT_TRUE(QFileInfo(InFolder(QStringLiteral("abc.csv"))).isDir());

    const QString gone = InFolder(QStringLiteral("gone"));
    ASSERT_TRUE(QDir().mkdir(gone));
    ASSERT_TRUE(form5().Dir1->SetPath(gone));
    ASSERT_TRUE(QDir().rmdir(gone));
    ExpectSaveRefused("could not be saved");
    EXPECT_FALSE(QFileInfo::exists(gone));
}

TEST_F(Form5Save, AWriteThatRunsOutOfSpaceKeepsTheEarlierFile) {
    const QByteArray earlier = "earlier contents\r\n";
    WriteRawFile(folder_.path(), "abc.csv", earlier.toStdString());
    form5().Text2->SetText(QStringLiteral("abc"));
    // A file size limit below the table's size makes the write fail as a full disk would, also
    // for root. Nothing is printed while the limit holds.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    form5().Command1->click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].style, 48);
    EXPECT_TRUE(messages_.Messages()[0].text.contains(QStringLiteral("could not be saved")));
    EXPECT_EQ(ReadAll(InFolder(QStringLiteral("abc.csv"))), earlier);
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("abc.csv")});
    EXPECT_TRUE(form5().isVisible());
}

TEST_F(Form5Save, FileClickPutsTheNameWithoutExtensionIntoTheBox) {
    WriteRawFile(folder_.path(), "run1.csv", "x");
    WriteRawFile(folder_.path(), "notes.txt", "x");
    form5().File1->Refresh();
    ASSERT_EQ(form5().File1->count(), 1);
    form5().Text2->SetText(QStringLiteral("typed"));
    form5().File1->setCurrentRow(0);
    EXPECT_EQ(form5().Text2->Text(), QStringLiteral("run1"));
    EXPECT_EQ(NameWithoutExtension("abc"), "");
}

TEST_F(Form5Save, FolderAndDriveChoicesMoveTheFileListAndTheSave) {
    const QString sub = InFolder(QStringLiteral("sub"));
    WriteRawFile(sub, "inside.csv", "x");
    ASSERT_TRUE(form5().Dir1->SetPath(sub));
    EXPECT_EQ(form5().File1->Path(), sub);
    EXPECT_EQ(form5().File1->count(), 1);
    SaveAs(QStringLiteral("abc"));
    EXPECT_EQ(Lines(ReadAll(QDir(sub).filePath(QStringLiteral("abc.csv")))).size(), 101);

    // A drive whose folder cannot be opened is ignored without a message.
    messages_.Clear();
    form5().Drive1->addItem(QStringLiteral("/no/such/drive"));
    ASSERT_TRUE(form5().Drive1->SetDrive(QStringLiteral("/no/such/drive")));
    EXPECT_EQ(form5().Dir1->Path(), sub);
    EXPECT_EQ(form5().File1->Path(), sub);
    EXPECT_TRUE(messages_.Messages().empty());

    ASSERT_TRUE(form5().Drive1->SetDrive(QStringLiteral("/")));
    EXPECT_EQ(form5().Dir1->Path(), QStringLiteral("/"));
    EXPECT_EQ(form5().File1->Path(), QStringLiteral("/"));
}

TEST_F(Form5Save, CancelKeepsTheFolderButClosingByTheFrameStartsAnew) {
    const QString sub = InFolder(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkdir(sub));
    ASSERT_TRUE(form5().Dir1->SetPath(sub));
    form5().Text2->SetText(QStringLiteral("name"));
    form5().Command2->click();
    EXPECT_FALSE(form5().isVisible());
    EXPECT_EQ(form5().Text2->Text(), QStringLiteral("name"));
    form5().PresetAndShow();
    EXPECT_EQ(form5().File1->Path(), sub);
    EXPECT_EQ(form5().Text2->Text(), QString());

    form5().close();
    EXPECT_FALSE(Form5Exists());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form5().PresetAndShow();
    EXPECT_EQ(form5().Dir1->Path(), QDir::currentPath());
    EXPECT_EQ(form5().File1->Path(), QDir::currentPath());
}

}  // namespace
}  // namespace velmora
