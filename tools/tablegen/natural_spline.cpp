// A natural cubic spline through a set of points with rising abscissae.
#include "tablegen/natural_spline.h"

#include <algorithm>

#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {

NaturalSpline::NaturalSpline(std::vector<double> x, std::vector<double> y)
    : x_(std::move(x)), y_(std::move(y)), secondDerivative_(x_.size(), 0.0) {
    const std::size_t n = x_.size();
    if (n < 2 || y_.size() != n) {
        throw TablegenError("a spline needs at least two points and one value per point");
    }
    for (std::size_t i = 1; i < n; ++i) {
        if (!(x_[i] > x_[i - 1])) {
            throw TablegenError("spline abscissae must rise strictly");
        }
    }
    // Tridiagonal system for the second derivatives, zero at both ends (Thomas algorithm).
    std::vector<double> diag(n, 1.0), rhs(n, 0.0), upper(n, 0.0);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double h0 = x_[i] - x_[i - 1], h1 = x_[i + 1] - x_[i];
        const double lower = h0 / 6.0;
        const double d = (h0 + h1) / 3.0 - lower * upper[i - 1] / diag[i - 1];
        const double r = (y_[i + 1] - y_[i]) / h1 - (y_[i] - y_[i - 1]) / h0;
        rhs[i] = r - lower * rhs[i - 1] / diag[i - 1];
        diag[i] = d;
        upper[i] = h1 / 6.0;
    }
    for (std::size_t i = n - 2; i >= 1; --i) {
        secondDerivative_[i] = (rhs[i] - upper[i] * secondDerivative_[i + 1]) / diag[i];
    }
}

double NaturalSpline::ValueInInterval(std::size_t i, double u) const {
    const double h = x_[i + 1] - x_[i];
    const double a = (x_[i + 1] - u) / h, b = (u - x_[i]) / h;
    return a * y_[i] + b * y_[i + 1] +
           ((a * a * a - a) * secondDerivative_[i] + (b * b * b - b) * secondDerivative_[i + 1]) *
               h * h / 6.0;
}

double NaturalSpline::operator()(double u) const {
    const auto upperBound = std::upper_bound(x_.begin(), x_.end(), u);
    std::size_t i =
        upperBound == x_.begin() ? 0 : static_cast<std::size_t>(upperBound - x_.begin()) - 1;
    i = std::min(i, x_.size() - 2);
    return ValueInInterval(i, u);
}

}  // namespace velmora::tablegen
