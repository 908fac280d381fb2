#include "engine/diagramas.h"

#include "engine/dmath.h"
#include "engine/engine.h"

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
