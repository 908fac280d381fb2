// EngineFault: a floating-point fault of an engine procedure, with a Spanish message for the
// user. Plus the guarded operations the procedures use, so that a division by zero, the square
// root of a negative number or an overflow abandons the procedure before anything non-finite
// is stored; whatever the procedure stored before that point stays.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace tarelvo {

class EngineFault : public std::runtime_error {
public:
    explicit EngineFault(const std::string& message) : std::runtime_error(message) {}
};

namespace guard {

[[noreturn]] inline void fault(const std::string& message) { throw EngineFault(message); }

// a / b; `what` names the quantity being computed, as the user knows it.
inline double div(double a, double b, const char* what) {
    if (b == 0.0 || std::isnan(b) || std::isnan(a))
        fault(std::string("División por cero al calcular ") + what + ".");
    return a / b;
}

inline double sqrt(double x, const char* what) {
    if (!(x >= 0.0))
        fault(std::string("Raíz cuadrada de un número negativo al calcular ") + what + ".");
    return std::sqrt(x);
}

// The value as it is stored: rounded to float, and never infinite or NaN.
inline float store(double v, const char* what) {
    const float f = static_cast<float>(v);
    if (!std::isfinite(f))
        fault(std::string("Desbordamiento numérico al calcular ") + what + ".");
    return f;
}

}  // namespace guard
}  // namespace tarelvo
