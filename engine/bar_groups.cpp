#include "engine/bar_groups.h"

#include <cmath>

#include "common/number_text.h"
#include "engine/bar_spacing.h"
#include "engine/dmath.h"
#include "engine/reinforcement_layout.h"

namespace tarelvo {

// Nominal diameters of the ASTM A615 bars #8, #6, #4 and #3.
const std::array<Barra, 4> kBarras{{{"\xC3\xB8 1\"", 5.07, 2.54},
                                    {"\xC3\xB8 3/4\"", 2.85, 1.91},
                                    {"\xC3\xB8 1/2\"", 1.27, 1.27},
                                    {"\xC3\xB8 3/8\"", 0.71, 0.95}}};

const GruposBarras::Nombres& GruposBarras::Palabras(int grupo) {
    // The footing's main bars run across the wall, drawn as lines in its section; the
    // distribution bars of both its layers run along it, drawn as dots.
    static const Nombres kNombres[kGrupos] = {
        {"Muro", "cara interior", "vertical", "vert"},
        {"Muro", "cara interior", "horizontal", "hor"},
        {"Muro", "cara exterior", "vertical", "vert"},
        {"Muro", "cara exterior", "horizontal", "hor"},
        {"Zapata", "cara superior", "transversal", "trans"},
        {"Zapata", "cara inferior", "transversal", "trans"},
        {"Zapata", "ambas caras", "longitudinal", "long"}};
    return kNombres[grupo];
}

const char* GruposBarras::Nombre(int grupo) {
    static const std::array<std::string, kGrupos> kNombres = [] {
        std::array<std::string, kGrupos> n;
        for (int g = 0; g < kGrupos; ++g) {
            const Nombres& p = Palabras(g);
            n[g] = std::string(p.parte) + ", " + p.cara + ", " + p.direccion;
        }
        return n;
    }();
    return kNombres[grupo].c_str();
}

std::string GruposBarras::Llamada(int grupo, const std::string& etiqueta) {
    return etiqueta + " (" + Palabras(grupo).abreviatura + ")";
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

const Barra* GruposBarras::BarraDe(const std::string& etiqueta) {
    const std::size_t a = etiqueta.rfind(" a ");
    const std::string barra = a == std::string::npos ? etiqueta : etiqueta.substr(0, a);
    for (const Barra& b : kBarras)
        if (barra == b.texto) return &b;
    return nullptr;
}

double GruposBarras::AreaBarra(const std::string& etiqueta) {
    const Barra* b = BarraDe(etiqueta);
    return b ? b->area : std::nan("");
}

bool GruposBarras::SinEspacio(const std::string& etiqueta) {
    const Barra* b = BarraDe(etiqueta);
    const double sep = SeparacionDe(etiqueta);
    return b && sep > 0 && !CabeBarra(b->diametro, sep);
}

namespace {

// The state's variable holding a group's required area; `S` is the state, const or not.
template <class S>
auto& VariableArea(S& s, int grupo) {
    switch (grupo) {
        case GruposBarras::MuroInteriorVertical: return s.AsMuro;
        case GruposBarras::ZapataSuperior: return s.AsTalon;
        case GruposBarras::ZapataInferior: return s.AsPunta;
        case GruposBarras::ZapataLongitudinal: return s.AsRep2;
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
        case GruposBarras::ZapataLongitudinal: return 2.5f;
        default: return 2.0f;
    }
}

// The spacing a bar of `barra` cm2 gets for a required area, m: capped by the box `tope`, cut
// down to the centimetre the description shows, never rounded up (a wider spacing than the
// area allows would give the section less steel than it needs), and at least one centimetre.
double Separacion(double barra, double area, double tope) {
    double sep = barra / area;
    // A box that holds no positive number caps nothing.
    if (tope > 0 && sep > tope) sep = tope;
    sep = dmath::floor(sep * 100 + 1e-6) / 100;
    return sep >= 0.01 ? sep : 0.01;
}

}  // namespace

float GruposBarras::AreaRequerida(const ProjectState& s, int grupo) { return VariableArea(s, grupo); }

void GruposBarras::Recalcula(ProjectState& s, int grupo) {
    float& area = VariableArea(s, grupo);
    if (!(area > 0)) area = Minimo(grupo);
    if (grupo == MuroInteriorHorizontal && !(s.AsRep2 > 0)) s.AsRep2 = 2.5f;
    const int pos = posicion_[grupo];
    std::string& etiqueta = etiqueta_[grupo];
    if (pos < 0 || pos >= static_cast<int>(kBarras.size())) {
        etiqueta.clear();
    } else {
        const double sep = Separacion(kBarras[pos].area, area, numtext::read(separ_[Caja(grupo)]));
        etiqueta = texto_[grupo] + " a " + numtext::format(sep, "0.00");
    }
    const int bit = 1 << grupo;
    s.BarrasSinEspacio = static_cast<std::int16_t>(SinEspacio(etiqueta) ? s.BarrasSinEspacio | bit
                                                                        : s.BarrasSinEspacio & ~bit);
}

void GruposBarras::Selecciona(ProjectState& s, int grupo, int posicion) {
    if (posicion < 0 || posicion >= static_cast<int>(kBarras.size())) return;
    posicion_[grupo] = posicion;
    texto_[grupo] = kBarras[posicion].texto;
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
    // The bars are judged on the areas the layout step that follows gives them: its secondary
    // areas, and the minimums of the areas that are not positive.
    ProjectState t = s;
    AreasReparto(t);
    // The bar `posicion` or the first larger one whose bars leave their clear spacing; the bar
    // itself when none does.
    auto cabe = [&](int grupo, int posicion) {
        for (int p = posicion; p >= 0; --p) {
            const float area = VariableArea(t, grupo) > 0 ? VariableArea(t, grupo) : Minimo(grupo);
            const double sep = Separacion(kBarras[p].area, area, numtext::read(separ_[Caja(grupo)]));
            if (CabeBarra(kBarras[p].diametro, sep)) return p;
        }
        return posicion;
    };
    auto elige = [&](int grupo, int posicion) { Selecciona(s, grupo, cabe(grupo, posicion)); };
    auto porArea = [](float a) { return a >= 20 ? 0 : a >= 8 ? 1 : 2; };
    elige(MuroInteriorVertical, porArea(s.AsMuro));
    // The secondary stem bars are the smallest for a light stem; otherwise they keep their
    // bar, unless it cannot be placed.
    for (int grupo : {MuroInteriorHorizontal, MuroExteriorVertical, MuroExteriorHorizontal})
        elige(grupo, s.AsMuro < 8 ? 3 : posicion_[grupo]);
    elige(ZapataSuperior, porArea(s.AsTalon));
    elige(ZapataInferior, porArea(s.AsPunta));
    const float m = s.AsPunta > s.AsTalon ? s.AsPunta : s.AsTalon;
    elige(ZapataLongitudinal, m < 12 ? 3 : 2);
    s.BarrasIniciadas = 1;
}

}  // namespace tarelvo
