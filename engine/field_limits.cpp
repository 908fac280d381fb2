#include "engine/field_limits.h"

#include "engine/field_rules.h"

namespace tarelvo {

namespace {
const LimiteCampo kLimites[] = {
    {"Altura", 0.5, "0.50"},  {"Ancho", 0.1, "0.10"},  {"AltZap", 0.25, "0.25"},
    {"Punta", 0.2, "0.20"},   {"Talon", 0.2, "0.20"},  {"AltDent", 0, "0.00"},
    {"AnchDent", 0.2, "0.20"}, {"Phi1", 0, "0.00"},    {"Gamma1", 0.1, "0.10"},
    {"Gamma2", 0.1, ".10"},   {"Cohes", 0, "0.00"},
};
const RangoSpin kRangos[] = {
    {"Beta", 90, "90.00"}, {"Reac", 99.95, "99.95"}, {"Sobrec", 99.95, "99.95"},
    {"Padm", 99.95, "99.95"},
};
}  // namespace

const LimiteCampo* LimiteAlSalir(std::string_view campo) {
    for (const LimiteCampo& l : kLimites)
        if (campo == l.campo) return &l;
    return nullptr;
}

std::string ConLimite(const LimiteCampo& limite, const std::string& texto) {
    return NumeroDe(texto) < limite.minimo ? limite.texto : texto;
}

const RangoSpin* RangoDeSpin(std::string_view campo) {
    for (const RangoSpin& r : kRangos)
        if (campo == r.campo) return &r;
    return nullptr;
}

}  // namespace tarelvo
