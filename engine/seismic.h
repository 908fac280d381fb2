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

// The seismic angle and Mononobe–Okabe's coefficients, from the angles CalculaMuro has just
// computed; zero without an earthquake. A seismic angle beyond the backfill's friction angle
// less its slope is a fault.
void CoeficientesSismicos(ProjectState& s);

// The earthquake increment of the earth pressure per unit of (½ γ h² + q h): (1 − kv) KAE − KA.
double IncrementoSismico(const ProjectState& s);

// The design moment (t-m, factored) of a stem section y metres below the top whose static
// factored moment is `momEstatico`: the larger of it and 1.25 × the static moment plus the
// earthquake increment of the soil above the section (at 0.6 y) and the inertia of the stem
// above it. `tope` and `seccion` are the stem thicknesses (m) at the top and at the section.
double MomentoSismicoMuro(const ProjectState& s, double y, double momEstatico, double tope,
                          double seccion);

// The same for the shear (t, factored) at that section.
double CortanteSismicoMuro(const ProjectState& s, double y, double cortEstatico, double tope,
                           double seccion);

// After the static toe and heel (CalculaZapata): with an earthquake, the toe and heel moments
// and shears and the footing's shear stress become the larger of the static ones and 1.25 ×
// the static ones plus the increment the earthquake's soil pressure brings.
void ZapataConSismo(ProjectState& s);

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
