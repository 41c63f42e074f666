// The Python module velmora._core: the catalogue, the material object and the result records.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <vector>

#include "core/material_reading.h"
#include "emitters.h"
#include "material_object.h"
#include "value_arrays.h"

namespace velmora::python {
namespace {

MaterialRequest RequestFor(Particle particle, bool particleGiven, py::handle dataDir) {
    MaterialRequest request{particle, particleGiven, PathText(dataDir)};
    request.dataDirOption = "data_dir";
    request.particleOption = "particle";
    request.listingHint = "velmora.materials() lists them";
    return request;
}

template <typename T>
T Found(LookupResult<T> result) {
    if (!result) {
        RaiseValueError(result.message);
    }
    return std::move(*result.value);
}

py::list Materials(const std::string& particleWord, py::handle dataDir) {
    const Particle particle = ParticleNamed(particleWord);
    const MaterialRequest request = RequestFor(particle, true, dataDir);
    const std::vector<std::filesystem::path> folders =
        Found(FindDataFolders(request, DataPlaces()));
    const py::object entry = py::module_::import("velmora._core").attr("MaterialEntry");
    py::list entries;
    for (const MaterialFile& file : ListMaterialFiles(folders, particle)) {
        ParseResult<MaterialHead> head = ReadMaterialHead(file.path);
        if (!head) {
            RaiseValueError(MaterialFileMessage(head.error));
        }
        entries.append(entry(PathString(head.value->name), PathString(file.path.string()),
                             file.kind == MaterialKind::kElement ? "element" : "compound",
                             head.value->density, head.value->meanExcitationEnergy));
    }
    return entries;
}

Material FindMaterialFor(py::handle nameOrPath, py::handle particle, py::handle dataDir) {
    const std::optional<std::string> operand = PathText(nameOrPath);
    if (!operand) {
        RaiseValueError("a material name or path is needed, not None");
    }
    const bool particleGiven = !particle.is_none();
    const MaterialRequest request = RequestFor(
        particleGiven ? ParticleNamed(py::cast<std::string>(particle)) : Particle::kPositron,
        particleGiven, dataDir);
    return Material(Found(FindMaterial(*operand, request, DataPlaces())));
}

// A Material as given, or the one velmora.material() finds for a name or path.
Material MaterialOf(py::handle materialOrName) {
    if (py::isinstance<Material>(materialOrName)) {
        return materialOrName.cast<Material>();
    }
    return FindMaterialFor(materialOrName, py::none(), py::none());
}

void AddRecord(py::module_& m, const char* name, std::vector<const char*> fields, const char* doc) {
    py::object type = py::module_::import("collections")
                          .attr("namedtuple")(name, fields, py::arg("module") = "velmora");
    type.attr("__doc__") = doc;
    m.attr(name) = type;
}

// A read-only view of one column of the table, kept alive by the material object.
template <TableColumn MaterialTable::*column>
py::array ColumnOf(py::object self) {
    const Material& material = self.cast<const Material&>();
    return material.Column(material.Table().*column, self);
}

constexpr const char* kModuleDoc =
    "The compiled part of the velmora package: import velmora and use the names it exports.";

constexpr const char* kMaterialsDoc =
    R"(materials(particle="positron", data_dir=None) -> list[MaterialEntry]

The materials velmora-query lists, elements first.

particle: "positron" or "electron".
data_dir: a folder holding p_QRV and p_STC (e_QRV and e_STC for electrons) to list instead of
    the folders found as the windows find them.

Returns a list of MaterialEntry(name, file, kind, density, mean_excitation_energy): kind is
"element" or "compound", density in g/cm3, mean excitation energy in eV. Raises ValueError when no
tables are found or a material file's head is malformed.)";

constexpr const char* kMaterialDoc =
    R"(material(name_or_path, particle=None, data_dir=None) -> Material

A material's table, read in full and checked.

name_or_path: a name as velmora-query takes it (an element's symbol as it is written, "Pb"; the
    whole name "water, liquid", the file name "water liquid" with or without ".stc", or any unique
    prefix or part such as "kapton"; case does not matter but in symbols), or the path of a
    material file (a text or os.PathLike holding a slash or ending in .qrv or .stc that names an
    existing file).
particle: "positron" or "electron"; None means positrons for a name, and for a path the particle
    the file's second line names, else its folder's (a table of the other particle than the one
    given is refused).
data_dir: the one folder to search for names, holding p_QRV and p_STC.

Raises ValueError for an ambiguous name (listing the candidates), an unknown one (listing close
names), no tables found, and a file that cannot be read or is malformed (naming file and line).)";

constexpr const char* kAtDoc = R"(at(energies, *, linear=False) -> Quantities

The stopping powers and the csda range at each energy (MeV).

energies: a number, a sequence or a NumPy array of any shape and of any real dtype (also
    big-endian or non-contiguous), from 0.01 MeV up to 1000 MeV or the table's last energy.
linear: stopping powers in MeV/cm and the range in cm (with the material's density) instead of
    MeV cm2/g and g/cm2.

Returns Quantities(energy, collision, radiative, total, csda_range): plain floats for a number,
float64 arrays of the input's shape otherwise. Each value is exactly the double the main window
and velmora-query give (log-log interpolation between the two bracketing rows). Large arrays are
computed on several threads without holding the interpreter's lock.

Raises ValueError, naming the first refused energy and its index, for an energy outside the table,
NaN or an infinity, for an empty array, and for values that are not real numbers.)";

constexpr const char* kEnergyForRangeDoc =
    R"(energy_for_range(ranges, *, linear=False) -> float | numpy.ndarray

The energy (MeV) at which the csda range reaches each range.

ranges: a number, a sequence or an array of any shape, in g/cm2 (cm with linear=True), between the
    ranges of the table's first and last rows.

The inverse of at(): on the straight line through the two bracketing rows in the log-log plane;
a tabulated range gives its row's energy exactly. Returns a float for a number, a float64 array of
the input's shape otherwise. Raises ValueError for a range outside the table, NaN, an empty array,
and for a table whose ranges do not rise.)";

