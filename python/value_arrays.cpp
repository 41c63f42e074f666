// Converting Python numbers, lists and arrays into contiguous arrays of doubles.
#include "value_arrays.h"

#include <string_view>

#include "core/message_text.h"

namespace velmora::python {
namespace {

[[noreturn]] void RefuseValues(const ValueNames& names, const std::string& why) {
    RaiseValueError(std::string(names.plural) + " must be real numbers" + why);
}

// The message of a Python exception without its type.
std::string ErrorText(const py::error_already_set& error) {
    return py::cast<std::string>(py::str(error.value()));
}

bool IsText(py::handle value) {
    return py::isinstance<py::str>(value) || py::isinstance<py::bytes>(value);
}

// A text is named as the command line names a word that is not a number.
[[noreturn]] void RefuseText(py::handle text, const std::string& position) {
    const std::string shown = py::isinstance<py::bytes>(text)
                                  ? py::cast<std::string>(text)
                                  : py::cast<std::string>(py::str(text));
    RaiseValueError(QuotedForMessage(shown) + (position.empty() ? "" : " (" + position + ")") +
                    " is not a number");
}

// An array of Python objects: each must be a real number (not a text, not a boolean).
py::array CheckedObjectArray(const py::array& objects, const ValueNames& names) {
    const py::object flat = objects.attr("ravel")();
    const std::vector<py::ssize_t> shape = ShapeOf(objects);
    std::size_t k = 0;
    for (const py::handle item : flat) {
        if (IsText(item)) {
            RefuseText(item, PositionOf(shape, k));
        }
        if (py::isinstance<py::bool_>(item) || !PyNumber_Check(item.ptr()) ||
            PyComplex_Check(item.ptr())) {
            RefuseValues(names, ": " + py::cast<std::string>(py::repr(item)) + " (" +
                                    PositionOf(shape, k) + ") is not one");
        }
        ++k;
    }
    return objects;
}

}  // namespace

ValueArray ReadValues(py::handle values, const ValueNames& names) {
    if (IsText(values)) {
        RefuseText(values, "");
    }
    const py::module_ numpy = py::module_::import("numpy");
    py::array array;
    try {
        array = numpy.attr("asarray")(values);
    } catch (py::error_already_set& error) {
        RefuseValues(names, ": " + ErrorText(error));
    }
    if (array.size() == 0) {
        RaiseValueError(std::string("no ") + names.singular + " given: the array is empty");
    }
    const char kind = array.dtype().kind();
    if (kind == 'U' || kind == 'S') {
        RefuseText(array.attr("ravel")()[py::int_(0)],
                   array.ndim() > 0 ? PositionOf(ShapeOf(array), 0) : std::string());
    }
    if (kind == 'O') {
        array = CheckedObjectArray(array, names);
    } else if (kind != 'f' && kind != 'i' && kind != 'u') {
        RefuseValues(names, ", not " + py::cast<std::string>(py::str(array.dtype())));
    }
    ValueArray result;
    result.scalar = array.ndim() == 0;
    try {
        // Any byte order and any strides: a contiguous copy in the machine's order when needed.
        result.array = numpy.attr("ascontiguousarray")(array, py::arg("dtype") = "float64");
    } catch (py::error_already_set& error) {
        RefuseValues(names, ": " + ErrorText(error));
    }
    return result;
}

std::vector<py::ssize_t> ShapeOf(const py::array& array) {
    return std::vector<py::ssize_t>(array.shape(), array.shape() + array.ndim());
}

std::string PositionOf(const std::vector<py::ssize_t>& shape, std::size_t k) {
    if (shape.size() <= 1) {
        return "index " + std::to_string(k);
    }
    std::string index;
    for (std::size_t d = shape.size(); d-- > 0;) {
        const auto extent = static_cast<std::size_t>(shape[d]);
        index = std::to_string(k % extent) + (index.empty() ? "" : ", ") + index;
        k /= extent;
    }
    return "index (" + index + ")";
}

void RaiseValueError(const std::string& message) {
    PyObject* text =
        PyUnicode_DecodeUTF8(message.data(), static_cast<py::ssize_t>(message.size()), "replace");
    if (text != nullptr) {
        PyErr_SetObject(PyExc_ValueError, text);
        Py_DECREF(text);
    }
    throw py::error_already_set();
}

py::str PathString(const std::string& path) {
    return py::reinterpret_steal<py::str>(
        PyUnicode_DecodeFSDefaultAndSize(path.data(), static_cast<py::ssize_t>(path.size())));
}

std::string FloatText(double value) {
    return py::cast<std::string>(py::repr(py::float_(value)));
}

py::array_t<double> ArrayShapedLike(const ValueArray& values) {
    return py::array_t<double>(ShapeOf(values.array));
}

}  // namespace velmora::python
