// A natural cubic spline through a set of points with rising abscissae.
#pragma once

#include <vector>

namespace velmora::tablegen {

class NaturalSpline {
  public:
    // x must rise strictly; at least two points. Throws TablegenError otherwise.
    NaturalSpline(std::vector<double> x, std::vector<double> y);

    // The spline at u, for u within [x_i, x_{i+1}] of the given interval i.
    double ValueInInterval(std::size_t i, double u) const;
    double operator()(double u) const;  // finds the interval; extrapolates with the end cubics

    std::size_t Size() const { return x_.size(); }
    double X(std::size_t i) const { return x_[i]; }

  private:
    std::vector<double> x_, y_, secondDerivative_;
};

}  // namespace velmora::tablegen
