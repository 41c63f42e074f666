// The emitters' figures and spectra for Python: the same core calls as velmora-query emitters,
// the same refusals as ValueError, and a malformed list of the user's as a warning.
#include "emitters.h"

#include <pybind11/numpy.h>

#include <vector>

#include "core/emitter_figures.h"
#include "core/emitter_ranges.h"
#include "core/material_catalogue.h"
#include "value_arrays.h"

namespace velmora::python {
namespace {

py::object Record(const char* name) {
    return py::module_::import("velmora._core").attr(name);
}

// The bundled nuclides and the user's; a user's list that cannot be used is a warning, as it is a
// line on standard error for velmora-query, and the bundled list is used alone.
NuclideList Nuclides() {
    const std::optional<std::filesystem::path> userFolder = UserDataFolder();
    if (!userFolder) {
        return {BundledNuclides(), std::nullopt};
    }
    NuclideList list = NuclidesWithUserFile(UserNuclideFile(*userFolder));
    if (list.error) {
        const std::string message = list.error->Message() + " The bundled nuclides are used.";
        if (PyErr_WarnEx(PyExc_UserWarning, message.c_str(), 2) != 0) {
            throw py::error_already_set();  // warnings turned into errors
        }
    }
    return list;
}

const Nuclide& NamedNuclide(const NuclideList& list, py::handle name) {
    if (!py::isinstance<py::str>(name)) {
        RaiseValueError("a nuclide name must be a text such as \"F-18\", not " +
                        py::cast<std::string>(py::repr(name)));
    }
    const std::string text = py::cast<std::string>(name);
    const Nuclide* nuclide = FindNuclide(list.nuclides, text);
    if (!nuclide) {
        RaiseValueError(UnknownNuclideMessage(text, list));
    }
    return *nuclide;
}

// None: every nuclide; a text: that one; otherwise an iterable of names, in its order.
std::vector<const Nuclide*> ChosenNuclides(const NuclideList& list, py::handle names) {
    std::vector<const Nuclide*> chosen;
    if (names.is_none()) {
        for (const Nuclide& n : list.nuclides) {
            chosen.push_back(&n);
        }
    } else if (py::isinstance<py::str>(names)) {
        chosen.push_back(&NamedNuclide(list, names));
    } else if (!py::isinstance<py::iterable>(names)) {
        RaiseValueError("nuclides: a name, a sequence of names or None, not " +
                        py::cast<std::string>(py::repr(names)));
    } else {
        for (py::handle name : names) {
            chosen.push_back(&NamedNuclide(list, name));
        }
    }
    return chosen;
}

EmitterRanges RangesOf(const Material& material, const Nuclide& nuclide) {
    const std::optional<EmitterRanges> ranges = ComputeEmitterRanges(nuclide, material.Table());
    if (!ranges) {
        RaiseValueError(NoRangesMessage(nuclide, material.Table(), material.Table().MaterialName,
                                        material.File()));
    }
    return *ranges;
}

std::optional<LayerThickness> ThicknessOf(const Material& material, py::handle beyond) {
    if (beyond.is_none()) {
        return std::nullopt;
    }
    if (!py::isinstance<py::str>(beyond)) {
        RaiseValueError("beyond: " + py::cast<std::string>(py::repr(beyond)) +
                        " is not a thickness with its unit, such as \"1mm\", \"0.5cm\" or "
                        "\"0.1g/cm2\"");
    }
    ThicknessReading reading =
        ReadThickness(py::cast<std::string>(beyond), material.Table().Density);
    if (!reading.thickness) {
        RaiseValueError("beyond: " + reading.error);
    }
    return reading.thickness;
}

py::array_t<double> ArrayOf(const std::vector<SpectrumPoint>& points,
                            double (*value)(const SpectrumPoint&)) {
    py::array_t<double> array(static_cast<py::ssize_t>(points.size()));
    double* out = array.mutable_data();
    for (const SpectrumPoint& p : points) {
        *out++ = value(p);
    }
    return array;
}

}  // namespace

py::list EmitterFigures(const Material& material, py::handle nuclides, py::handle beyond) {
    const NuclideList list = Nuclides();
    const std::vector<const Nuclide*> chosen = ChosenNuclides(list, nuclides);
    std::vector<EmitterRanges> ranges;
    for (const Nuclide* n : chosen) {
        ranges.push_back(RangesOf(material, *n));
    }
    const std::optional<LayerThickness> thickness = ThicknessOf(material, beyond);
    const double density = material.Table().Density;
    const py::object record = Record("Emitter");
    py::list records;
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        const Nuclide& n = *chosen[k];
        const EmitterRanges& r = ranges[k];
        py::object beyondPercent = py::none();
        if (thickness) {
            beyondPercent =
                py::float_(*ShareBeyond(n, material.Table(), thickness->gPerCm2) * 100.0);
        }
        records.append(
            record(n.name, n.halfLife, n.halfLifeUnit, n.PositronsPer100Decays(), r.endpointMeV,
                   r.meanEnergyMeV, r.rMax, r.rMean, r.meanCsdaRange,
                   RangeInMillimetres(r.rMax, density), RangeInMillimetres(r.rMean, density),
                   RangeInMillimetres(r.meanCsdaRange, density), beyondPercent, n.fromUser));
    }
    return records;
}

py::object EmitterSpectrum(const Material& material, py::handle nuclide) {
    const NuclideList list = Nuclides();
    const Nuclide& n = NamedNuclide(list, nuclide);
    RangesOf(material, n);  // refuses a table that cannot give the ranges
    const std::vector<SpectrumPoint> points = NuclideSpectrum(n, material.Table());
    const double density = material.Table().Density;
    std::vector<SpectrumPoint> millimetres = points;
    for (SpectrumPoint& p : millimetres) {
        p.csdaRange = RangeInMillimetres(p.csdaRange, density);
    }
    return Record("EmitterSpectrum")(
        n.name, ArrayOf(points, [](const SpectrumPoint& p) { return p.energyMeV; }),
        ArrayOf(points, [](const SpectrumPoint& p) { return p.positronsPerMeV; }),
        ArrayOf(points, [](const SpectrumPoint& p) { return p.csdaRange; }),
        ArrayOf(millimetres, [](const SpectrumPoint& p) { return p.csdaRange; }), n.fromUser);
}

}  // namespace velmora::python
