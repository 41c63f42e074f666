// Look-ups of many energies or csda ranges at once, on several threads, with every result the
// same double as the one-at-a-time queries give.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "energy_query.h"
#include "material_table.h"

namespace velmora {

// A material table with the natural logarithms of its energies and values computed once, so that
// an interpolation takes one logarithm and one exponential per column instead of five logarithms.
// At() gives bit for bit what InterpolateAtEnergy gives: the same logarithms, differences and
// quotients in the same order. A table whose energies do not rise or that holds a value that is
// not positive and finite is interpolated by InterpolateAtEnergy itself.
class PreparedTable {
  public:
    explicit PreparedTable(const MaterialTable& table);

    std::optional<QuantitiesAtEnergy> At(double energyMeV) const;

  private:
    static constexpr int kColumns = 4;  // collision, radiative, total, csda range
    // Even steps of ln E from row 1 to row 81, each knowing a row near its start, so that finding
    // the row of an energy takes a step or two instead of a bisection.
    static constexpr int kBuckets = 512;

    const MaterialTable& table_;
    bool prepared_ = false;
    TableColumn logEnergy_{};
    TableColumn logEnergyStep_{};  // ln E[i] - ln E[i-1]
    TableColumn logValue_[kColumns]{};
    TableColumn logValueStep_[kColumns]{};  // ln v[i] - ln v[i-1]
    double bucketsPerLog_ = 0.0;
    std::array<int, kBuckets> firstRowOfBucket_{};
};

// Where the four quantities of each energy go; every span as long as the energies.
struct QuantityOutputs {
    std::span<double> collision;
    std::span<double> radiative;
    std::span<double> total;
    std::span<double> csdaRange;
};

// The four quantities at each energy, as InterpolateAtEnergy gives them, computed in contiguous
// parts on up to maxThreads threads (0: as many as the machine has cores). An energy refused by
// InterpolateAtEnergy, or one whose quantities are not all finite, is refused. Returns the index
// of the first refused energy, or energies.size() when every one was accepted; the outputs of
// the energies after a refused one within its part are left as they were.
std::size_t InterpolateAtEnergies(const MaterialTable& table, std::span<const double> energies,
                                  const QuantityOutputs& outputs, unsigned maxThreads = 0);

// The energy (MeV) of each csda range times rangeScale (g/cm2), as EnergyForCsdaRange gives it,
// on up to maxThreads threads. Returns the index of the first refused range, or ranges.size().
std::size_t EnergiesForCsdaRanges(const MaterialTable& table, std::span<const double> ranges,
                                  double rangeScale, std::span<double> energies,
                                  unsigned maxThreads = 0);

}  // namespace velmora
