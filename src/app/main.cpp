// Velmora: starts with the title window alone, in the designed texts or, on request, in English.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

#include "app/data_folder.h"
#include "app/language.h"
#include "app/program_windows.h"
#include "info_windows/title_window.h"
#include "toolkit/program.h"
#include "velmora_version.h"

namespace {

// Bundled tables: installed beside the program (../share/velmora/data) or in the source tree.
QStringList BundledDataFolders() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.absoluteFilePath(QStringLiteral("../share/velmora/data")),
            QStringLiteral(VELMORA_SOURCE_DATA_DIR)};
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before any window or display is needed, as the command-line programs answer it.
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--version") == 0) {
            std::printf("velmora %s\n", velmora::kVelmoraVersion);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    // Before any window exists, so that every text is created in the chosen language.
    const velmora::LanguageChoice language = velmora::ChooseLanguage(
        QCoreApplication::arguments(), qEnvironmentVariable("VELMORA_LANGUAGE"));
    if (!language.warning.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(language.warning));
    }
    if (!velmora::UseLanguage(language.language)) {
        std::fprintf(stderr,
                     "velmora: the English translation could not be loaded; the default "
                     "interface is shown.\n");
    }
    velmora::InitializeToolkit();
    velmora::ChooseWorkingFolder(BundledDataFolders(), velmora::UserDataFolder());
    velmora::titleWindow().Show();
    const int status = QApplication::exec();
    // The windows go before the application object that they belong to.
    velmora::ResetProgramState();
    return status;
}
