// Energies and ranges as Python hands them over: a number, a list or a NumPy array of any shape,
// made into one contiguous array of doubles, or refused with a ValueError.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstddef>
#include <string>
#include <vector>

namespace velmora::python {

namespace py = pybind11;

struct ValueArray {
    py::array_t<double, py::array::c_style> array;  // native byte order, C order
    bool scalar = false;                            // a plain number: results are plain floats
};

// What the values are, for messages: "energy" and "energies".
struct ValueNames {
    const char* singular;
    const char* plural;
};

// The values of a number, a sequence or an array of real numbers (of any dtype NumPy converts to
// float64 exactly or by rounding: integers, floats, objects holding numbers). Refuses with a
// ValueError texts, booleans, complex numbers, ragged lists and empty arrays.
ValueArray ReadValues(py::handle values, const ValueNames& names);

std::vector<py::ssize_t> ShapeOf(const py::array& array);

// Where value k of the flattened array of that shape stands: "index 3", or "index (1, 2)" for a
// 2-d array.
std::string PositionOf(const std::vector<py::ssize_t>& shape, std::size_t k);

// Raises a ValueError with the message; bytes that are not UTF-8 (from a file name) are shown as
// replacement characters instead of failing.
[[noreturn]] void RaiseValueError(const std::string& message);

// A file-system text (a path) as Python's str, undecodable bytes kept as os.fsdecode keeps them.
py::str PathString(const std::string& path);

// The double as Python writes it (repr): "2000.0", "nan", "inf".
std::string FloatText(double value);

// An array of the shape of values, to be filled by the caller.
py::array_t<double> ArrayShapedLike(const ValueArray& values);

}  // namespace velmora::python
