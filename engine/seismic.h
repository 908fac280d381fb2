// The earthquake case (Kh > 0): Mononobe–Okabe's earth pressure on the virtual back, the
// inertia of the wall and of the soil over the heel, and the stability checks of that load
// case against their own limits.
#pragma once

#include "engine/project_state.h"

namespace tarelvo {

// Mononobe–Okabe's active coefficient for a vertical back, no wall friction, a backfill of
// friction angle phi sloping at beta, and the seismic angle psi (radians). The caller makes
// sure that phi − beta − psi is not negative.
double CoefMononobeOkabe(double phi, double beta, double psi);

// After the static check's pressures: every earthquake result, or all of them zero when Kh
// is 0. A seismic angle beyond the backfill's friction angle less its slope is a fault.
void CasoSismico(ProjectState& s);

// Which checks of the earthquake case fail (all false without one).
struct FallasSismo {
    bool vuelco = false, desliz = false, excentricidad = false, presion = false;
    bool alguna() const { return vuelco || desliz || excentricidad || presion; }
};
FallasSismo EvaluaSismo(const ProjectState& s);

}  // namespace tarelvo
