// The positron emitters for the web page. Every figure is computed by the core's emitter_ranges
// and beta_spectrum and written here with the patterns velmora-query emitters uses in its text
// output, so that the page shows the command line's text.
#include "emitters_web.h"

#include <emscripten/bind.h>

#include <optional>
#include <vector>

#include "core/beta_spectrum.h"
#include "core/emitter_figures.h"
#include "core/emitter_ranges.h"
#include "core/number_format.h"
#include "core/positron_emitters.h"

namespace velmora::web {
namespace {

using emscripten::val;

constexpr const char* kEnergyPattern = "#0.0000";
constexpr const char* kMassPattern = "0.000E+00";
constexpr const char* kLengthPattern = "#0.000";
constexpr const char* kPercentPattern = "#0.00";
constexpr const char* kSpectrumEnergyPattern = "#0.000###";
constexpr const char* kNoFigure = "-";

struct Thickness {
    std::string refusal;  // empty when usable
    double gPerCm2 = 0.0;
    double mm = 0.0;
};

// A typed thickness and its chosen unit ("mm", "cm" or "g/cm2"), read by the core as the command
// line's --beyond reads "1mm".
Thickness ReadTypedThickness(const std::string& text, const std::string& unit, double density) {
    const ThicknessReading reading = ReadThickness(text + unit, density);
    if (!reading.thickness) {
        return {"notPositive"};
    }
    return {"", reading.thickness->gPerCm2, reading.thickness->mm};
}

std::string Mm(double gPerCm2, double density) {
    return FormatPattern(RangeInMillimetres(gPerCm2, density), kLengthPattern);
}

val FigureRow(const Nuclide& n, const MaterialTable& table) {
    val row = val::object();
    row.set("nuclide", n.name);
    row.set("halfLife", NumberText(n.halfLife) + " " + n.halfLifeUnit);
    row.set("positrons", NumberText(n.PositronsPer100Decays()));
    row.set("endpoint", FormatPattern(n.HighestEndpointMeV(), kEnergyPattern));
    row.set("mean", FormatPattern(n.MeanEnergyMeV(), kEnergyPattern));
    const std::optional<EmitterRanges> r = ComputeEmitterRanges(n, table);
    const double density = table.Density;
    row.set("ok", r.has_value());
    row.set("rMax", r ? FormatPattern(r->rMax, kMassPattern) : kNoFigure);
    row.set("rMean", r ? FormatPattern(r->rMean, kMassPattern) : kNoFigure);
    row.set("meanRange", r ? FormatPattern(r->meanCsdaRange, kMassPattern) : kNoFigure);
    row.set("rMaxMm", r ? Mm(r->rMax, density) : kNoFigure);
    row.set("rMeanMm", r ? Mm(r->rMean, density) : kNoFigure);
    row.set("meanRangeMm", r ? Mm(r->meanCsdaRange, density) : kNoFigure);
    return row;
}

// The names of the bundled nuclides, in the list's order.
val NuclideNames() {
    val names = val::array();
    for (const Nuclide& n : BundledNuclides()) {
        names.call<void>("push", n.name);
    }
    return names;
}

}  // namespace

val EmitterFigures(const MaterialTable& table) {
    val rows = val::array();
    val unanswered = val::array();
    for (const Nuclide& n : BundledNuclides()) {
        val row = FigureRow(n, table);
        if (!row["ok"].as<bool>()) {
            unanswered.call<void>("push", n.name);
        }
        rows.call<void>("push", row);
    }
    val result = val::object();
    result.set("rows", rows);
    result.set("unanswered", unanswered);
    return result;
}

val EmitterShares(const MaterialTable& table, const std::string& thicknessText,
                  const std::string& unit) {
    const Thickness thickness = ReadTypedThickness(thicknessText, unit, table.Density);
    val about = val::object();
    about.set("ok", thickness.refusal.empty());
    about.set("refusal", thickness.refusal);
    about.set("mm", thickness.refusal.empty() ? NumberText(thickness.mm) : "");
    about.set("gPerCm2", thickness.refusal.empty() ? NumberText(thickness.gPerCm2) : "");
    val shares = val::array();
    for (const Nuclide& n : BundledNuclides()) {
        if (!thickness.refusal.empty()) {
            break;
        }
        const std::optional<double> share = ShareBeyond(n, table, thickness.gPerCm2);
        shares.call<void>("push", share ? FormatPattern(*share * 100.0, kPercentPattern)
                                        : std::string(kNoFigure));
    }
    val result = val::object();
    result.set("thickness", about);
    result.set("shares", shares);
    return result;
}

val EmitterSpectrum(const MaterialTable& table, const std::string& name) {
    val result = val::object();
    const Nuclide* n = FindNuclide(BundledNuclides(), name);
    result.set("ok", n != nullptr && ComputeEmitterRanges(*n, table).has_value());
    if (!result["ok"].as<bool>()) {
        return result;
    }
    std::string text;
    std::vector<double> points;
    for (const SpectrumPoint& point : NuclideSpectrum(*n, table)) {
        const double range = point.csdaRange;
        text += FormatPattern(point.energyMeV, kSpectrumEnergyPattern) + '\t' +
                FormatPattern(point.positronsPerMeV, kMassPattern) + '\t' +
                FormatPattern(range, kMassPattern) + '\t' + Mm(range, table.Density) + '\n';
        points.insert(points.end(), {point.energyMeV, point.positronsPerMeV});
    }
    result.set("nuclide", n->name);
    result.set("positrons", NumberText(n->PositronsPer100Decays()));
    result.set("endpoint", FormatPattern(n->HighestEndpointMeV(), kEnergyPattern));
    result.set("mean", FormatPattern(n->MeanEnergyMeV(), kEnergyPattern));
    result.set("endpointMeV", n->HighestEndpointMeV());
    result.set("meanMeV", n->MeanEnergyMeV());
    result.set("text", text);
    result.set("points",
               val(emscripten::typed_memory_view(points.size(), points.data())).call<val>("slice"));
    return result;
}

}  // namespace velmora::web

EMSCRIPTEN_BINDINGS(velmora_emitters) {
    emscripten::function("nuclideNames", &velmora::web::NuclideNames);
}
