// Planning, computing and writing out the equal-interval table.
#include "core/interval_calculation.h"

#include <cmath>
#include <optional>

#include "core/interpolation.h"
#include "core/number_format.h"

// Qt's lupdate collects the texts marked with QT_TRANSLATE_NOOP into the program's translations;
// here the mark stands for the text alone, so the core needs no Qt.
#define QT_TRANSLATE_NOOP(context, text) text

namespace velmora {
namespace {

// The refusals, in the translation context that the windows look them up in.
constexpr char kMessageContext[] = "velmora::IntervalCalculation";
constexpr const char* kNoMaterial =
    QT_TRANSLATE_NOOP("velmora::IntervalCalculation", "No material table has been loaded.");
constexpr const char* kTooLarge = QT_TRANSLATE_NOOP(
    "velmora::IntervalCalculation", "The energies entered are too large to compute with.");
constexpr const char* kZeroInterval =
    QT_TRANSLATE_NOOP("velmora::IntervalCalculation", "The energy interval must not be zero.");
// A row's refusal ends with the row (from 1) and its energy in MeV; the one above the table names
// the table's last energy first.
constexpr const char* kRowNotPositive =
    QT_TRANSLATE_NOOP("velmora::IntervalCalculation",
                      "Every energy of the table must be greater than 0 MeV (row %1 of the table "
                      "would be at %2 MeV).");
constexpr const char* kRowAboveTable =
    QT_TRANSLATE_NOOP("velmora::IntervalCalculation",
                      "The energies must not exceed the last energy of the material's table, %1 "
                      "MeV (row %2 of the table would be at %3 MeV).");
constexpr const char* kRowNotComputable =
    QT_TRANSLATE_NOOP("velmora::IntervalCalculation",
                      "The stopping powers cannot be computed at this energy (row %1 of the table "
                      "would be at %2 MeV).");

MessageTemplate Refusal(const char* text, std::vector<std::string> arguments = {}) {
    return {kMessageContext, text, std::move(arguments)};
}

constexpr double kKeVPerMeV = 1000.0;
constexpr double kMeVPerKeV = 0.001;
constexpr char kListEnergyPattern[] = "0.0000E+00";
constexpr char kListValuePattern[] = "  0.0000E+00";
constexpr char kCsvFieldPattern[] = " 0.0000E+00";
constexpr char kCsvHeader[] = "MeV, Collision, Radiate\r\n";

// The typed boxes in keV, or the reason they cannot make a table. Their signs are not refused
// here: only a row that is computed and lies at or below 0 MeV is (10 to 0 by -3 gives 10, 7, 4
// and 1 MeV; 10 to -1 by 1 gives no row at all).
std::optional<MessageTemplate> ReadPlanInputs(std::string_view startText, std::string_view endText,
                                              std::string_view intervalText, IntervalPlan& plan) {
    plan.startKeV = ReadNumber(startText) * kKeVPerMeV;
    plan.endKeV = ReadNumber(endText) * kKeVPerMeV;
    plan.stepKeV = ReadNumber(intervalText) * kKeVPerMeV;
    if (!std::isfinite(plan.startKeV) || !std::isfinite(plan.endKeV) ||
        !std::isfinite(plan.stepKeV)) {
        return Refusal(kTooLarge);
    }
    if (plan.stepKeV == 0.0) {
        return Refusal(kZeroInterval);
    }
    return std::nullopt;
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

// A refusal of one row: its text, then the row's number (from 1) and energy after any others.
MessageTemplate RowRefusal(const char* text, std::vector<std::string> arguments, int row,
                           double energyMeV) {
    arguments.push_back(std::to_string(row + 1));
    arguments.push_back(NumberText(energyMeV));
    return Refusal(text, std::move(arguments));
}

// The two stopping powers of one row, or the reason the row cannot be computed.
std::optional<MessageTemplate> ComputeRow(const MaterialTable& material, const IntervalPlan& plan,
                                          int row, IntervalRowValues& values) {
    const double energy = RowEnergyMeV(plan, row);
    if (energy <= 0.0) {
        return RowRefusal(kRowNotPositive, {}, row, energy);
    }
    const int upper = FindUpperRow(material, energy);
    if (upper == kEnergyAboveTable) {
        return RowRefusal(kRowAboveTable, {NumberText(material.EnergyMeV[kLastRow])}, row, energy);
    }
    const LogLogBracket bracket(material, upper, energy);
    values.collision = bracket.ValueOf(material.CollisionSP);
    values.radiative = bracket.ValueOf(material.RadiativeSP);
    const bool usable = std::isfinite(values.collision) && values.collision > 0.0 &&
                        std::isfinite(values.radiative) && values.radiative > 0.0;
    if (!usable) {
        return RowRefusal(kRowNotComputable, {}, row, energy);
    }
    return std::nullopt;
}

void Refuse(IntervalCandidate& candidate, MessageTemplate message) {
    candidate.rows.clear();
    candidate.refusal = FillMessage(message.text, message.arguments);
    candidate.refusalMessage = std::move(message);
}

}  // namespace

double RowEnergyMeV(const IntervalPlan& plan, int row) {
    return (plan.startKeV + static_cast<double>(row) * plan.stepKeV) * kMeVPerKeV;
}

std::string FillMessage(std::string_view text, const std::vector<std::string>& arguments) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const std::size_t number = pos + 1 < text.size() && text[pos] == '%' &&
                                           text[pos + 1] >= '1' && text[pos + 1] <= '9'
                                       ? static_cast<std::size_t>(text[pos + 1] - '0')
                                       : 0;
        if (number > 0 && number <= arguments.size()) {
            filled += arguments[number - 1];
            ++pos;
        } else {
            filled += text[pos];
        }
    }
    return filled;
}

IntervalCandidate ComputeIntervalTable(const MaterialTable& material, std::string_view startText,
                                       std::string_view endText, std::string_view intervalText) {
    IntervalCandidate candidate;
    if (!(material.EnergyMeV[kLastRow] > 0.0)) {
        Refuse(candidate, Refusal(kNoMaterial));
        return candidate;
    }
    if (auto refusal = ReadPlanInputs(startText, endText, intervalText, candidate.plan)) {
        Refuse(candidate, std::move(*refusal));
        return candidate;
    }
    PlanRowCount(candidate.plan);
    candidate.rows.resize(static_cast<size_t>(candidate.plan.lastRow + 1));
    for (int row = 0; row <= candidate.plan.lastRow; ++row) {
        if (auto refusal = ComputeRow(material, candidate.plan, row,
                                      candidate.rows[static_cast<size_t>(row)])) {
            Refuse(candidate, std::move(*refusal));
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
