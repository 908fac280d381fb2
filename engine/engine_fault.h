// EngineFault: a floating-point fault of an engine procedure, with a Spanish message for the
// user. Plus the guarded operations the procedures use, so that a division by zero, the square
// root of a negative number or an overflow abandons the procedure before anything non-finite
// is stored; whatever the procedure stored before that point stays.
#pragma once

#include <stdexcept>
#include <string>

#include "engine/dmath.h"

namespace tarelvo {

class EngineFault : public std::runtime_error {
public:
    explicit EngineFault(const std::string& message) : std::runtime_error(message) {}
};

namespace guard {

[[noreturn]] void fault(const std::string& message);
// The messages of the three faults, built only when one happens.
[[noreturn]] void divisionByZero(const char* what);
[[noreturn]] void negativeRoot(const char* what);
[[noreturn]] void overflow(const char* what);

// a / b; `what` names the quantity being computed, as the user knows it.
inline double div(double a, double b, const char* what) {
    if (b == 0.0 || std::isnan(b) || std::isnan(a)) divisionByZero(what);
    return a / b;
}

inline double sqrt(double x, const char* what) {
    if (!(x >= 0.0)) negativeRoot(what);
    return dmath::sqrt(x);
}

// The value as it is stored: rounded to float, and never infinite or NaN.
inline float store(double v, const char* what) {
    const float f = static_cast<float>(v);
    if (!std::isfinite(f)) overflow(what);
    return f;
}

}  // namespace guard
}  // namespace tarelvo
