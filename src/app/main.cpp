// Velmora: starts with the title window alone.
#include <QApplication>
#include <QDir>

#include "app/data_folder.h"
#include "app/program_windows.h"
#include "info_windows/title_window.h"
#include "toolkit/program.h"

namespace {

// Bundled tables: installed beside the program (../share/velmora/data) or in the source tree.
QStringList BundledDataFolders() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.absoluteFilePath(QStringLiteral("../share/velmora/data")),
            QStringLiteral(VELMORA_SOURCE_DATA_DIR)};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    velmora::InitializeToolkit();
    velmora::ChooseWorkingFolder(BundledDataFolders(), velmora::UserDataFolder());
    velmora::titleWindow().Show();
    const int status = QApplication::exec();
    // The windows go before the application object that they belong to.
    velmora::ResetProgramState();
    return status;
}
