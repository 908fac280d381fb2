#include "engine/diagramas.h"

#include "engine/dmath.h"
#include "engine/engine.h"
#include "engine/water.h"

namespace tarelvo {

namespace {

// The factored shear at depth y below the stem top: the pressure trapezoid from the
// surcharge at the top to (y γ1 Ka + Ka q) cos β at the section, as the base shear is taken.
double CortanteSeccion(const ProjectState& s, double y) {
    const double pres = (y * s.Gamma1 * s.Ka + static_cast<double>(s.Ka) * s.Sobrec) *
                        dmath::cos(s.BetaRad);
    return static_cast<double>(s.FactCarga) * (pres + s.PresSobrec) * y / 2.0;
}

}  // namespace

Diagramas CalculaDiagramas(const ProjectState& s) {
    Diagramas d;
    d.altTotal = s.AltTotal;
    d.presSobrecarga = static_cast<float>(static_cast<double>(s.Ka) * s.Sobrec);
    d.presRellenoBase = static_cast<float>(static_cast<double>(s.Gamma1) * s.AltTotal * s.Ka);
    d.empuje = s.Empuje;
    d.brazoEmp = s.BrazoEmp;
    if (s.Hw > 0) {
        // The submerged backfill loses Ka γw z below the table, as AplicaAgua takes it.
        d.hw = s.Hw;
        const double nivel = static_cast<double>(s.AltTotal) - s.Hw;
        d.presRellenoNivel = static_cast<float>(static_cast<double>(s.Gamma1) * nivel * s.Ka);
        d.presRellenoBase = static_cast<float>(
            (static_cast<double>(s.Gamma1) * s.AltTotal - kGammaAgua * s.Hw) * s.Ka);
        d.presAguaBase = static_cast<float>(kGammaAgua * s.Hw);
        d.empujeAgua = s.EmpujeAgua;
    }
    if (s.Kh > 0 && s.AltTotal > 0) {
        // A linear pressure a at the top and b at the bottom acts (2a + b) / (a + b) × H/3
        // above the bottom; at 0.6 H that asks a = 4b, and a total of ΔPAE gives
        // a = 1.6 ΔPAE / H and b = 0.4 ΔPAE / H. The inverted triangle (b = 0) would act at
        // 2H/3, above the point Seed and Whitman give and the engine uses.
        d.incrementoSismo = s.DeltaPae;
        d.brazoSismo = s.BrazoDeltaPae;
        d.presSismoTope = static_cast<float>(1.6 * s.DeltaPae / s.AltTotal);
        d.presSismoBase = static_cast<float>(0.4 * s.DeltaPae / s.AltTotal);
    }

    d.pasiva = s.Pasiva > 0;
    d.altPasiva = s.AltPasiva;
    d.altLlave = s.ConDent != 0 ? s.AltDent : 0.0f;
    const double cohesion = 2.0 * s.Cohes * s.RaizKp;
    d.presPasivaTope = static_cast<float>(cohesion);
    d.presPasivaBase =
        static_cast<float>(static_cast<double>(s.Gamma2) * s.Kp * s.AltPasiva + cohesion);
    d.empPasivo = s.EmpPasivo;

    d.base = s.Base;
    d.apoyo = ApoyoDe(s);
    d.presPunta = static_cast<float>(d.apoyo.presPunta / 10.0);
    d.presTalon = static_cast<float>(d.apoyo.presTalon / 10.0);
    d.presAdm = static_cast<float>(s.PresAdm / 10.0);

    ProjectState copia = s;
    for (int sec = 0; sec <= 10; ++sec) {
        SeccionMuro(copia, sec);
        SeccionDiagrama& r = d.secciones[static_cast<std::size_t>(sec)];
        const double y = sec * static_cast<double>(s.DeltaH);
        r.y = static_cast<float>(y);
        r.espesor = copia.EspSecc;
        r.momento = copia.MomSeccActual;
        r.acero = copia.AsMuro;
        r.cortante = static_cast<float>(CortanteSeccion(s, y));
        // The stress check EsfCortMuro ≤ CortAdm, turned into a force on the section's depth.
        r.cortanteAdm = static_cast<float>(static_cast<double>(s.CortAdm) *
                                           (static_cast<double>(copia.EspSecc) - s.Recub) *
                                           s.FactCm / s.FactKg);
    }
    return d;
}

}  // namespace tarelvo
