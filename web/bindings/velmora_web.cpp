// The core as the web page sees it: a material read from the bytes of its file, the energy and
// range queries over a typed list, the 81 rows, the equal-interval table with its CSV bytes, the
// catalogue's name matching and the number patterns. Every number the page shows is written here
// by the core's FormatPattern; the page only splits the returned texts into cells.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/element_symbols.h"
#include "core/energy_query.h"
#include "core/interval_calculation.h"
#include "core/material_catalogue.h"
#include "core/material_file.h"
#include "core/material_reading.h"
#include "core/number_format.h"
#include "core/range_query.h"
#include "core/table_text.h"
#include "emitters_web.h"
#include "energy_list.h"

namespace velmora::web {
namespace {

using emscripten::val;

constexpr const char* kPattern = "0.000E+00";

val Float64Array(const std::vector<double>& values) {
    return val(emscripten::typed_memory_view(values.size(), values.data())).call<val>("slice");
}

// Units of the csda range: the material's own (g/cm2) or a length with the density.
enum class RangeUnit { kMass, kCentimetre, kMillimetre, kMicrometre };

RangeUnit RangeUnitNamed(const std::string& name) {
    if (name == "cm")
        return RangeUnit::kCentimetre;
    if (name == "mm")
        return RangeUnit::kMillimetre;
    if (name == "um")
        return RangeUnit::kMicrometre;
    return RangeUnit::kMass;
}

// Centimetres per unit.
double LengthScale(RangeUnit unit) {
    switch (unit) {
        case RangeUnit::kMillimetre:
            return 0.1;
        case RangeUnit::kMicrometre:
            return 1e-4;
        default:
            return 1.0;
    }
}

// The length unit that shows a range (cm) with a leading digit of at least 1, down to µm.
const char* LengthUnitFor(double centimetres) {
    if (centimetres >= 1.0)
        return "cm";
    if (centimetres >= 0.1)
        return "mm";
    return "um";
}

double InLengthUnit(double centimetres, const std::string& unit) {
    if (unit == "mm")
        return centimetres * 10.0;
    if (unit == "um")
        return centimetres * 1e4;
    return centimetres;
}

val Refusal(const EnergyList& list) {
    val result = val::object();
    result.set("ok", false);
    result.set("refusal", list.refusal);
    result.set("item", list.refusedItem);
    result.set("index", static_cast<int>(list.refusedIndex));
    return result;
}

}  // namespace

// One material table read by the core's reader from a file's bytes.
class WebMaterial {
  public:
    WebMaterial(const std::string& bytes, const std::string& path) {
        const std::string text = DecodeMaterialBytes(bytes);
        ParseResult<LoadedMaterial> parsed = ParseMaterialFile(text, path);
        if (!parsed) {
            error_ = parsed.error.Message();
            return;
        }
        table_ = std::make_unique<MaterialTable>();
        table_->DataFilePath = path;
        CommitLoadedMaterial(*table_, *parsed.value);
    }

    bool ok() const { return table_ != nullptr; }
    std::string error() const { return error_; }
    std::string name() const { return ok() ? table_->MaterialName : ""; }
    double density() const { return ok() ? table_->Density : 0.0; }
    double meanExcitationEnergy() const { return ok() ? table_->MeanExcitationEnergy : 0.0; }

    // Rows 1 to 81: energy, collision, radiative, total, csda range, five doubles a row.
    val rowValues() const {
        std::vector<double> values;
        for (int row = kFirstRow; ok() && row <= kLastRow; ++row) {
            const QuantitiesAtEnergy q = TabulatedRow(*table_, row);
            values.insert(values.end(),
                          {q.energyMeV, q.collision, q.radiative, q.total, q.csdaRange});
        }
        return Float64Array(values);
    }

    // Rows 1 to 81 as the command line's show prints them: five tab-separated cells a line in
    // the pattern 0.000E+00.
    std::string tableText() const {
        std::string text;
        for (int row = kFirstRow; ok() && row <= kLastRow; ++row) {
            const QuantitiesAtEnergy q = TabulatedRow(*table_, row);
            for (const double v : {q.energyMeV, q.collision, q.radiative, q.total}) {
                text += FormatPattern(v, kPattern);
                text += '\t';
            }
            text += FormatPattern(q.csdaRange, kPattern);
            text += '\n';
        }
        return text;
    }

