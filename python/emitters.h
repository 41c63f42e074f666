// The positron emitters in the Python module: the figures velmora-query emitters gives, and a
// nuclide's spectrum as arrays, all from the core.
#pragma once

#include <pybind11/pybind11.h>

#include "material_object.h"

namespace velmora::python {

// One record per nuclide (the named ones in their order, or every one), with the fields of
// velmora-query emitters --format json; beyond is a thickness with its unit ("1mm") or None.
py::list EmitterFigures(const Material& material, py::handle nuclides, py::handle beyond);

// The named nuclide's spectrum at the energies velmora-query emitters --spectrum lists.
py::object EmitterSpectrum(const Material& material, py::handle nuclide);

}  // namespace velmora::python
