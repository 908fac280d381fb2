#include "engine/bar_inputs.h"

#include <charconv>

#include "engine/field_rules.h"

namespace tarelvo {

const std::array<const char*, GruposBarras::kGrupos> kNombresDiam{
    {"DiamMuroIntVert", "DiamMuroIntHoriz", "DiamMuroExtVert", "DiamMuroExtHoriz", "DiamZapSup",
     "DiamZapInf", "DiamZapTransv"}};
const std::array<const char*, 3> kNombresSepar{{"Separ1", "Separ2", "Separ3"}};
const char* const kDiamValidos = "1, 3/4, 1/2 o 3/8";

namespace {
// The inch sizes of the bar table, in its order.
const char* const kPulgadas[4] = {"1", "3/4", "1/2", "3/8"};
}  // namespace

int GrupoDeDiam(std::string_view nombre) {
    for (int g = 0; g < GruposBarras::kGrupos; ++g)
        if (nombre == kNombresDiam[static_cast<std::size_t>(g)]) return g;
    return -1;
}

int CajaDeSepar(std::string_view nombre) {
    for (int k = 0; k < 3; ++k)
        if (nombre == kNombresSepar[static_cast<std::size_t>(k)]) return k;
    return -1;
}

int PosicionDeDiam(std::string_view texto) {
    for (int i = 0; i < 4; ++i)
        if (texto == kPulgadas[i]) return i;
    return -1;
}

const char* DiamDePosicion(int posicion) {
    return posicion >= 0 && posicion < 4 ? kPulgadas[posicion] : nullptr;
}

std::string TextoSeparacion(float separacion) {
    const std::string campo = TextoCampo(separacion);
    if (NumeroCampo(campo) == separacion) return campo;
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, separacion);
    return std::string(buf, r.ptr);
}

bool BarrasDadas::alguna() const {
    for (const auto& d : diam)
        if (d) return true;
    return false;
}

namespace {
// Every group's bar: the one given, or the one its list starts with.
void EligeBarras(const BarrasDadas& b, ProjectState& s, GruposBarras& grupos);
}  // namespace

void AplicaBarras(const BarrasDadas& b, ProjectState& s, GruposBarras& grupos) {
    bool nada = !b.alguna();
    for (const auto& k : b.separ) nada = nada && !k;
    if (nada) return;
    // The form's lists exist before a bar is chosen in them; loading them later would put
    // their starting bars back.
    if (!grupos.cargado()) grupos.Carga(s);
    for (int k = 0; k < 3; ++k)
        if (const auto& v = b.separ[static_cast<std::size_t>(k)])
            grupos.CambiaSeparacion(s, k, TextoSeparacion(*v));
    if (b.alguna()) EligeBarras(b, s, grupos);
    // The bars are judged for room when they are laid out for the analysed wall; judged here,
    // on the areas of whatever wall came before, they would say nothing true.
    s.BarrasSinEspacio = 0;
}

namespace {

void EligeBarras(const BarrasDadas& b, ProjectState& s, GruposBarras& grupos) {
    // The starting bars, from lists loaded afresh on a copy of the state (loading them stores
    // fallback areas into the state).
    ProjectState copia = s;
    GruposBarras inicio;
    inicio.Carga(copia);
    for (int g = 0; g < GruposBarras::kGrupos; ++g) {
        const auto& d = b.diam[static_cast<std::size_t>(g)];
        grupos.Selecciona(s, g, d ? *d : inicio.posicion(g));
    }
    s.BarrasIniciadas = 1;
}

}  // namespace

}  // namespace tarelvo