    // The energies of a typed list (MeV, or keV when inKeV) answered: "values" holds five doubles
    // per energy (energy in MeV, stopping powers, csda range; per unit length with the density
    // when linear, the range then in cm), "text" one line per energy of five tab-separated cells
    // in the pattern 0.000E+00 (the range then in rangeUnit, or per line in the unit that suits
    // it when rangeUnit is "auto", with its unit after a blank). Refuses the whole list, naming
    // the first faulty item, as the command line does.
    val answer(const std::string& typed, bool inKeV, bool linear,
               const std::string& rangeUnit) const {
        EnergyList list = ReadEnergyList(typed, inKeV ? 1000.0 : 1.0);
        if (!list.refusal.empty()) {
            return Refusal(list);
        }
        std::vector<double> values;
        values.reserve(list.values.size() * 5);
        std::string text;
        text.reserve(list.values.size() * 60);
        const double density = linear ? table_->Density : 1.0;
        for (std::size_t k = 0; k < list.values.size(); ++k) {
            const std::optional<QuantitiesAtEnergy> q =
                InterpolateAtEnergy(*table_, list.values[k]);
            if (!q || !std::isfinite(q->collision) || !std::isfinite(q->radiative) ||
                !std::isfinite(q->total) || !std::isfinite(q->csdaRange)) {
                list.refusal = "outside";
                list.refusedItem = list.items[k];
                list.refusedIndex = k;
                val refused = Refusal(list);
                refused.set("lowest", NumberText(kLowestQueryEnergyMeV));
                refused.set("highest", NumberText(std::min(kHighestQueryEnergyMeV,
                                                           table_->EnergyMeV[kLastRow])));
                return refused;
            }
            const double range = q->csdaRange / density;
            values.insert(values.end(), {q->energyMeV, q->collision * density,
                                         q->radiative * density, q->total * density, range});
            for (const double v : {q->energyMeV, q->collision * density, q->radiative * density,
                                   q->total * density}) {
                text += FormatPattern(v, kPattern);
                text += '\t';
            }
            if (!linear) {
                text += FormatPattern(range, kPattern);
            } else {
                const std::string unit = rangeUnit == "auto" ? LengthUnitFor(range) : rangeUnit;
                text += FormatPattern(InLengthUnit(range, unit), kPattern);
                text += ' ';
                text += unit;
            }
            text += '\n';
        }
        val result = val::object();
        result.set("ok", true);
        result.set("count", static_cast<int>(list.values.size()));
        result.set("values", Float64Array(values));
        result.set("text", text);
        return result;
    }

    // The energies (MeV) whose csda ranges are the typed ones, given in g/cm2 ("g/cm2") or as
    // lengths ("cm", "mm", "um") with the density. "values": range as typed, energy; "text":
    // the energy of each line in the pattern 0.000E+00.
    val energyForRange(const std::string& typed, const std::string& unit) const {
        const RangeUnit rangeUnit = RangeUnitNamed(unit);
        const double scale =
            rangeUnit == RangeUnit::kMass ? 1.0 : LengthScale(rangeUnit) * table_->Density;
        EnergyList list = ReadEnergyList(typed, 1.0);
        if (!list.refusal.empty()) {
            return Refusal(list);
        }
        std::vector<double> values;
        std::string text;
        for (std::size_t k = 0; k < list.values.size(); ++k) {
            const std::optional<double> energy =
                CsdaRangeRises(*table_) ? EnergyForCsdaRange(*table_, list.values[k] * scale)
                                        : std::nullopt;
            if (!energy) {
                list.refusal = "outsideRanges";
                list.refusedItem = list.items[k];
                list.refusedIndex = k;
                val refused = Refusal(list);
                refused.set("lowest", NumberText(table_->CsdaRange[kFirstRow] / scale));
                refused.set("highest", NumberText(table_->CsdaRange[kLastRow] / scale));
                return refused;
            }
            values.insert(values.end(), {list.values[k], *energy});
            text += FormatPattern(list.values[k], kPattern) + '\t' +
                    FormatPattern(*energy, kPattern) + '\n';
        }
        val result = val::object();
        result.set("ok", true);
        result.set("count", static_cast<int>(list.values.size()));
        result.set("values", Float64Array(values));
        result.set("text", text);
        return result;
    }

    // The table window's computation for the three boxes: "refusal" (English) with "template"
    // and "arguments" for a translation, or the list lines, the CSV bytes and, when the table was
    // cut at 5000 intervals, the new end ("cappedEnd").
    val interval(const std::string& from, const std::string& to, const std::string& step) const {
        const IntervalCandidate candidate = ComputeIntervalTable(*table_, from, to, step);
        val result = val::object();
        if (!candidate.refusal.empty()) {
            result.set("ok", false);
            result.set("refusal", candidate.refusal);
            result.set("template", std::string(candidate.refusalMessage.text));
            val arguments = val::array();
            for (const std::string& argument : candidate.refusalMessage.arguments) {
                arguments.call<void>("push", argument);
            }
            result.set("arguments", arguments);
            return result;
        }
        static IntervalTable table;  // 120 kB: kept out of the stack
        CommitIntervalRows(candidate, table);
        std::string lines;
        for (int row = 0; row <= candidate.plan.lastRow; ++row) {
            const auto& values = table.rows[static_cast<std::size_t>(row)];
            lines += IntervalListLine(RowEnergyMeV(candidate.plan, row), values[1], values[2]);
            lines += '\n';
        }
        result.set("ok", true);
        result.set("count", candidate.plan.lastRow + 1);
        result.set("lines", lines);
        result.set("csv", IntervalCsvText(candidate.plan, table));
        result.set("cappedEnd", candidate.plan.capped ? candidate.plan.cappedEndText : "");
        return result;
    }

