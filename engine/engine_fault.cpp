#include "engine/engine_fault.h"

namespace tarelvo::guard {

void fault(const std::string& message) { throw EngineFault(message); }

void divisionByZero(const char* what) {
    fault(std::string("División por cero al calcular ") + what + ".");
}

void negativeRoot(const char* what) {
    fault(std::string("Raíz cuadrada de un número negativo al calcular ") + what + ".");
}

void overflow(const char* what) {
    fault(std::string("Desbordamiento numérico al calcular ") + what + ".");
}

}  // namespace tarelvo::guard
