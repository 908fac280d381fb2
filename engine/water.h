// The water behind the wall (Hw > 0): its thrust, the submerged backfill, the uplift.
#pragma once

#include "engine/project_state.h"

namespace tarelvo {

constexpr double kGammaAgua = 1.0;  // t/m3

// After the dry forces, moments and eccentricity: the earth thrust below the water table with
// the submerged unit weight, the water's thrust and the uplift, and everything that follows
// from them. Nothing changes with Hw = 0. A water table above the virtual back is a fault.
void AplicaAgua(ProjectState& s);

// The depth of water above a stem section y metres below the stem's top.
double AguaSobreSeccion(const ProjectState& s, double y);

}  // namespace tarelvo
