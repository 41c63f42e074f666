// Shared set-up of the table window tests: a fresh run in its own folder with a loaded material.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/forms.h"
#include "core/material_file.h"
#include "interval_table/form5.h"
#include "interval_table/interval_table.h"
#include "support/material_files.h"
#include "support/message_recorder.h"
#include "toolkit/text_files.h"

namespace velmora::testing {

// What a refused calculation or save must leave untouched.
struct Snapshot {
    QStringList list;
    QStringList boxes;
    IntervalTable table;
    QStringList files;
};

class Form5Fixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProgramState();
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        LoadMaterial(SmoothMaterial());
        form5().PresetAndShow();
    }

    void TearDown() override {
        ResetProgramState();
        QDir::setCurrent(previous_);
    }

    // Loads a material into the shared table the way the main window's OK button does.
    static void LoadMaterial(const TestMaterial& material) {
        const QString path = WriteMaterialFile(QStringLiteral("p_QRV"), "m.qrv", material);
        const TextFileContents contents = ReadTextFile(path);
        ASSERT_TRUE(contents.text.has_value());
        const auto parsed = ParseMaterialFile(*contents.text, "m.qrv");
        ASSERT_TRUE(parsed) << parsed.error.Message();
        CommitLoadedMaterial(SharedMaterialTable(), *parsed.value);
        QFile::remove(path);
        QDir().rmdir(QStringLiteral("p_QRV"));
    }

    static void SetBoxes(const QString& start, const QString& end, const QString& interval) {
        form5().Text3->SetText(start);
        form5().Text4->SetText(end);
        form5().Text1->SetText(interval);
    }
    static void SetBoxes(const char* start, const char* end, const char* interval) {
        SetBoxes(QString::fromUtf8(start), QString::fromUtf8(end), QString::fromUtf8(interval));
    }

    static QStringList ListRows() {
        QStringList rows;
        for (int i = 0; i < form5().List1->ListCount(); ++i) {
            rows.append(form5().List1->List(i));
        }
        return rows;
    }

    // Every entry of the test folder, hidden ones and leftovers of temporary files included.
    QStringList FolderEntries() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    Snapshot TakeSnapshot() const {
        const Form5& window = form5();
        return {ListRows(),
                {window.Text1->Text(), window.Text2->Text(), window.Text3->Text(),
                 window.Text4->Text()},
                SharedIntervalTable(),
                FolderEntries()};
    }

    void ExpectUnchanged(const Snapshot& before) const {
        const Snapshot now = TakeSnapshot();
        EXPECT_EQ(now.list, before.list);
        EXPECT_EQ(now.boxes, before.boxes);
        EXPECT_TRUE(now.table.rows == before.table.rows);
        EXPECT_EQ(now.files, before.files);
    }

    static QByteArray ReadAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString InFolder(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    QTemporaryDir folder_;
    QString previous_;
    MessageRecorder messages_;
};

}  // namespace velmora::testing
