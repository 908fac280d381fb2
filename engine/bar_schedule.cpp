#include "engine/bar_schedule.h"

#include <cmath>

#include "engine/analysed_wall.h"
#include "engine/wall_quantities.h"

namespace tarelvo {

namespace {

bool ConDentellon(const ProjectState& s) { return s.ConDent != 0 && s.AltDent > 0; }

}  // namespace

const char* MarcaGrupo(int grupo) {
    static const char* const kMarcas[GruposBarras::kGrupos] = {"M1", "M2", "M3", "M4",
                                                                "Z1", "Z2", "Z3"};
    return grupo >= 0 && grupo < GruposBarras::kGrupos ? kMarcas[grupo] : "";
}

namespace {

using Posiciones = std::array<int, GruposBarras::kGrupos>;
using Etiquetas = std::array<std::string, GruposBarras::kGrupos>;

std::vector<FilaPlanilla> Planilla(const ProjectState& s, const Posiciones& posiciones,
                                   const Etiquetas& etiquetas) {
    using G = GruposBarras;
    const MuroAnalizado m = MuroDeAnalisis(s);
    const double altura = s.Altura, zapata = m.zapata;
    std::vector<FilaPlanilla> filas;
    for (int grupo = 0; grupo < G::kGrupos; ++grupo) {
        const int pos = posiciones[static_cast<std::size_t>(grupo)];
        const double sep = G::SeparacionDe(etiquetas[static_cast<std::size_t>(grupo)]);
        if (pos < 0 || pos >= static_cast<int>(kBarras.size()) || !(sep > 0) || !std::isfinite(sep))
            continue;
        FilaPlanilla f;
        f.marca = MarcaGrupo(grupo);
        f.elemento = G::Nombre(grupo);
        f.barra = kBarras[static_cast<std::size_t>(pos)].texto;
        f.separacion = sep;
        switch (grupo) {
            case G::MuroInteriorVertical:
            case G::MuroExteriorVertical:
                f.largo = altura + s.AltZap;
                if (grupo == G::MuroExteriorVertical && ConDentellon(s))
                    f.largo += 2.0 * s.AltDent + s.AnchDent;
                f.cantidad = 1 / sep;
                break;
            case G::MuroInteriorHorizontal:
            case G::MuroExteriorHorizontal:
                f.largo = 1;
                f.cantidad = altura / sep;
                break;
            case G::ZapataSuperior:
            case G::ZapataInferior:
                f.largo = zapata;
                f.cantidad = 1 / sep;
                break;
            default:  // distribution bars along the wall, top and bottom layers
                f.largo = 1;
                f.cantidad = 2 * zapata / sep;
                break;
        }
        f.kg = kBarras[static_cast<std::size_t>(pos)].area * kKgPorMetroYCm2 * f.largo * f.cantidad;
        filas.push_back(f);
    }
    if (ConDentellon(s)) {
        FilaPlanilla f;
        f.marca = "D1";
        f.elemento = "Dentellón, a lo largo del muro";
        f.barra = kBarras[3].texto;
        f.largo = 1;
        f.cantidad = 2;
        f.kg = 2 * kBarras[3].area * kKgPorMetroYCm2;
        filas.push_back(f);
    }
    return filas;
}

}  // namespace

std::vector<FilaPlanilla> PlanillaArmaduras(const ProjectState& s, const GruposBarras& g) {
    Posiciones posiciones{};
    Etiquetas etiquetas;
    for (int grupo = 0; grupo < GruposBarras::kGrupos; ++grupo) {
        posiciones[static_cast<std::size_t>(grupo)] = g.posicion(grupo);
        etiquetas[static_cast<std::size_t>(grupo)] = g.etiqueta(grupo);
    }
    return Planilla(s, posiciones, etiquetas);
}

std::vector<FilaPlanilla> PlanillaArmaduras(const ProjectState& s, const Etiquetas& etiquetas) {
    Posiciones posiciones{};
    for (int grupo = 0; grupo < GruposBarras::kGrupos; ++grupo) {
        const Barra* b = GruposBarras::BarraDe(etiquetas[static_cast<std::size_t>(grupo)]);
        posiciones[static_cast<std::size_t>(grupo)] =
            b ? static_cast<int>(b - kBarras.data()) : -1;
    }
    return Planilla(s, posiciones, etiquetas);
}

}  // namespace tarelvo
