// The four quantities at one energy and where the cursor lines mark them.
#include "core/energy_query.h"

#include "core/cursor_positions.h"
#include "core/interpolation.h"

namespace velmora {

std::optional<QuantitiesAtEnergy> InterpolateAtEnergy(const MaterialTable& table,
                                                      double energyMeV) {
    // Written so that NaN fails it as well; an infinity is beyond the top.
    if (!(energyMeV >= kLowestQueryEnergyMeV && energyMeV <= kHighestQueryEnergyMeV)) {
        return std::nullopt;
    }
    // One search serves all four columns.
    const int upperRow = FindUpperRow(table, energyMeV);
    if (upperRow == kEnergyAboveTable) {
        return std::nullopt;
    }
    const LogLogBracket bracket(table, upperRow, energyMeV);
    return QuantitiesAtEnergy{energyMeV, bracket.ValueOf(table.CollisionSP),
                              bracket.ValueOf(table.RadiativeSP), bracket.ValueOf(table.TotalSP),
                              bracket.ValueOf(table.CsdaRange)};
}

QuantitiesAtEnergy TabulatedRow(const MaterialTable& table, int row) {
    return {table.EnergyMeV[row], table.CollisionSP[row], table.RadiativeSP[row],
            table.TotalSP[row], table.CsdaRange[row]};
}

CursorPositions CursorPositionsOf(const QuantitiesAtEnergy& q) {
    return {static_cast<float>(CursorX(q.energyMeV)),
            static_cast<float>(CursorYStopping(q.collision)),
            static_cast<float>(CursorYStopping(q.radiative)),
            static_cast<float>(CursorYStopping(q.total)),
            static_cast<float>(CursorYRange(q.csdaRange))};
}

}  // namespace velmora