constexpr const char* kIntervalDoc = R"(interval(start, stop, step, *, linear=False) -> IntervalRows

The equal-interval table of the table window, as arrays.

start, stop, step: MeV, as numbers or as texts the window's boxes take ("0.1"); rows at
    start + i*step up to stop, at most 5000 intervals.
linear: stopping powers in MeV/cm instead of MeV cm2/g.

Returns IntervalRows(energy, collision, radiative), float64 arrays of one value per row. Raises
ValueError with the command line's message for inputs the window refuses, a table of more than
5000 intervals (naming the end that fits) and one without rows.)";

constexpr const char* kIntervalCsvDoc = R"(interval_csv(start, stop, step) -> bytes

The bytes of the table window's CSV file for these rows.

The same rows as interval(start, stop, step): the header line "MeV, Collision, Radiate" and one line
per row, each ended with CR LF, exactly as the window saves them and as
`velmora-query interval ... --format window-csv` writes them.)";

constexpr const char* kEmittersDoc =
    R"(emitters(material, nuclides=None, beyond=None) -> list[Emitter]

How far the positrons of PET nuclides travel in a material: the figures of
`velmora-query emitters --format json`, one Emitter per nuclide.

material: a Material (velmora.material("water, liquid", "electron") for the electron tables, the
    literature's figures) or a name or path, looked up as velmora.material() does (positrons).
nuclides: None for every nuclide, in the list's order; a name, or a sequence of names, in their
    order. Names as people write them: "F-18", "18F", "F18" and "f-18" are the same.
beyond: None, or a thickness with its unit ("1mm", "0.5cm", "0.1g/cm2"): adds beyond_percent, the
    percentage of the positrons whose csda range exceeds it. The csda range is the length of the
    winding path, not a depth, so this is an upper bound on those that get through a layer that
    thick.

Each Emitter holds nuclide, half_life and half_life_unit, positrons_per_100_decays, endpoint_mev
(the highest endpoint), mean_energy_mev (the branches' evaluated mean energies weighted by
intensity), rmax_g_cm2 and rmean_g_cm2 (the csda ranges at those two energies), mean_csda_range_g_cm2
(over the beta+ spectra of all branches), the same three in mm with the material's density,
beyond_percent (None without beyond) and from_user_list. Nuclides of the user's list
(emitters/positron_emitters.csv in the user's data folder) replace bundled ones of their name;
a malformed list is a UserWarning and the bundled list is used.

Raises ValueError, in the command line's words, for an unknown nuclide, a thickness without its
unit or not positive, and a table that cannot give the ranges (ending below a nuclide's endpoint,
or csda ranges that do not rise).)";

constexpr const char* kEmitterSpectrumDoc =
    R"(emitter_spectrum(material, nuclide) -> EmitterSpectrum

A nuclide's beta+ spectrum and the csda range at each of its energies, as
`velmora-query emitters MATERIAL NUCLIDE --spectrum` lists them.

material: a Material, or a name or path as for emitters().
nuclide: one name, written as for emitters().

Returns EmitterSpectrum(nuclide, energy_mev, positrons_per_mev_per_100_decays, csda_range_g_cm2,
csda_range_mm, from_user_list): float64 arrays at steps of 1, 2 or 5 times a power of ten (at most
100 below the endpoint) and at the highest endpoint, the branches' spectra added (allowed shape
with the relativistic Fermi function of the daughter). Raises ValueError as emitters() does.)";

}  // namespace
}  // namespace velmora::python

