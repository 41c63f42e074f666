// Material files for window tests, in the layout the program reads, and the temporary working
// folder they are written into.
#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <array>
#include <map>
#include <stdexcept>
#include <string>

namespace velmora::testing {

// One synthetic material: head values and rows 1..81 (index 0 unused).
struct TestMaterial {
    std::string name = "Test material";
    double density = 1.0;                // g/cm3
    double meanExcitationEnergy = 75.0;  // eV
    std::array<double, 82> energy{}, collision{}, radiative{}, total{}, range{};
    // Whole lines (1-based) that replace the generated ones, e.g. {57, "garbage"}.
    std::map<int, std::string> lineOverrides;
};

// A value as a material file holds it: four significant digits.
double AsInFile(double value);

// Energies 0.01..1000 MeV, sixteen rows per decade, with smooth positive values (collision
// 2 E^-0.3 + 1, radiative 0.01 E, total their sum, range 0.5 E^1.5), all rounded to the four
// digits a file holds so that they read back exactly.
TestMaterial SmoothMaterial(const std::string& name = "Test material", double density = 1.0,
                            double meanExcitationEnergy = 75.0);

// The file text: 91 CR LF lines, data rows "   " + five values separated by blanks.
std::string MaterialFileText(const TestMaterial& material);

// Write the text or arbitrary bytes to folder/fileName (creating the folder); return the path.
QString WriteMaterialFile(const QString& folder, const QString& fileName,
                          const TestMaterial& material);
QString WriteRawFile(const QString& folder, const QString& fileName, const std::string& bytes);

// A temporary folder that is the working folder while it lives.
class WorkingFolder {
  public:
    WorkingFolder() {
        if (!dir_.isValid() || !QDir::setCurrent(dir_.path()))
            throw std::runtime_error("no temporary working folder");
    }
    ~WorkingFolder() { QDir::setCurrent(previous_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

  private:
    QString previous_ = QDir::currentPath();
    QTemporaryDir dir_;
};

}  // namespace velmora::testing
