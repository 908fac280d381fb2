// Two project states compared variable by variable, for the tests that expect the same wall.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "engine/state_fields.h"
#include "engine/wall_fields.h"

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

// The controls that hold the project, compared by the numbers their texts hold (a field may
// show "0.4" or "0.40"), the title and the options exactly; the key's depth field only while
// "Incluye" shows it. One line for each that differs.
inline std::string DiferenciasDeCampos(const CamposMuro& a, const CamposMuro& b) {
    const std::pair<const char*, std::string CamposMuro::*> textos[] = {
        {"altura", &CamposMuro::altura}, {"ancho", &CamposMuro::ancho},
        {"centro", &CamposMuro::centro}, {"altZap", &CamposMuro::altZap},
        {"punta", &CamposMuro::punta},   {"talon", &CamposMuro::talon},
        {"dsz", &CamposMuro::dsz},       {"altDent", &CamposMuro::altDent},
        {"anchDent", &CamposMuro::anchDent}, {"phi1", &CamposMuro::phi1},
        {"gamma1", &CamposMuro::gamma1}, {"cohes1", &CamposMuro::cohes1},
        {"phi2", &CamposMuro::phi2},     {"gamma2", &CamposMuro::gamma2},
        {"cohes", &CamposMuro::cohes},   {"beta", &CamposMuro::beta},
        {"reac", &CamposMuro::reac},     {"sobrec", &CamposMuro::sobrec},
        {"padm", &CamposMuro::padm},     {"fc", &CamposMuro::fc},
        {"fy", &CamposMuro::fy}};
    std::string d;
    for (const auto& [nombre, t] : textos) {
        if (t == &CamposMuro::altDent && !a.dentellon && !b.dentellon) continue;
        if (numtext::read(a.*t) != numtext::read(b.*t))
            d += std::string(nombre) + ": \"" + a.*t + "\" / \"" + b.*t + "\"\n";
    }
    if (a.titulo != b.titulo) d += "titulo: \"" + a.titulo + "\" / \"" + b.titulo + "\"\n";
    if (a.formaMuro != b.formaMuro) d += "formaMuro\n";
    if (a.centrica != b.centrica) d += "centrica\n";
    if (a.pasiva != b.pasiva) d += "pasiva\n";
    if (a.dentellon != b.dentellon) d += "dentellon\n";
    return d;
}

}  // namespace tarelvo::test
