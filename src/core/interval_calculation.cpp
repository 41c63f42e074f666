// Planning, computing and writing out the equal-interval table.
#include "core/interval_calculation.h"

#include <cmath>

#include "core/interpolation.h"
#include "core/number_format.h"

namespace velmora {
namespace {

constexpr double kKeVPerMeV = 1000.0;
constexpr double kMeVPerKeV = 0.001;
constexpr char kListEnergyPattern[] = "0.0000E+00";
constexpr char kListValuePattern[] = "  0.0000E+00";
constexpr char kCsvFieldPattern[] = " 0.0000E+00";
constexpr char kCsvHeader[] = "MeV, Collision, Radiate\r\n";

// The typed boxes in keV, or the reason they cannot make a table.
std::string ReadPlanInputs(std::string_view startText, std::string_view endText,
                           std::string_view intervalText, IntervalPlan& plan) {
    plan.startKeV = ReadNumber(startText) * kKeVPerMeV;
    plan.endKeV = ReadNumber(endText) * kKeVPerMeV;
    plan.stepKeV = ReadNumber(intervalText) * kKeVPerMeV;
    if (!std::isfinite(plan.startKeV) || !std::isfinite(plan.endKeV) ||
        !std::isfinite(plan.stepKeV)) {
        return "The energies entered are too large to compute with.";
    }
    if (plan.stepKeV == 0.0) {
        return "The energy interval must not be zero.";
    }
    if (plan.startKeV <= 0.0 || plan.endKeV <= 0.0) {
        return "The start and end energies must be greater than 0 MeV.";
    }
    return {};
}

// n = (T - S) / D rounded toward minus infinity, cut at 5000 with the end box's new text.
void PlanRowCount(IntervalPlan& plan) {
    const double intervals = std::floor((plan.endKeV - plan.startKeV) / plan.stepKeV);
    if (intervals > kLastIntervalRow) {
        plan.lastRow = kLastIntervalRow;
        plan.capped = true;
        plan.cappedEndText =
            NumberText((plan.startKeV + kLastIntervalRow * plan.stepKeV) / kKeVPerMeV);
    } else {
        plan.lastRow = intervals < 0.0 ? -1 : static_cast<int>(intervals);
    }
}

std::string RowRefusal(const std::string& what, int row, double energyMeV) {
    return what + " (row " + std::to_string(row + 1) + " of the table would be at " +
           NumberText(energyMeV) + " MeV).";
}

// The two stopping powers of one row, or the reason the row cannot be computed.
std::string ComputeRow(const MaterialTable& material, const IntervalPlan& plan, int row,
                       IntervalRowValues& values) {
    const double energy = RowEnergyMeV(plan, row);
    if (energy <= 0.0) {
        return RowRefusal("Every energy of the table must be greater than 0 MeV", row, energy);
    }
    const int upper = FindUpperRow(material, energy);
    if (upper == kEnergyAboveTable) {
        return RowRefusal("The energies must not exceed the last energy of the material's table, " +
                              NumberText(material.EnergyMeV[kLastRow]) + " MeV",
                          row, energy);
    }
    values.collision = InterpolateLogLog(material, material.CollisionSP, upper, energy);
    values.radiative = InterpolateLogLog(material, material.RadiativeSP, upper, energy);
    const bool usable = std::isfinite(values.collision) && values.collision > 0.0 &&
                        std::isfinite(values.radiative) && values.radiative > 0.0;
    if (!usable) {
        return RowRefusal("The stopping powers cannot be computed at this energy", row, energy);
    }
    return {};
}

}  // namespace

double RowEnergyMeV(const IntervalPlan& plan, int row) {
    return (plan.startKeV + static_cast<double>(row) * plan.stepKeV) * kMeVPerKeV;
}

IntervalCandidate ComputeIntervalTable(const MaterialTable& material, std::string_view startText,
                                       std::string_view endText, std::string_view intervalText) {
    IntervalCandidate candidate;
    if (!(material.EnergyMeV[kLastRow] > 0.0)) {
        candidate.refusal = "No material table has been loaded.";
        return candidate;
    }
    candidate.refusal = ReadPlanInputs(startText, endText, intervalText, candidate.plan);
    if (!candidate.refusal.empty()) {
        return candidate;
    }
    PlanRowCount(candidate.plan);
    candidate.rows.resize(static_cast<size_t>(candidate.plan.lastRow + 1));
    for (int row = 0; row <= candidate.plan.lastRow; ++row) {
        candidate.refusal =
            ComputeRow(material, candidate.plan, row, candidate.rows[static_cast<size_t>(row)]);
        if (!candidate.refusal.empty()) {
            candidate.rows.clear();
            return candidate;
        }
    }
    return candidate;
}

void CommitIntervalRows(const IntervalCandidate& candidate, IntervalTable& table) {
    for (int row = 0; row <= candidate.plan.lastRow; ++row) {
        const IntervalRowValues& values = candidate.rows[static_cast<size_t>(row)];
        table.rows[static_cast<size_t>(row)][1] = values.collision;
        table.rows[static_cast<size_t>(row)][2] = values.radiative;
    }
}

std::string IntervalListLine(double energyMeV, double collision, double radiative) {
    return FormatPattern(energyMeV, kListEnergyPattern) +
           FormatPattern(collision, kListValuePattern) +
           FormatPattern(radiative, kListValuePattern);
}

std::string IntervalCsvText(const IntervalPlan& plan, const IntervalTable& table) {
    std::string text = kCsvHeader;
    text.reserve(text.size() + static_cast<size_t>(plan.lastRow + 1) * 40);
    for (int row = 0; row <= plan.lastRow; ++row) {
        const auto& values = table.rows[static_cast<size_t>(row)];
        text += FormatPattern(RowEnergyMeV(plan, row), kCsvFieldPattern);
        text += ',';
        text += FormatPattern(values[1], kCsvFieldPattern);
        text += ',';
        text += FormatPattern(values[2], kCsvFieldPattern);
        text += "\r\n";
    }
    return text;
}

bool FileNameHasForbiddenCharacter(std::string_view name) {
    constexpr std::string_view kForbidden = "\\/:*?\"<>|";
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F || kForbidden.find(c) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

std::string NameWithoutExtension(std::string_view listedName) {
    constexpr size_t kExtensionLength = 4;  // ".csv"
    if (listedName.size() < kExtensionLength) {
        return {};
    }
    return std::string(listedName.substr(0, listedName.size() - kExtensionLength));
}

}  // namespace velmora
