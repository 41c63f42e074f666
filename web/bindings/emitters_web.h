// The positron emitters for the web page: the figures of every bundled nuclide in a material and
// one nuclide's spectrum, as texts written by the core (the patterns of velmora-query emitters).
#pragma once

#include <emscripten/val.h>

#include <string>

#include "core/material_table.h"

namespace velmora::web {

// {rows: [{nuclide, halfLife, positrons, endpoint, mean, ok, rMax, rMean, meanRange, rMaxMm,
// rMeanMm, meanRangeMm}], unanswered: [names]} for every bundled nuclide. A nuclide the table
// cannot answer (its endpoint beyond the table's last energy) has "-" for its ranges and is named
// in unanswered.
emscripten::val EmitterFigures(const MaterialTable& table);

// {thickness: {ok, refusal, mm, gPerCm2}, shares: [percent texts, "-" where the table cannot
// answer]}: the share of each bundled nuclide's positrons whose csda range exceeds the thickness
// (an upper bound on the share that gets through it). The thickness is read by the core's number
// grammar in unit "mm", "cm" or "g/cm2"; one that is not a positive number is refused
// ("notPositive") with no shares.
emscripten::val EmitterShares(const MaterialTable& table, const std::string& thickness,
                              const std::string& unit);

// {ok, nuclide, positrons, endpoint, mean, endpointMeV, meanMeV, text, points}: the named nuclide's
// spectrum at the core's sample energies, "text" one line per energy (energy, positrons per MeV per
// 100 decays, csda range in g/cm2 and in mm, tab-separated, as velmora-query emitters --spectrum
// writes them), "points" a Float64Array of (energy MeV, positrons per MeV) pairs for the plot. {ok:
// false} for a name that is not a bundled nuclide or a table that cannot answer it.
emscripten::val EmitterSpectrum(const MaterialTable& table, const std::string& nuclide);

}  // namespace velmora::web
