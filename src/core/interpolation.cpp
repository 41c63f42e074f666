// Linear scan and log-log straight-line interpolation in the material table; cursor coordinates.
#include "core/interpolation.h"

#include <cmath>
#include <limits>

#include "core/cursor_positions.h"
#include "core/exact_math.h"

namespace velmora {

namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// ln 100, ln 1000 and ln 10000 with ln 10 taken as 2.303, as the cursor lines have always used.
constexpr double kCursorOffsetX = 4.606;
constexpr double kCursorOffsetStopping = 6.909;
constexpr double kCursorOffsetRange = 9.212;

double LogPlus(double value, double offset) {
    return value > 0.0 ? ExactLog(value) + offset : kNotANumber;
}

}  // namespace

int FindUpperRow(const MaterialTable& table, double energyMeV) {
    int row = kFirstRow;
    while (row <= kLastRow && table.EnergyMeV[row] < energyMeV) {
        ++row;
    }
    if (row > kLastRow) {
        return kEnergyAboveTable;
    }
    return row == kFirstRow ? kFirstRow + 1 : row;
}

double InterpolateLogLog(const MaterialTable& table, const TableColumn& column, int upperRow,
                         double energyMeV) {
    return LogLogBracket(table, upperRow, energyMeV).ValueOf(column);
}

LogLogBracket::LogLogBracket(const MaterialTable& table, int upperRow, double energyMeV)
    : upperRow_(upperRow) {
    if (upperRow <= kFirstRow || upperRow > kLastRow) {
        return;
    }
    const double upperEnergy = table.EnergyMeV[upperRow];
    const double lowerEnergy = table.EnergyMeV[upperRow - 1];
    usable_ = upperEnergy > 0.0 && lowerEnergy > 0.0 && energyMeV > 0.0;
    // At a tabulated energy the row's own value, not its exp(ln(...)), which may differ in the
    // last bit.
    exactRow_ = energyMeV == upperEnergy ? upperRow : energyMeV == lowerEnergy ? upperRow - 1 : 0;
    if (usable_ && exactRow_ == 0) {
        logUpper_ = ExactLog(upperEnergy);
        logLower_ = ExactLog(lowerEnergy);
        logEnergy_ = ExactLog(energyMeV);
    }
}

double LogLogBracket::ValueOf(const TableColumn& column) const {
    if (!usable_) {
        return kNotANumber;
    }
    const double upperValue = column[upperRow_];
    const double lowerValue = column[upperRow_ - 1];
    if (!(upperValue > 0.0 && lowerValue > 0.0)) {
        return kNotANumber;
    }
    if (exactRow_ != 0) {
        return column[exactRow_];
    }
    // The order of these steps is fixed: every caller must get the same bits for the same input,
    // and the core's own log and exp give the same bits on every target (WebAssembly too).
    const double a = ExactLog(upperValue);
    const double b = ExactLog(lowerValue);
    const double d = a - b;
    const double p = d * (logUpper_ - logEnergy_);
    const double q = logUpper_ - logLower_;
    const double r = p / q;
    return ExactExp(a - r);
}

double CursorX(double energyMeV) {
    return LogPlus(energyMeV, kCursorOffsetX);
}

double CursorYStopping(double stoppingPower) {
    return LogPlus(stoppingPower, kCursorOffsetStopping);
}

double CursorYRange(double csdaRange) {
    return LogPlus(csdaRange, kCursorOffsetRange);
}

}  // namespace velmora
