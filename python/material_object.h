// The material object of the Python module: a material table read in full, and its look-ups.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <string>

#include "core/material_catalogue.h"
#include "core/material_lookup.h"

namespace velmora::python {

namespace py = pybind11;

// The places searched for material folders, as velmora-query searches them: the working folder,
// the user's data folder, then the tables installed beside the module and those of the source
// tree it was built from.
DataFolderCandidates DataPlaces();

// "positron" or "electron"; anything else is refused with a ValueError.
Particle ParticleNamed(const std::string& word);

// A text or os.PathLike as a path string; None as no path.
std::optional<std::string> PathText(py::handle path);

class Material {
  public:
    explicit Material(FoundMaterial found) : found_(std::move(found)) {}

    const MaterialTable& Table() const { return found_.table; }
    const std::string& File() const { return found_.file; }
    py::object ParticleName() const;

    // Rows 1 to 81 of a column as a read-only array viewing this object's memory; owner keeps
    // the object alive while the array lives.
    py::array Column(const TableColumn& column, py::handle owner) const;

    // The five quantities at each energy: plain floats for a number, arrays of its shape else.
    py::object At(py::handle energies, bool linear) const;
    // The energy of each csda range (g/cm2, or cm with linear).
    py::object EnergyForRange(py::handle ranges, bool linear) const;
    // The equal-interval table's rows: energy, collision and radiative stopping power.
    py::object Interval(py::handle start, py::handle stop, py::handle step, bool linear) const;
    // The bytes of the table window's CSV file for the same rows.
    py::bytes IntervalCsv(py::handle start, py::handle stop, py::handle step) const;

    py::str Repr() const;

  private:
    FoundMaterial found_;
};

}  // namespace velmora::python
