// The main of the window benchmarks: a QApplication on Qt's offscreen platform in a temporary
// working folder, message boxes that return at once, and a smooth table of 81 energies from 0.01
// to 1000 MeV (sixteen to a decade) in the shared table. Include it in exactly one file.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cmath>

#include "app/program_windows.h"
#include "core/material_table.h"
#include "core/shared_tables.h"
#include "toolkit/message_box.h"
#include "toolkit/program.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    velmora::InitializeToolkit();
    // The offscreen platform warns on every Show that it cannot raise a window.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    velmora::SetMessageBoxHandler([](const QString&, int) {});
    velmora::MaterialTable& table = velmora::SharedMaterialTable();
    for (int row = velmora::kFirstRow; row <= velmora::kLastRow; ++row) {
        const double energy = 0.01 * std::pow(10.0, (row - 1) / 16.0);
        table.EnergyMeV[row] = energy;
        table.CollisionSP[row] = 2.0 * std::pow(energy, -0.3) + 1.0;
        table.RadiativeSP[row] = 0.01 * energy;
        table.TotalSP[row] = table.CollisionSP[row] + table.RadiativeSP[row];
        table.CsdaRange[row] = 0.5 * std::pow(energy, 1.5);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    velmora::ResetProgramState();
    return 0;
}
