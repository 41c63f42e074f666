// Program end and event processing.
#include "toolkit/program.h"

#include <QApplication>
#include <QWidget>

namespace velmora {
namespace {

std::function<void()>& EndHandler() {
    static std::function<void()> handler;
    return handler;
}

bool& EndedFlag() {
    static bool ended = false;
    return ended;
}

}  // namespace

void End() {
    EndedFlag() = true;
    if (EndHandler()) {
        EndHandler()();
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

bool ProgramEnded() {
    return EndedFlag();
}

void SetEndHandler(std::function<void()> handler) {
    EndHandler() = std::move(handler);
    EndedFlag() = false;
}

void DoEvents() {
    QCoreApplication::processEvents();
}

}  // namespace velmora

#include <QStyleFactory>

#include "toolkit/fonts.h"

namespace velmora {

void InitializeToolkit() {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    InstallFontSubstitutions();
}

}  // namespace velmora
