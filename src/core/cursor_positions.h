// Where the graphs' cursor lines mark a set of quantities. Not installed: only the graph window
// draws cursor lines.
#pragma once

#include "energy_query.h"

namespace velmora {

// User coordinates of the cursor lines: ln value plus 4.606, 6.909 or 9.212 (ln 10 taken as 2.303).
// A value that is not positive gives NaN.
double CursorX(double energyMeV);
double CursorYStopping(double stoppingPower);
double CursorYRange(double csdaRange);

// The cursor lines' places, in single precision like the lines.
struct CursorPositions {
    float energyX = 0.0f;
    float collisionY = 0.0f;
    float radiativeY = 0.0f;
    float totalY = 0.0f;
    float rangeY = 0.0f;
};

CursorPositions CursorPositionsOf(const QuantitiesAtEnergy& quantities);

}  // namespace velmora
