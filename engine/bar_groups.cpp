#include "engine/bar_groups.h"

#include "common/number_text.h"
#include "engine/dmath.h"

namespace tarelvo {

const std::array<Barra, 4> kBarras{{{"\xC3\xB8 1\"", 5.07},
                                    {"\xC3\xB8 3/4\"", 2.85},
                                    {"\xC3\xB8 1/2\"", 1.27},
                                    {"\xC3\xB8 3/8\"", 0.71}}};

const char* GruposBarras::Nombre(int grupo) {
    static const char* const kNombres[kGrupos] = {
        "Muro, cara interior, vertical", "Muro, cara interior, horizontal",
        "Muro, cara exterior, vertical", "Muro, cara exterior, horizontal",
        "Zapata, superior",              "Zapata, inferior",
        "Zapata, transversal"};
    return kNombres[grupo];
}

int GruposBarras::Caja(int grupo) {
    if (grupo <= MuroInteriorHorizontal) return 0;
    if (grupo <= MuroExteriorHorizontal) return 1;
    return 2;
}

double GruposBarras::SeparacionDe(const std::string& etiqueta) {
    if (etiqueta.size() < 4) return numtext::read(etiqueta);
    return numtext::read(etiqueta.substr(etiqueta.size() - 4));
}

double GruposBarras::AreaBarra(const std::string& etiqueta) {
    const std::size_t a = etiqueta.rfind(" a ");
    const std::string barra = a == std::string::npos ? etiqueta : etiqueta.substr(0, a);
    for (const Barra& b : kBarras)
        if (barra == b.texto) return b.area;
    return kAreaOtra;
}

namespace {

// The state's variable holding a group's required area; `S` is the state, const or not.
template <class S>
auto& VariableArea(S& s, int grupo) {
    switch (grupo) {
        case GruposBarras::MuroInteriorVertical: return s.AsMuro;
        case GruposBarras::ZapataSuperior: return s.AsTalon;
        case GruposBarras::ZapataInferior: return s.AsPunta;
        case GruposBarras::ZapataTransversal: return s.AsRep2;
        default: return s.AsRep1;
    }
}

// The area a group takes, stored back, when its required area is not positive: the minimum
// steel of a 20 cm stem and a 25 cm footing in grade 2800 steel, whatever the project's own
// values, and the minimum secondary steel. The secondary areas only fail to be positive for a
// crest of 5 cm or less or a footing of 7 cm or less; they then take the same minimums as the
// interior horizontal bars, rather than a zero area and an endless spacing.
float Minimo(int grupo) {
    switch (grupo) {
        case GruposBarras::MuroInteriorVertical: return static_cast<float>(14.0 / 2800 * 20 * 100);
        case GruposBarras::ZapataSuperior:
        case GruposBarras::ZapataInferior: return static_cast<float>(14.0 / 2800 * 25 * 100);
        case GruposBarras::ZapataTransversal: return 2.5f;
        default: return 2.0f;
    }
}

}  // namespace

float GruposBarras::AreaRequerida(const ProjectState& s, int grupo) { return VariableArea(s, grupo); }

void GruposBarras::Recalcula(ProjectState& s, int grupo) {
    float& area = VariableArea(s, grupo);
    if (!(area > 0)) area = Minimo(grupo);
    if (grupo == MuroInteriorHorizontal && !(s.AsRep2 > 0)) s.AsRep2 = 2.5f;
    const int pos = posicion_[grupo];
    const double barra = (pos >= 0 && pos < 4) ? kBarras[pos].area : kAreaOtra;
    double sep = barra / area;
    // A box that holds no positive number caps nothing.
    const double tope = numtext::read(separ_[Caja(grupo)]);
    if (tope > 0 && sep > tope) sep = tope;
    // Cut down to the centimetre the description shows, never rounded up: a wider spacing than
    // the area allows would give the section less steel than it needs. The smallest spacing
    // shown is one centimetre.
    sep = dmath::floor(sep * 100 + 1e-6) / 100;
    if (!(sep >= 0.01)) sep = 0.01;
    etiqueta_[grupo] = texto_[grupo] + " a " + numtext::format(sep, "0.00");
}

void GruposBarras::Selecciona(ProjectState& s, int grupo, int posicion) {
    posicion_[grupo] = posicion;
    texto_[grupo] = (posicion >= 0 && posicion < 4) ? kBarras[posicion].texto : "";
    Recalcula(s, grupo);
}

void GruposBarras::Escribe(ProjectState& s, int grupo, const std::string& texto) {
    texto_[grupo] = texto;
    posicion_[grupo] = -1;
    for (int i = 0; i < 4; ++i)
        if (texto == kBarras[i].texto) posicion_[grupo] = i;
    Recalcula(s, grupo);
}

void GruposBarras::CambiaSeparacion(ProjectState& s, int caja, const std::string& texto) {
    separ_[caja] = texto;
    for (int g = 0; g < kGrupos; ++g)
        if (Caja(g) == caja) Recalcula(s, g);
}

void GruposBarras::Carga(ProjectState& s) {
    if (cargado_) return;
    cargado_ = true;
    static const int kInicio[kGrupos] = {0, 3, 3, 3, 0, 0, 3};
    for (int g = 0; g < kGrupos; ++g) Selecciona(s, g, kInicio[g]);
}

void GruposBarras::PreseleccionaBarras(ProjectState& s) {
    Carga(s);
    if (s.BarrasIniciadas != 0) return;
    auto porArea = [](float a) { return a >= 20 ? 0 : a >= 8 ? 1 : 2; };
    Selecciona(s, MuroInteriorVertical, porArea(s.AsMuro));
    if (s.AsMuro < 8) {
        Selecciona(s, MuroInteriorHorizontal, 3);
        Selecciona(s, MuroExteriorVertical, 3);
        Selecciona(s, MuroExteriorHorizontal, 3);
    }
    Selecciona(s, ZapataSuperior, porArea(s.AsTalon));
    Selecciona(s, ZapataInferior, porArea(s.AsPunta));
    const float m = s.AsPunta > s.AsTalon ? s.AsPunta : s.AsTalon;
    Selecciona(s, ZapataTransversal, m < 12 ? 3 : 2);
    s.BarrasIniciadas = 1;
}

}  // namespace tarelvo
