// The values of the wall's diagrams: the lateral earth pressure on the heel plane, the soil
// pressure under the footing, and the factored shear and moment with the steel needed at the
// eleven stem sections. The sections come from the engine's own section procedure run on a
// copy of the state, so a diagram can never disagree with the check it illustrates.
#pragma once

#include <array>

#include "engine/project_state.h"
#include "engine/soil_contact.h"

namespace tarelvo {

struct SeccionDiagrama {
    float y = 0;            // depth below the stem top, m
    float espesor = 0;      // stem thickness, cm
    float cortante = 0;     // factored shear, t/m
    float cortanteAdm = 0;  // shear the section's depth admits, t/m (factored, as the check)
    float momento = 0;      // factored moment, t-m/m
    float acero = 0;        // steel area required, cm2/m
};

struct Diagramas {
    // Lateral earth pressure on the vertical plane through the heel end, t/m2, from the top
    // of the backfill (depth 0) to the underside of the footing (depth altTotal): a uniform
    // surcharge part and a backfill triangle.
    float altTotal = 0;
    float presSobrecarga = 0;   // Ka × Sobrec
    float presRellenoBase = 0;  // Gamma1 × AltTotal × Ka at the bottom
    float empuje = 0;           // Empuje, t/m
    float brazoEmp = 0;         // height of the thrust above the underside of the footing, m
    // Water behind the wall (Hw > 0): below the table, at depth altTotal − hw, the backfill
    // pushes with its submerged weight (presRellenoBase already counts it) and the water adds
    // γw z, up to presAguaBase at the bottom.
    float hw = 0;               // water table above the underside of the footing, m; 0: none
    float presRellenoNivel = 0; // the backfill's part at the water table, Ka γ1 (altTotal − hw)
    float presAguaBase = 0;     // γw hw
    float empujeAgua = 0;       // EmpujeAgua, t/m
    // The earthquake increment (Kh > 0): ΔPAE as a trapezoid from presSismoTope at depth 0 to
    // presSismoBase at the bottom, whose resultant acts at 0.6 altTotal above the bottom.
    float incrementoSismo = 0;  // DeltaPae, t/m
    float brazoSismo = 0;       // BrazoDeltaPae, m
    float presSismoTope = 0, presSismoBase = 0;
    // Passive pressure in front, t/m2, over altPasiva up from the bottom of the footing or key.
    bool pasiva = false;        // considered in the sliding check (it always counts the footing)
    float altPasiva = 0;
    float altLlave = 0;         // how far the key reaches below the footing; 0 without one
    float presPasivaTope = 0;   // 2 c √Kp at its top
    float presPasivaBase = 0;   // Gamma2 Kp h + 2 c √Kp at its bottom
    float empPasivo = 0;
    // Soil pressure under the footing, kg/cm2: toe and heel edge, admissible, never negative;
    // and how the footing bears: the whole base, part of it under a triangle, or none.
    float base = 0;
    float presPunta = 0, presTalon = 0, presAdm = 0;
    ApoyoZapata apoyo;
    // The eleven stem sections, from the top (0) to the base (10).
    std::array<SeccionDiagrama, 11> secciones;
};

// The diagrams of the state as the last check left it; `s` is not changed. A section the
// engine cannot compute throws EngineFault, as the check would have.
Diagramas CalculaDiagramas(const ProjectState& s);

}  // namespace tarelvo
