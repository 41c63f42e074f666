// The material object's look-ups: values checked first, computed without the interpreter's lock,
// refusals in the command line's words.
#include "material_object.h"

#include <dlfcn.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

#include "core/bulk_query.h"
#include "core/energy_query.h"
#include "core/interval_calculation.h"
#include "core/number_format.h"
#include "core/range_query.h"
#include "value_arrays.h"

namespace velmora::python {
namespace {

namespace fs = std::filesystem;

py::object ModuleAttribute(const char* name) {
    return py::module_::import("velmora._core").attr(name);
}

// The folder this module's shared library lies in.
fs::path ModuleFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ModuleFolder), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    return fs::path(info.dli_fname).parent_path();
}

// A number of the equal-interval table as the command line takes it: a text in the strict
// number form, or a Python number written as the shortest text that reads back as it.
std::string IntervalText(py::handle value, const char* name) {
    std::string text;
    if (py::isinstance<py::str>(value)) {
        text = py::cast<std::string>(value);
    } else if (py::isinstance<py::bool_>(value) || !PyNumber_Check(value.ptr()) ||
               PyComplex_Check(value.ptr())) {
        RaiseValueError(std::string(name) + ": " + py::cast<std::string>(py::repr(value)) +
                        " is not a number");
    } else if (PyIndex_Check(value.ptr())) {
        PyObject* integer = PyNumber_Index(value.ptr());
        if (integer == nullptr) {
            throw py::error_already_set();  // its __index__ failed: that error goes on
        }
        text = py::cast<std::string>(py::str(py::reinterpret_steal<py::object>(integer)));
    } else {
        const double number =
            py::cast<double>(py::float_(py::reinterpret_borrow<py::object>(value)));
        char digits[32];
        text.assign(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    }
    if (!IsDecimalNumber(text)) {
        RaiseValueError(std::string(name) + ": " + QuotedForMessage(text) + " is not a number");
    }
    return text;
}

struct IntervalTexts {
    std::string start, stop, step;
};

// The table of rows, or a ValueError with the command line's refusal.
IntervalCandidate ComputeInterval(const MaterialTable& table, const IntervalTexts& t) {
    IntervalCandidate candidate = ComputeIntervalTable(table, t.start, t.stop, t.step);
    if (!candidate.refusal.empty()) {
        RaiseValueError(candidate.refusal);
    }
    // The window cuts a longer table at row 5000 and shows the new end in its box; here the cut
    // would go unseen, so the table is refused with the end that fits.
    if (candidate.plan.capped) {
        RaiseValueError("from " + t.start + " to " + t.stop + " MeV by " + t.step +
                        " MeV the table would have more than 5000 intervals (the table "
                        "window stops at " +
                        candidate.plan.cappedEndText +
                        " MeV): use stop=" + candidate.plan.cappedEndText + " or a larger step");
    }
    if (candidate.plan.lastRow < 0) {
        RaiseValueError("going from " + t.start + " MeV by " + t.step + " MeV never reaches " +
                        t.stop + " MeV: the table would have no rows");
    }
    return candidate;
}

IntervalTexts ReadIntervalTexts(py::handle start, py::handle stop, py::handle step) {
    return {IntervalText(start, "start"), IntervalText(stop, "stop"), IntervalText(step, "step")};
}

py::object Result(const ValueArray& values, py::array_t<double>& array) {
    return values.scalar ? py::object(py::float_(*array.data())) : py::object(array);
}

}  // namespace

DataFolderCandidates DataPlaces() {
    DataFolderCandidates places{{}, UserDataFolder(), {}};
    const fs::path moduleFolder = ModuleFolder();
    if (!moduleFolder.empty()) {
        places.bundled.push_back(
            (moduleFolder / VELMORA_INSTALLED_DATA_FROM_MODULE).lexically_normal());
    }
    places.bundled.emplace_back(VELMORA_SOURCE_DATA_DIR);
    return places;
}

Particle ParticleNamed(const std::string& word) {
    if (word != "positron" && word != "electron") {
        RaiseValueError("particle: '" + EchoedText(word) + "' is not positron or electron");
    }
    return word == "electron" ? Particle::kElectron : Particle::kPositron;
}

std::optional<std::string> PathText(py::handle path) {
    if (path.is_none()) {
        return std::nullopt;
    }
    const py::object text = py::module_::import("os").attr("fspath")(path);
    if (!py::isinstance<py::str>(text)) {
        RaiseValueError("a path must be a text, not " + py::cast<std::string>(py::repr(text)));
    }
    return py::cast<std::string>(text);
}

py::object Material::ParticleName() const {
    return found_.particle ? py::object(py::str(std::string(ParticleWord(*found_.particle))))
                           : py::object(py::none());
}

py::array Material::Column(const TableColumn& column, py::handle owner) const {
    py::array array(py::dtype::of<double>(), {kLastRow}, {sizeof(double)}, &column[kFirstRow],
                    owner);
    array.attr("setflags")(py::arg("write") = false);
    return array;
}

