// Two project states compared variable by variable, for the tests that expect the same wall.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "engine/state_fields.h"

namespace tarelvo::test {

inline std::string TextoDeVariable(const ProjectState& s, const StateField& f) {
    switch (f.kind) {
        case StateField::Float: return numtext::format(s.*(f.f), "0.###########");
        case StateField::Int16: return std::to_string(s.*(f.i));
        case StateField::Text: return s.*(f.t);
    }
    return "";
}

// One line for each variable whose values differ ("Altura: 2.5 / 2.45"), the variables named
// in `salvo` aside; empty when the states agree.
inline std::string DiferenciasDeEstado(const ProjectState& a, const ProjectState& b,
                                       std::initializer_list<std::string_view> salvo = {}) {
    std::string d;
    for (const StateField& f : StateFields()) {
        bool aparte = false;
        for (std::string_view n : salvo) aparte = aparte || n == f.name;
        const bool igual = f.kind == StateField::Float  ? a.*(f.f) == b.*(f.f)
                           : f.kind == StateField::Int16 ? a.*(f.i) == b.*(f.i)
                                                         : a.*(f.t) == b.*(f.t);
        if (!igual && !aparte)
            d += std::string(f.name) + ": " + TextoDeVariable(a, f) + " / " +
                 TextoDeVariable(b, f) + "\n";
    }
    return d;
}

}  // namespace tarelvo::test
