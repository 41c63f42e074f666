// The save dialog: Qt's own dialog, the same on every desktop.
#include "toolkit/file_dialog.h"

#include <QFileDialog>

namespace velmora {
namespace {

SaveFileHandler& Handler() {
    static SaveFileHandler handler;
    return handler;
}

}  // namespace

SaveFileChoice ChooseSaveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                              const QStringList& filters) {
    if (Handler()) {
        return Handler()(caption, proposedPath, filters);
    }
    SaveFileChoice choice;
    choice.filter = filters.value(0);
    choice.path = QFileDialog::getSaveFileName(parent, caption, proposedPath, filters.join(";;"),
                                               &choice.filter, QFileDialog::DontUseNativeDialog);
    return choice;
}

void SetSaveFileHandler(SaveFileHandler handler) {
    Handler() = std::move(handler);
}

}  // namespace velmora
