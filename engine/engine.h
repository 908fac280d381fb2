// The analysis procedures. Each reads the project state, recomputes all of its outputs and
// stores them; a floating-point fault throws EngineFault and leaves what was stored before it.
#pragma once

#include <string>

#include "engine/engine_fault.h"
#include "engine/project_state.h"
#include "engine/window_link.h"

namespace tarelvo {

// The default project: constants, inputs and options to their defaults.
void DatosIniciales(ProjectState& s);

// Angles, active coefficient, stem thickness from shear, stem shear stress and the
// eleven-section stem reinforcement loop. Resets Contador to 1.
void CalculaMuro(ProjectState& s, const WindowInputs& w);

// One section of the stem reinforcement loop: section 0 is the stem top, 10 the base.
void SeccionMuro(ProjectState& s, int seccion);

// With "Centrica" selected, centres the stem on the footing before anything is computed from
// it: toe and heel take half of their sum, rounded up to the centimetre the fields show.
// Returns that text for the Punta and Talon fields, or an empty text when nothing changed.
std::string CentraZapata(ProjectState& s, const WindowInputs& w);

// Thrust, weights, lever arms, overturning, eccentricity and footing width.
void CalculaFuerzas(ProjectState& s, const WindowInputs& w);

// The friction coefficient under the footing: tan φ of the foundation soil, tan(2φ/3), or the
// coefficient the engineer gives, as the option Friccion says.
double CoefFriccion(const ProjectState& s);

// Passive resistance in front of the wall, then the factor of safety against sliding.
void ChequeaDesliz(ProjectState& s);

// Bearing capacity, admissible pressure and the soil pressures under toe and heel.
void CalculaPresiones(ProjectState& s);

// Toe and heel shears and moments at the stem faces, and the footing shear stress.
void CalculaZapata(ProjectState& s);
// Lower bounds of the toe and heel moments.
void MinimosZapata(ProjectState& s);
void AjustaMomentos(ProjectState& s);
// Toe and heel steel; sets SeccInsuf when the footing depth cannot carry the moments.
void RefuerzoZapata(ProjectState& s);
// Whether the footing's depth cannot carry the toe's (or the heel's) moment: no steel area
// solves the section's equation. Read after RefuerzoZapata.
bool SeccionZapataInsuficiente(const ProjectState& s, bool talon);

// The full check, in its binding order, ending with the publication of the results. A centred
// footing is centred first and written back to its fields, so the results describe the
// footing on screen.
void ChequeaMuro(ProjectState& s, const WindowInputs& w, ResultsPublisher& out);

// Far more passes than any real wall needs: the design stops with an error beyond it.
constexpr long kMaxPasosDiseno = 200000;

// The footing design loop: lengthens toe and heel and thickens the footing in 5 cm steps
// until the wall passes: resultant in the middle third, both soil pressures admissible, the
// minimum factors of safety against overturning and sliding, footing shear and depth.
// A toe or heel whose steel ratio exceeds the maximum is thickened as one that cannot carry
// its moment. Returns the number of passes. Stops with a fault when the footing would have to
// grow wider than five times the height of the wall with its starting footing, thicker than
// the larger of the height and the starting thickness, or beyond what its fields hold. A
// thickening takes the foundation depth with it when it would fall below the footing's top.
// `altZapInicial` is the thickness the design started from (0: the current one).
long CalculaBase(ProjectState& s, const WindowInputs& w, ResultsPublisher& out,
                 long maxPasos = kMaxPasosDiseno, float altZapInicial = 0);

// What the "&Calculo" button runs before its check: the footing design, then the new
// footing written into the fields (and the foundation depth, when the footing outgrew it),
// then the schematic re-aligned. The fields hold two
// decimals: the design goes on from what they show until that footing is itself accepted.
void Calcular(ProjectState& s, const WindowInputs& w, ResultsPublisher& out);

}  // namespace tarelvo
