// The dialog in which the user names a file to save, behind a seam that tests replace.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace velmora {

struct SaveFileChoice {
    QString path;    // empty when the user cancelled
    QString filter;  // the chosen entry of the filters
};

// Asks for a file to save, starting at proposedPath, offering the filters ("PNG image (*.png)").
SaveFileChoice ChooseSaveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                              const QStringList& filters);

// Replaces the dialog (tests answer for the user); an empty handler restores the real dialog.
using SaveFileHandler = std::function<SaveFileChoice(
    const QString& caption, const QString& proposedPath, const QStringList& filters)>;
void SetSaveFileHandler(SaveFileHandler handler);

}  // namespace velmora
