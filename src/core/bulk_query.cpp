// Many look-ups at once: logarithms of the table taken once, contiguous parts on threads.
#include "core/bulk_query.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>
#include <vector>

#include "core/exact_math.h"
#include "core/range_query.h"

namespace velmora {
namespace {

// Fewer values than this per thread are not worth starting it.
constexpr std::size_t kValuesPerThread = 16384;
constexpr unsigned kMostThreads = 16;

bool PositiveFinite(double value) {
    return value > 0.0 && std::isfinite(value);
}

// Calls firstRefused(begin, end) on contiguous parts of [0, count), one part on this thread and
// the others on threads of their own; each returns the first index it refuses, or end. Returns the
// smallest refused index, or count.
template <typename Part>
std::size_t FirstRefusedInParts(std::size_t count, unsigned maxThreads, Part&& firstRefused) {
    const unsigned cores = maxThreads > 0 ? maxThreads : std::thread::hardware_concurrency();
    const std::size_t parts =
        std::clamp<std::size_t>(count / kValuesPerThread, 1, std::clamp(cores, 1u, kMostThreads));
    const auto bound = [&](std::size_t part) { return count * part / parts; };
    std::vector<std::size_t> refused(parts, count);
    std::vector<std::thread> threads;
    const auto run = [&](std::size_t part) {
        const std::size_t end = bound(part + 1);
        const std::size_t first = firstRefused(bound(part), end);
        refused[part] = first < end ? first : count;
    };
    for (std::size_t part = 1; part < parts; ++part) {
        try {
            threads.emplace_back(run, part);
        } catch (const std::system_error&) {
            run(part);  // no thread to be had: this thread does the part
        }
    }
    run(0);
    for (std::thread& thread : threads) {
        thread.join();
    }
    return *std::min_element(refused.begin(), refused.end());
}

}  // namespace

PreparedTable::PreparedTable(const MaterialTable& table) : table_(table) {
    const TableColumn* columns[kColumns] = {&table.CollisionSP, &table.RadiativeSP, &table.TotalSP,
                                            &table.CsdaRange};
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        const bool rises = row == kFirstRow || table.EnergyMeV[row] > table.EnergyMeV[row - 1];
        if (!rises || !PositiveFinite(table.EnergyMeV[row])) {
            return;
        }
        logEnergy_[row] = ExactLog(table.EnergyMeV[row]);
        for (int c = 0; c < kColumns; ++c) {
            if (!PositiveFinite((*columns[c])[row])) {
                return;
            }
            logValue_[c][row] = ExactLog((*columns[c])[row]);
        }
    }
    bucketsPerLog_ = kBuckets / (logEnergy_[kLastRow] - logEnergy_[kFirstRow]);
    int row = kFirstRow;
    for (int bucket = 0; bucket < kBuckets; ++bucket) {
        while (row < kLastRow &&
               (logEnergy_[row] - logEnergy_[kFirstRow]) * bucketsPerLog_ < bucket) {
            ++row;
        }
        firstRowOfBucket_[bucket] = row;
    }
    for (int row = kFirstRow + 1; row <= kLastRow; ++row) {
        logEnergyStep_[row] = logEnergy_[row] - logEnergy_[row - 1];
        for (int c = 0; c < kColumns; ++c) {
            logValueStep_[c][row] = logValue_[c][row] - logValue_[c][row - 1];
        }
    }
    prepared_ = true;
}

std::optional<QuantitiesAtEnergy> PreparedTable::At(double energyMeV) const {
    if (!prepared_) {
        return InterpolateAtEnergy(table_, energyMeV);
    }
    if (!(energyMeV >= kLowestQueryEnergyMeV && energyMeV <= kHighestQueryEnergyMeV)) {
        return std::nullopt;
    }
    const double x = ExactLog(energyMeV);
    // The row FindUpperRow's scan stops at, the first at or above the energy: from the row its
    // logarithm's bucket points to, moved up or down by comparing the energies themselves.
    const double bucket = (x - logEnergy_[kFirstRow]) * bucketsPerLog_;
    int row = firstRowOfBucket_[static_cast<int>(std::clamp(bucket, 0.0, kBuckets - 1.0))];
    while (row <= kLastRow && table_.EnergyMeV[row] < energyMeV) {
        ++row;
    }
    while (row > kFirstRow && table_.EnergyMeV[row - 1] >= energyMeV) {
        --row;
    }
    if (row > kLastRow) {
        return std::nullopt;
    }
    row = std::max(kFirstRow + 1, row);
    // At a tabulated energy the row's own values, as InterpolateLogLog gives them.
    for (const int tabulated : {row, row - 1}) {
        if (energyMeV == table_.EnergyMeV[tabulated]) {
            return TabulatedRow(table_, tabulated);
        }
    }
    // InterpolateLogLog's steps, with the table's logarithms and differences taken from above.
    const double distance = logEnergy_[row] - x;  // e1 - x
    const double step = logEnergyStep_[row];      // e1 - e0
    double values[kColumns];
    for (int c = 0; c < kColumns; ++c) {
        const double p = logValueStep_[c][row] * distance;
        const double r = p / step;
        values[c] = ExactExp(logValue_[c][row] - r);
    }
    return QuantitiesAtEnergy{energyMeV, values[0], values[1], values[2], values[3]};
}

std::size_t InterpolateAtEnergies(const MaterialTable& table, std::span<const double> energies,
                                  const QuantityOutputs& outputs, unsigned maxThreads) {
    const PreparedTable prepared(table);
    return FirstRefusedInParts(
        energies.size(), maxThreads, [&](std::size_t begin, std::size_t end) {
            for (std::size_t k = begin; k < end; ++k) {
                const std::optional<QuantitiesAtEnergy> q = prepared.At(energies[k]);
                if (!q || !(std::isfinite(q->collision) && std::isfinite(q->radiative) &&
                            std::isfinite(q->total) && std::isfinite(q->csdaRange))) {
                    return k;
                }
                outputs.collision[k] = q->collision;
                outputs.radiative[k] = q->radiative;
                outputs.total[k] = q->total;
                outputs.csdaRange[k] = q->csdaRange;
            }
            return end;
        });
}

std::size_t EnergiesForCsdaRanges(const MaterialTable& table, std::span<const double> ranges,
                                  double rangeScale, std::span<double> energies,
                                  unsigned maxThreads) {
    return FirstRefusedInParts(ranges.size(), maxThreads, [&](std::size_t begin, std::size_t end) {
        for (std::size_t k = begin; k < end; ++k) {
            const std::optional<double> energy = EnergyForCsdaRange(table, ranges[k] * rangeScale);
            if (!energy) {
                return k;
            }
            energies[k] = *energy;
        }
        return end;
    });
}

}  // namespace velmora
