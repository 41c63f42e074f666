// Synthetic material files for window tests.
#include "support/material_files.h"

#include <QFile>
#include <cmath>
#include <cstdio>

namespace velmora::testing {
namespace {

std::string Scientific(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3E", value);
    return buffer;
}

double Rounded(double value) {
    return std::stod(Scientific(value));
}

std::string GeneratedLine(const TestMaterial& m, int line) {
    if (line == 1) {
        return m.name;
    }
    if (line == 4) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "  %.6g  %.6g", m.density, m.meanExcitationEnergy);
        return buffer;
    }
    if (line < 11) {
        return "free text line " + std::to_string(line);
    }
    std::string row = "  ";
    for (const auto* column : {&m.energy, &m.collision, &m.radiative, &m.total, &m.range}) {
        row += " " + Scientific((*column)[line - 10]);
    }
    return row;
}

}  // namespace

TestMaterial SmoothMaterial(const std::string& name, double density, double meanExcitationEnergy) {
    TestMaterial m;
    m.name = name;
    m.density = density;
    m.meanExcitationEnergy = meanExcitationEnergy;
    for (int row = 1; row <= 81; ++row) {
        const double e = Rounded(0.01 * std::pow(10.0, (row - 1) / 16.0));
        m.energy[row] = e;
        m.collision[row] = Rounded(2.0 * std::pow(e, -0.3) + 1.0);
        m.radiative[row] = Rounded(0.01 * e);
        m.total[row] = Rounded(m.collision[row] + m.radiative[row]);
        m.range[row] = Rounded(0.5 * std::pow(e, 1.5));
    }
    return m;
}

std::string MaterialFileText(const TestMaterial& material) {
    std::string text;
    for (int line = 1; line <= 91; ++line) {
        const auto replaced = material.lineOverrides.find(line);
        text += replaced != material.lineOverrides.end() ? replaced->second
                                                         : GeneratedLine(material, line);
        text += "\r\n";
    }
    return text;
}

QString WriteRawFile(const QString& folder, const QString& fileName, const std::string& bytes) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(fileName);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    return path;
}

QString WriteMaterialFile(const QString& folder, const QString& fileName,
                          const TestMaterial& material) {
    return WriteRawFile(folder, fileName, MaterialFileText(material));
}

}  // namespace velmora::testing