py::object Material::At(py::handle energies, bool linear) const {
    const ValueArray values = ReadValues(energies, {"energy", "energies"});
    const std::size_t count = static_cast<std::size_t>(values.array.size());
    py::array_t<double> energy = ArrayShapedLike(values), collision = ArrayShapedLike(values),
                        radiative = ArrayShapedLike(values), total = ArrayShapedLike(values),
                        range = ArrayShapedLike(values);
    const std::span<const double> input(values.array.data(), count);
    const QuantityOutputs out{{collision.mutable_data(), count},
                              {radiative.mutable_data(), count},
                              {total.mutable_data(), count},
                              {range.mutable_data(), count}};
    double* energyOut = energy.mutable_data();
    const MaterialTable& table = found_.table;
    std::size_t refused = 0;
    {
        py::gil_scoped_release unlocked;
        std::copy(input.begin(), input.end(), energyOut);
        refused = InterpolateAtEnergies(table, input, out);
        if (refused == count && linear) {
            // Per unit length, as the command line gives them: stopping powers times the
            // density, the range divided by it.
            for (std::size_t k = 0; k < count; ++k) {
                out.collision[k] *= table.Density;
                out.radiative[k] *= table.Density;
                out.total[k] *= table.Density;
                out.csdaRange[k] /= table.Density;
            }
        }
    }
    if (refused < count) {
        const double highest = std::min(kHighestQueryEnergyMeV, table.EnergyMeV[kLastRow]);
        const std::string position =
            values.scalar ? "" : " (" + PositionOf(ShapeOf(values.array), refused) + ")";
        RaiseValueError("energy " + FloatText(input[refused]) + " MeV" + position +
                        " is outside the range of " + table.MaterialName + ": " +
                        NumberText(kLowestQueryEnergyMeV) + " MeV to " + NumberText(highest) +
                        " MeV");
    }
    return ModuleAttribute("Quantities")(Result(values, energy), Result(values, collision),
                                         Result(values, radiative), Result(values, total),
                                         Result(values, range));
}

py::object Material::EnergyForRange(py::handle ranges, bool linear) const {
    const MaterialTable& table = found_.table;
    if (!CsdaRangeRises(table)) {
        RaiseValueError("\"" + found_.file +
                        "\": the csda ranges do not rise from row to row, so a range does "
                        "not tell one energy");
    }
    const ValueArray values = ReadValues(ranges, {"range", "ranges"});
    const std::size_t count = static_cast<std::size_t>(values.array.size());
    const std::span<const double> input(values.array.data(), count);
    py::array_t<double> energy = ArrayShapedLike(values);
    const std::span<double> out(energy.mutable_data(), count);
    const double scale = linear ? table.Density : 1.0;  // cm to g/cm2
    std::size_t refused = 0;
    {
        py::gil_scoped_release unlocked;
        refused = EnergiesForCsdaRanges(table, input, scale, out);
    }
    if (refused < count) {
        const std::string unit = linear ? "cm" : "g/cm2";
        const std::string position =
            values.scalar ? "" : " (" + PositionOf(ShapeOf(values.array), refused) + ")";
        RaiseValueError("range " + FloatText(input[refused]) + " " + unit + position +
                        " is outside the csda ranges of " + table.MaterialName + ": " +
                        NumberText(table.CsdaRange[kFirstRow] / scale) + " " + unit + " to " +
                        NumberText(table.CsdaRange[kLastRow] / scale) + " " + unit);
    }
    return Result(values, energy);
}

py::object Material::Interval(py::handle start, py::handle stop, py::handle step,
                              bool linear) const {
    const IntervalCandidate candidate =
        ComputeInterval(found_.table, ReadIntervalTexts(start, stop, step));
    const auto rows = static_cast<py::ssize_t>(candidate.plan.lastRow + 1);
    py::array_t<double> energy(rows), collision(rows), radiative(rows);
    const double scale = linear ? found_.table.Density : 1.0;
    for (py::ssize_t row = 0; row < rows; ++row) {
        energy.mutable_at(row) = RowEnergyMeV(candidate.plan, static_cast<int>(row));
        collision.mutable_at(row) = candidate.rows[row].collision * scale;
        radiative.mutable_at(row) = candidate.rows[row].radiative * scale;
    }
    return ModuleAttribute("IntervalRows")(energy, collision, radiative);
}

py::bytes Material::IntervalCsv(py::handle start, py::handle stop, py::handle step) const {
    const IntervalCandidate candidate =
        ComputeInterval(found_.table, ReadIntervalTexts(start, stop, step));
    const auto table = std::make_unique<IntervalTable>();
    CommitIntervalRows(candidate, *table);
    return py::bytes(IntervalCsvText(candidate.plan, *table));
}

py::str Material::Repr() const {
    const std::string particle =
        found_.particle ? std::string(ParticleWord(*found_.particle)) + "s, " : std::string();
    return py::str("<velmora.Material {!r} ({}{})>")
        .format(PathString(found_.table.MaterialName), particle, PathString(found_.file));
}

}  // namespace velmora::python
