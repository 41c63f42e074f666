// Shared set-up of the table window tests: a fresh run in its own folder with a loaded material
// and the window opened.
#pragma once

#include "core/interval_table.h"
#include "core/material_file.h"
#include "core/shared_tables.h"
#include "interval_table/interval_table_window.h"
#include "support/material_files.h"
#include "support/program_test.h"

namespace velmora::testing {

class IntervalTableTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        folder_ = QDir::currentPath();
        const auto parsed = ParseMaterialFile(MaterialFileText(SmoothMaterial()), "m.qrv");
        ASSERT_TRUE(parsed) << parsed.error.Message();
        CommitLoadedMaterial(SharedMaterialTable(), *parsed.value);
        intervalTableWindow().PresetAndShow();
    }

    static void SetBoxes(const QString& start, const QString& end, const QString& interval) {
        intervalTableWindow().startEnergyBox->SetText(start);
        intervalTableWindow().endEnergyBox->SetText(end);
        intervalTableWindow().intervalBox->SetText(interval);
    }

    static QStringList ListRows() {
        QStringList rows;
        for (int i = 0; i < intervalTableWindow().resultList->ListCount(); ++i)
            rows.append(intervalTableWindow().resultList->List(i));
        return rows;
    }

    // Every entry of the test folder, hidden ones and leftovers of temporary files included.
    QStringList FolderEntries() const {
        return QDir(folder_).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QString folder_;
};

}  // namespace velmora::testing
