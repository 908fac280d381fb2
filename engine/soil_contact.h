// How the footing bears on the soil after a check, as every display shows it: the whole base
// under a trapezoid while the resultant is in the middle third; beyond it, a footing that
// cannot take tension bears only on part of its width under a triangle; with the resultant
// outside the base it does not bear at all. Pressures are never negative here.
#pragma once

#include <string>

#include "engine/project_state.h"

namespace tarelvo {

struct ApoyoZapata {
    enum class Tipo { Completo, Parcial, SinApoyo };
    Tipo tipo = Tipo::Completo;
    // The resultant's side: the contact starts at the toe edge (Excent > 0) or at the heel end.
    bool desdePunta = true;
    double contacto = 0;   // bearing length from that edge, m: Base, 3 (Base/2 − |Excent|), 0
    double presPunta = 0;  // soil pressure under the toe edge, t/m2
    double presTalon = 0;  // under the heel end, t/m2
    double baseEfec = 0;   // Base − 2 |Excent| for the bearing capacity, m
};

// From the state the check left: the pressures are the engine's PresMax and PresMin (which
// beyond the middle third are the triangle's peak 2 SumaV / (3 (Base/2 − |Excent|)) on the
// resultant's side and 0 on the other), never shown below 0.
ApoyoZapata ApoyoDe(const ProjectState& s);

// The sentence the report prints when the resultant leaves the middle third, with this wall's
// numbers; empty while it is inside.
std::string FraseApoyo(const ProjectState& s);

}  // namespace tarelvo
