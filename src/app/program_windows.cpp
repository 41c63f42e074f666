// The flow of a run: which window is created when, and what each user request leads to.
//
// The title window comes first. Its start button brings up the main window, started afresh; its
// reference button shows the data-reference window; its exit sign ends the program, and so does its
// close box unless the main window is on screen. In the main window a chosen file's head shows at
// once and OK loads the table, which the graph window draws; a typed energy or a chosen table row
// is marked by the graph window's cursor lines, and a pointer on a graph chooses the table row
// under it. The main window's buttons lead back to the title window, to the term window and to
// the equal-interval table window; its close box ends the program.
#include "app/program_windows.h"

#include <QAction>
#include <filesystem>
#include <memory>

#include "app/data_folder.h"
#include "core/cursor_positions.h"
#include "core/interval_table.h"
#include "core/material_table.h"
#include "core/positron_emitters.h"
#include "core/shared_tables.h"
#include "emitters_window/emitters_window.h"
#include "graph/graph_window.h"
#include "info_windows/reference_window.h"
#include "info_windows/term_window.h"
#include "info_windows/title_window.h"
#include "interval_table/interval_table_window.h"
#include "main_window/main_window.h"
#include "toolkit/program.h"

namespace velmora {
namespace {

std::unique_ptr<TitleWindow> g_title;
std::unique_ptr<MainWindow> g_main;
std::unique_ptr<GraphWindow> g_graph;
std::unique_ptr<ReferenceWindow> g_references;
std::unique_ptr<TermWindow> g_terms;
std::unique_ptr<IntervalTableWindow> g_intervalTable;
std::unique_ptr<EmittersWindow> g_emitters;

// Gap in pixels between the main window and the graph window beside it.
constexpr int kGraphWindowGap = 8;

// Back from the main window: the title window shows, the graph and term windows and the main
// window hide; the table and reference windows stay as they are.
void GoBackToTitle() {
    titleWindow().Show();
    if (g_graph) {
        g_graph->Hide();
    }
    if (g_terms) {
        g_terms->Hide();
    }
    if (g_emitters && g_emitters->isVisible()) {
        g_emitters->onClose();
    }
    mainWindow().Hide();
}

// The title window's close box ends the program, unless the main window is on screen (then
// closing the title window only hides it).
void CloseTitleWindow() {
    if (g_main && g_main->isVisible()) {
        g_title->Hide();
    } else {
        End();
    }
}

// The emitters window shows the material the graphs show, loaded with OK, and its electron table
// as the graph window read it. (The shared table's head already names a file merely clicked in the
// main window, whose rows are not loaded.)
void ShowLoadedMaterial(EmittersWindow& emitters) {
    if (!g_graph) {
        emitters.ShowMaterial(MaterialTable{});
        return;
    }
    const ElectronTable& electrons = g_graph->ShownElectrons();
    emitters.ShowMaterial(g_graph->ShownTable(), electrons.table, electrons.unavailable);
}

// Closing the table window by its frame closes it completely; the next opening builds it anew.
// Its close event is still being handled by the window itself, so it is deleted afterwards.
void CloseIntervalTableWindow() {
    if (g_intervalTable) {
        g_intervalTable.release()->deleteLater();
    }
}

}  // namespace

TitleWindow& titleWindow() {
    if (!g_title) {
        g_title = std::make_unique<TitleWindow>();
        TitleWindow& title = *g_title;
        QObject::connect(&title, &TitleWindow::startRequested, [] {
            mainWindow().StartAfresh();
            titleWindow().Hide();
        });
        QObject::connect(&title, &TitleWindow::referencesRequested,
                         [] { referenceWindow().Show(); });
        QObject::connect(&title, &TitleWindow::exitRequested, [] { End(); });
        title.onClose = [] { CloseTitleWindow(); };
    }
    return *g_title;
}

MainWindow& mainWindow() {
    if (!g_main) {
        g_main = std::make_unique<MainWindow>();
        MainWindow& main = *g_main;
        QObject::connect(&main, &MainWindow::materialLoaded, [] {
            graphWindow().DrawMaterial(SharedMaterialTable());
            if (g_emitters) {
                ShowLoadedMaterial(*g_emitters);
            }
        });
        QObject::connect(&main, &MainWindow::valuesShown, [](const QuantitiesAtEnergy& values) {
            GraphWindow& graph = graphWindow();
            graph.MoveCursor(CursorPositionsOf(values));
            graph.SetCursorVisible(true);
        });
        QObject::connect(&main, &MainWindow::backRequested, [] { GoBackToTitle(); });
        QObject::connect(&main, &MainWindow::termsRequested, [] { termWindow().Show(); });
        QObject::connect(&main, &MainWindow::intervalTableRequested,
                         [] { intervalTableWindow().PresetAndShow(); });
        // A shortcut only: the main window's designed layout has no place for another button.
        auto* emitters = new QAction(&main);
        emitters->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
        main.addAction(emitters);
        QObject::connect(emitters, &QAction::triggered, [] { emittersWindow().ShowAndMark(); });
        // Closing the main window by its frame ends the program.
        main.onClose = [] { End(); };
        main.Load();
    }
    return *g_main;
}

GraphWindow& graphWindow() {
    if (!g_graph) {
        g_graph = std::make_unique<GraphWindow>();
        GraphWindow& graph = *g_graph;
        QObject::connect(&graph, &GraphWindow::rowPointedAt,
                         [](int row) { mainWindow().SelectTableRow(row); });
        QObject::connect(&graph, &GraphWindow::emittersRequested,
                         [] { emittersWindow().ShowAndMark(); });
        // Beside the main window, so that its values stay readable while the pointer runs along a
        // graph.
        graph.firstPosition = [&graph] {
            if (!g_main || !g_main->isVisible()) {
                return graph.geometry().topLeft();
            }
            const QRect main = g_main->frameGeometry();
            return QPoint(main.right() + 1 + kGraphWindowGap, main.top());
        };
    }
    return *g_graph;
}

ReferenceWindow& referenceWindow() {
    if (!g_references) {
        g_references = std::make_unique<ReferenceWindow>();
    }
    return *g_references;
}

TermWindow& termWindow() {
    if (!g_terms) {
        g_terms = std::make_unique<TermWindow>();
    }
    return *g_terms;
}

IntervalTableWindow& intervalTableWindow() {
    if (!g_intervalTable) {
        g_intervalTable = std::make_unique<IntervalTableWindow>();
        g_intervalTable->onClose = [] { CloseIntervalTableWindow(); };
    }
    return *g_intervalTable;
}

EmittersWindow& emittersWindow() {
    if (!g_emitters) {
        const QString userFolder = UserDataFolder();
        const std::filesystem::path userFile = userFolder.isEmpty()
                                                   ? std::filesystem::path()
                                                   : UserNuclideFile(userFolder.toStdString());
        g_emitters = std::make_unique<EmittersWindow>(
            userFile.empty() ? NuclideList{BundledNuclides(), std::nullopt}
                             : NuclidesWithUserFile(userFile),
            QString::fromStdString(userFile.string()));
        EmittersWindow& emitters = *g_emitters;
        QObject::connect(&emitters, &EmittersWindow::nuclideChosen,
                         [](double endpointMeV, double meanMeV) {
                             if (g_graph) {
                                 g_graph->MarkEmitterEnergies(endpointMeV, meanMeV);
                             }
                         });
        QObject::connect(&emitters, &EmittersWindow::nuclideCleared, [] {
            if (g_graph) {
                g_graph->HideEmitterMarks();
            }
        });
        ShowLoadedMaterial(emitters);
    }
    return *g_emitters;
}

bool TitleWindowExists() {
    return g_title != nullptr;
}
bool MainWindowExists() {
    return g_main != nullptr;
}
bool GraphWindowExists() {
    return g_graph != nullptr;
}
bool ReferenceWindowExists() {
    return g_references != nullptr;
}
bool TermWindowExists() {
    return g_terms != nullptr;
}
bool IntervalTableWindowExists() {
    return g_intervalTable != nullptr;
}
bool EmittersWindowExists() {
    return g_emitters != nullptr;
}

void ResetProgramState() {
    g_emitters.reset();
    g_intervalTable.reset();
    g_graph.reset();
    g_terms.reset();
    g_references.reset();
    g_main.reset();
    g_title.reset();
    SharedMaterialTable() = MaterialTable{};
    SharedIntervalTable() = IntervalTable{};
}

}  // namespace velmora