    // The 81 rows tab-separated, as the graphs' "Copy table" gives them.
    std::string tabSeparated(const WebMaterial* electrons) const {
        if (!ok())
            return "";
        return TabSeparatedTable(*table_,
                                 electrons && electrons->ok() ? electrons->table_.get() : nullptr);
    }

    // The positron emitters' figures in this table, the shares beyond a thickness and a
    // nuclide's spectrum (emitters_web.h).
    val emitters() const { return ok() ? EmitterFigures(*table_) : val::null(); }
    val emitterShares(const std::string& thickness, const std::string& unit) const {
        return ok() ? EmitterShares(*table_, thickness, unit) : val::null();
    }
    val spectrum(const std::string& nuclide) const {
        return ok() ? EmitterSpectrum(*table_, nuclide) : val::null();
    }

  private:
    std::unique_ptr<MaterialTable> table_;
    std::string error_;
};

// The head of a material file (name, density, I) for the catalogue, or an empty name.
val ReadHead(const std::string& bytes, const std::string& path) {
    const ParseResult<MaterialHead> head = ParseMaterialHead(DecodeMaterialBytes(bytes), path);
    val result = val::object();
    result.set("ok", head.value.has_value());
    result.set("error", head.error.Message());
    if (head.value) {
        result.set("name", head.value->name);
        result.set("density", head.value->density);
        result.set("meanExcitationEnergy", head.value->meanExcitationEnergy);
    }
    return result;
}

// The core's name matching over the catalogue: names and file names joined by line feeds.
class WebCatalogue {
  public:
    WebCatalogue(const std::string& names, const std::string& fileNames) {
        const std::vector<std::string> n = SplitLines(names), f = SplitLines(fileNames);
        for (std::size_t k = 0; k < n.size() && k < f.size(); ++k) {
            materials_.push_back({n[k], f[k]});
        }
    }
    int size() const { return static_cast<int>(materials_.size()); }

    // {outcome: "found" | "ambiguous" | "unknown", indices: [...]}
    val match(const std::string& query) const {
        const MaterialMatch found = MatchMaterialName(query, materials_);
        val result = val::object();
        result.set("outcome", found.outcome == MaterialMatch::Outcome::kFound       ? "found"
                              : found.outcome == MaterialMatch::Outcome::kAmbiguous ? "ambiguous"
                                                                                    : "unknown");
        val indices = val::array();
        for (const std::size_t index : found.indices) {
            indices.call<void>("push", static_cast<int>(index));
        }
        result.set("indices", indices);
        return result;
    }

  private:
    static std::vector<std::string> SplitLines(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }
    std::vector<MaterialNames> materials_;
};

std::string Format(double value, const std::string& pattern) {
    return FormatPattern(value, pattern);
}

// The atomic number of the element whose chemical symbol is exactly the text, else 0.
int AtomicNumber(const std::string& symbol) {
    return AtomicNumberOfSymbol(symbol);
}

}  // namespace velmora::web

EMSCRIPTEN_BINDINGS(velmora) {
    using namespace velmora::web;
    emscripten::class_<WebMaterial>("Material")
        .constructor<std::string, std::string>()
        .function("ok", &WebMaterial::ok)
        .function("error", &WebMaterial::error)
        .function("name", &WebMaterial::name)
        .function("density", &WebMaterial::density)
        .function("meanExcitationEnergy", &WebMaterial::meanExcitationEnergy)
        .function("rowValues", &WebMaterial::rowValues)
        .function("tableText", &WebMaterial::tableText)
        .function("answer", &WebMaterial::answer)
        .function("energyForRange", &WebMaterial::energyForRange)
        .function("interval", &WebMaterial::interval)
        .function("tabSeparated", &WebMaterial::tabSeparated, emscripten::allow_raw_pointers())
        .function("emitters", &WebMaterial::emitters)
        .function("emitterShares", &WebMaterial::emitterShares)
        .function("spectrum", &WebMaterial::spectrum);
    emscripten::class_<WebCatalogue>("Catalogue")
        .constructor<std::string, std::string>()
        .function("size", &WebCatalogue::size)
        .function("match", &WebCatalogue::match);
    emscripten::function("readHead", &ReadHead);
    emscripten::function("formatPattern", &Format);
    emscripten::function("atomicNumberOfSymbol", &AtomicNumber);
}
