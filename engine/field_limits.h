// The lower limits the main window's fields apply when they are left: a smaller number is
// replaced by the limit's own text, which the field then stores.
#pragma once

#include <string>
#include <string_view>

namespace tarelvo {

struct LimiteCampo {
    const char* campo;   // the field's name, as its state variable's
    double minimo;
    const char* texto;   // what the field shows instead of a smaller number
};

// The limit of a field, or nullptr for a field left as typed.
const LimiteCampo* LimiteAlSalir(std::string_view campo);

// The field's text once left.
std::string ConLimite(const LimiteCampo& limite, const std::string& texto);

}  // namespace tarelvo
