// Synthetic material files for window tests.
#include "support/material_files.h"

#include <QFile>
#include <cmath>
#include <cstdio>

namespace velmora::testing {

double AsInFile(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3E", value);
    return std::stod(buffer);
}

TestMaterial SmoothMaterial(const std::string& name, double density, double meanExcitationEnergy) {
    TestMaterial m{name, density, meanExcitationEnergy, {}, {}, {}, {}, {}, {}};
    for (int row = 1; row <= 81; ++row) {
        const double e = m.energy[row] = AsInFile(0.01 * std::pow(10.0, (row - 1) / 16.0));
        m.collision[row] = AsInFile(2.0 * std::pow(e, -0.3) + 1.0);
        m.radiative[row] = AsInFile(0.01 * e);
        m.total[row] = AsInFile(m.collision[row] + m.radiative[row]);
        m.range[row] = AsInFile(0.5 * std::pow(e, 1.5));
    }
    return m;
}

std::string MaterialFileText(const TestMaterial& m) {
    std::string text;
    for (int line = 1; line <= 91; ++line) {
        char generated[96];
        const int r = line - 10;  // the data row
        if (line == 4) {
            std::snprintf(generated, sizeof generated, "  %.6g  %.6g", m.density,
                          m.meanExcitationEnergy);
        } else if (r < 1) {
            std::snprintf(generated, sizeof generated, "free text line %d", line);
        } else {
            std::snprintf(generated, sizeof generated, "   %.3E %.3E %.3E %.3E %.3E", m.energy[r],
                          m.collision[r], m.radiative[r], m.total[r], m.range[r]);
        }
        const auto replaced = m.lineOverrides.find(line);
        text += replaced != m.lineOverrides.end() ? replaced->second
                : line == 1                       ? m.name
                                                  : generated;
        text += "\r\n";
    }
    return text;
}

QString WriteRawFile(const QString& folder, const QString& fileName, const std::string& bytes) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(fileName);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

QString WriteMaterialFile(const QString& folder, const QString& fileName,
                          const TestMaterial& material) {
    return WriteRawFile(folder, fileName, MaterialFileText(material));
}

}  // namespace velmora::testing
