// The positron emitters for the web page: the figures of every bundled nuclide in a material and
// one nuclide's spectrum, as texts written by the core (the patterns of velmora-query emitters).
#pragma once

#include <emscripten/val.h>

#include <string>

#include "core/material_table.h"

namespace velmora::web {

// {rows: [{nuclide, halfLife, positrons, endpoint, mean, rMax, rMean, meanRange, rMaxMm,
// rMeanMm, meanRangeMm, beyond}], unanswered: [names], thickness: {ok, refusal, mm, gPerCm2}}.
// A nuclide the table cannot answer (its endpoint beyond the table) has "-" for its ranges and is
// named in unanswered. thickness is read by the core's number grammar in unit "mm", "cm" or
// "g/cm2"; a thickness that is not a positive number is refused ("notPositive") and the share
// beyond it is "-".
emscripten::val EmitterFigures(const MaterialTable& table, const std::string& thickness,
                               const std::string& unit);

// {ok, nuclide, positrons, endpoint, mean, endpointMeV, meanMeV, text, points}: the named nuclide's
// spectrum at the core's sample energies, "text" one line per energy (energy, positrons per MeV per
// 100 decays, csda range in g/cm2 and in mm, tab-separated, as velmora-query emitters --spectrum
// writes them), "points" a Float64Array of (energy MeV, positrons per MeV) pairs for the plot. {ok:
// false} for a name that is not a bundled nuclide or a table that cannot answer it.
emscripten::val EmitterSpectrum(const MaterialTable& table, const std::string& nuclide);

}  // namespace velmora::web
