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
// Sensible bounds for a cantilever wall of reinforced concrete; the spins keep their own
// ranges. The stem thicknesses are typed in metres.
const MaximoCampo kMaximos[] = {
    {"Altura", 15, "15.00"},  {"Ancho", 2, "2.00"},     {"Centro", 5, "5.00"},
    {"AltZap", 5, "5.00"},    {"Punta", 20, "20.00"},   {"Talon", 20, "20.00"},
    {"Dsz", 15, "15.00"},     {"AltDent", 5, "5.00"},   {"AnchDent", 5, "5.00"},
    {"Gamma1", 3, "3.00"},    {"Gamma2", 3, "3.00"},    {"Phi1", 50, "50.00"},
    {"Phi2", 50, "50.00"},    {"Cohes1", 50, "50.00"},  {"Cohes", 50, "50.00"},
    {"Beta", 90, "90.00"},    {"Reac", 99.95, "99.95"}, {"Sobrec", 99.95, "99.95"},
    {"Padm", 99.95, "99.95"},
};
}  // namespace

const MaximoCampo* MaximoDe(std::string_view campo) {
    for (const MaximoCampo& m : kMaximos)
        if (campo == m.campo) return &m;
    return nullptr;
}

bool ExcedeMaximo(std::string_view campo, double valor) {
    const MaximoCampo* m = MaximoDe(campo);
    return m && valor > m->maximo;
}

std::string DeRotulo(const std::string& rotulo) {
    // Spanish contracts "de el" into "del".
    if (rotulo.rfind("el ", 0) == 0) return "del " + rotulo.substr(3);
    return "de " + rotulo;
}

std::string MensajeMaximo(const MaximoCampo& limite, const std::string& rotulo) {
    return "El valor " + DeRotulo(rotulo) + " no puede ser mayor que " + limite.texto;
}

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