PYBIND11_MODULE(_core, m) {
    using namespace velmora::python;
    using velmora::MaterialTable;
    // Each docstring starts with the signature in Python's terms.
    py::options options;
    options.disable_function_signatures();
    m.doc() = kModuleDoc;
    AddRecord(m, "Quantities", {"energy", "collision", "radiative", "total", "csda_range"},
              "Energy (MeV), collision, radiative and total stopping power (MeV cm2/g, or MeV/cm "
              "with linear=True) and csda range (g/cm2, or cm).");
    AddRecord(m, "IntervalRows", {"energy", "collision", "radiative"},
              "Rows of the equal-interval table: energy (MeV), collision and radiative stopping "
              "power (MeV cm2/g, or MeV/cm with linear=True).");
    AddRecord(m, "MaterialEntry", {"name", "file", "kind", "density", "mean_excitation_energy"},
              "A listed material: its name, file, kind (\"element\" or \"compound\"), density "
              "(g/cm3) and mean excitation energy (eV).");
    AddRecord(m, "Emitter",
              {"nuclide", "half_life", "half_life_unit", "positrons_per_100_decays", "endpoint_mev",
               "mean_energy_mev", "rmax_g_cm2", "rmean_g_cm2", "mean_csda_range_g_cm2", "rmax_mm",
               "rmean_mm", "mean_csda_range_mm", "beyond_percent", "from_user_list"},
              "A nuclide's figures in a material, as velmora-query emitters gives them: see "
              "help(velmora.emitters).");
    AddRecord(m, "EmitterSpectrum",
              {"nuclide", "energy_mev", "positrons_per_mev_per_100_decays", "csda_range_g_cm2",
               "csda_range_mm", "from_user_list"},
              "A nuclide's spectrum and the csda ranges at its energies: see "
              "help(velmora.emitter_spectrum).");

    py::class_<Material>(m, "Material",
                         "A material's table: its head values, its 81 rows as read-only arrays "
                         "and the look-ups in it. Made by velmora.material(); immutable, so it "
                         "may be used from several threads at once.")
        .def_property_readonly(
            "name", [](const Material& self) { return PathString(self.Table().MaterialName); },
            "Line 1 of the file.")
        .def_property_readonly(
            "file", [](const Material& self) { return PathString(self.File()); },
            "The file as velmora-query shows it: the path as given, or the found file's path.")
        .def_property_readonly("particle", &Material::ParticleName,
                               "\"positron\", \"electron\", or None for a file whose second "
                               "line and folder name neither, when none was asked for.")
        .def_property_readonly(
            "density", [](const Material& self) { return self.Table().Density; }, "g/cm3")
        .def_property_readonly(
            "mean_excitation_energy",
            [](const Material& self) { return self.Table().MeanExcitationEnergy; }, "eV")
        .def_property_readonly("energy", &ColumnOf<&MaterialTable::EnergyMeV>,
                               "The 81 tabulated energies, MeV (read-only).")
        .def_property_readonly("collision", &ColumnOf<&MaterialTable::CollisionSP>,
                               "Mass collision stopping powers, MeV cm2/g (read-only).")
        .def_property_readonly("radiative", &ColumnOf<&MaterialTable::RadiativeSP>,
                               "Mass radiative stopping powers, MeV cm2/g (read-only).")
        .def_property_readonly("total", &ColumnOf<&MaterialTable::TotalSP>,
                               "Total mass stopping powers, MeV cm2/g (read-only).")
        .def_property_readonly("csda_range", &ColumnOf<&MaterialTable::CsdaRange>,
                               "Csda ranges, g/cm2 (read-only).")
        .def("at", &Material::At, py::arg("energies"), py::kw_only(), py::arg("linear") = false,
             kAtDoc)
        .def("energy_for_range", &Material::EnergyForRange, py::arg("ranges"), py::kw_only(),
             py::arg("linear") = false, kEnergyForRangeDoc)
        .def("interval", &Material::Interval, py::arg("start"), py::arg("stop"), py::arg("step"),
             py::kw_only(), py::arg("linear") = false, kIntervalDoc)
        .def("interval_csv", &Material::IntervalCsv, py::arg("start"), py::arg("stop"),
             py::arg("step"), kIntervalCsvDoc)
        .def("__repr__", &Material::Repr);
    m.attr("Material").attr("__module__") = "velmora";

    m.def("materials", &Materials, py::arg("particle") = "positron",
          py::arg("data_dir") = py::none(), kMaterialsDoc);
    m.def("material", &FindMaterialFor, py::arg("name_or_path"), py::arg("particle") = py::none(),
          py::arg("data_dir") = py::none(), kMaterialDoc);
    m.def(
        "emitters",
        [](py::handle material, py::handle nuclides, py::handle beyond) {
            return EmitterFigures(MaterialOf(material), nuclides, beyond);
        },
        py::arg("material"), py::arg("nuclides") = py::none(), py::arg("beyond") = py::none(),
        kEmittersDoc);
    m.def(
        "emitter_spectrum",
        [](py::handle material, py::handle nuclide) {
            return EmitterSpectrum(MaterialOf(material), nuclide);
        },
        py::arg("material"), py::arg("nuclide"), kEmitterSpectrumDoc);
}
