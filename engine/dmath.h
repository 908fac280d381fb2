// The mathematical functions of the engine, in double precision only. The formulas are
// evaluated in double on the stored floats; a float argument handed to std::cos picks cosf,
// whose rounding moves the active coefficient and everything after it. Every call in the
// engine goes through these, which take double, so a float argument is widened first. A test
// keeps direct calls to the standard functions out of the engine.
#pragma once

#include <cmath>

namespace tarelvo::dmath {

inline double sin(double x) { return std::sin(x); }
inline double cos(double x) { return std::cos(x); }
inline double tan(double x) { return std::tan(x); }
inline double atan(double x) { return std::atan(x); }
inline double exp(double x) { return std::exp(x); }
inline double pow(double x, double y) { return std::pow(x, y); }
inline double sqrt(double x) { return std::sqrt(x); }
inline double fabs(double x) { return std::fabs(x); }
inline double floor(double x) { return std::floor(x); }
inline double ceil(double x) { return std::ceil(x); }

}  // namespace tarelvo::dmath
