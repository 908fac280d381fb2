// The bar choices and spacing boxes of the reinforcement form as inputs of the project: their
// names (the same in the project file, tarelvo-calc and the batch's columns), the texts of
// their values, the range of a spacing box, and how given choices reach the bar groups.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/bar_groups.h"

namespace tarelvo {

// DiamMuroIntVert ... DiamZapTransv, in the groups' order (GruposBarras::Grupo).
extern const std::array<const char*, GruposBarras::kGrupos> kNombresDiam;
// Separ1, Separ2, Separ3: the spacing boxes (GruposBarras::Caja).
extern const std::array<const char*, 3> kNombresSepar;

// The group a name gives the bar of, or -1.
int GrupoDeDiam(std::string_view nombre);
// The box a name gives the spacing of, or -1.
int CajaDeSepar(std::string_view nombre);

// A bar by its inch size: "1", "3/4", "1/2", "3/8" for list positions 0 to 3; -1 for any
// other text. DiamDePosicion gives nullptr for a position that is no bar of the table.
int PosicionDeDiam(std::string_view texto);
const char* DiamDePosicion(int posicion);
// "1, 3/4, 1/2 o 3/8": the values a bar choice takes, for messages.
extern const char* const kDiamValidos;

// The range of a spacing box, metres: closer bars cannot be concreted, wider ones leave the
// section without steel between them.
constexpr double kSeparMinima = 0.05;
constexpr double kSeparMaxima = 0.50;

// The text a spacing put into its box: "0.00" when that holds the number, else its shortest
// exact text ("0.125").
std::string TextoSeparacion(float separacion);

// Bar choices and spacings given by a project file or the tool. The spacings go into their
// boxes. When a bar is given the project counts as having its bars chosen (BarrasIniciadas),
// so the one-time preselection leaves them; a group without a given bar then gets the bar its
// list starts with. Nothing given changes nothing.
struct BarrasDadas {
    std::array<std::optional<int>, GruposBarras::kGrupos> diam;  // list positions 0 to 3
    std::array<std::optional<float>, 3> separ;                    // metres
    bool alguna() const;
};
void AplicaBarras(const BarrasDadas& b, ProjectState& s, GruposBarras& grupos);

}  // namespace tarelvo
