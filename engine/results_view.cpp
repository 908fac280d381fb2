#include "engine/results_view.h"
#include "engine/dmath.h"


#include "common/number_text.h"
#include "engine/stability_limits.h"

namespace tarelvo {

const char* const kMuroEstable = "MURO ESTABLE";
const char* const kMuroInestable = "MURO INESTABLE";
const char* const kAvisoCorteMuro =
    "El Esfuerzo Cortante en el Muro es mayor que el Admisible. AUMENTE ESPESOR DE MURO Y "
    "RECALCULE!";
const char* const kAvisoCorteZapata =
    "El Esfuerzo Cortante en la Zapata es mayor que el Admisible. RECALCULE!";
const char* const kAvisoVuelco =
    "El Factor de Seguridad al Vuelco es menor que 1.50. RECALCULE!";
const char* const kAvisoDesliz =
    "El Factor de Seguridad al Deslizamiento es menor que 1.50. RECALCULE!";
const char* const kAvisoPresion =
    "La Presion Maxima sobre el Terreno es mayor que la Admisible. RECALCULE!";

bool FallaCorteMuro(const ProjectState& s) {
    const double exceso = static_cast<double>(s.EsfCortMuro) - s.CortAdm;
    return !(exceso <= 1e-5 * dmath::fabs(static_cast<double>(s.CortAdm)));
}

float PresionMayor(const ProjectState& s) {
    // A pressure that is not a number is the larger one: no check may pass on it.
    if (!(s.PresMin == s.PresMin)) return s.PresMin;
    return s.PresMin > s.PresMax ? s.PresMin : s.PresMax;
}

FallasMuro EvaluaFallas(const ProjectState& s) {
    FallasMuro f;
    f.excentricidad = !(s.Excent <= s.Base6);
    f.vuelco = !(s.FsVuelco >= kFsMinVuelco);
    f.desliz = !(s.FsDesliz >= kFsMinDesliz);
    f.corteMuro = FallaCorteMuro(s);
    f.corteZapata = !(s.EsfCortZap <= s.CortAdm);
    f.presion = !(PresionMayor(s) <= s.PresAdm);
    return f;
}

namespace {
enum { kExcent, kBase6, kFsVuelco, kFsDesliz, kCortMuro, kCortBase, kCortAdm, kPresMax,
       kPresMin, kPresAdm };
}

ResultsView EvaluaResultados(const ProjectState& s) {
    ResultsView v;
    v.values = {{{"Label30", "Excent.", "", false},
                 {"Label31", "Base/6", "", false},
                 {"Label18", "FS vuelco", "", false},
                 {"Label25", "FS desliz", "", false},
                 {"Label27", "Cort en Muro", "", false},
                 {"Label9", "Cort en Base", "", false},
                 {"Label28", "Cortante Admis.", "", false},
                 {"Label10", " Presion Maxima", "", false},
                 {"Label32", "Presion Minima", "", false},
                 {"Label8", "Presion Admis.", "", false}}};

    v.preview = v.refuerzo = v.diag = true;
    v.values[kExcent].text = numtext::format(s.Excent, "0.000");
    v.values[kBase6].text = numtext::format(s.Base6, "0.000");

    const FallasMuro falla = EvaluaFallas(s);
    const bool estable = !falla.excentricidad;
    if (!estable) {
        v.verdict = kMuroInestable;
        v.verdictRed = true;
        v.values[kExcent].red = true;
        v.calculo = true;
        v.preview = v.refuerzo = v.diag = false;
    } else {
        const float mayor = PresionMayor(s);
        const float menor = s.PresMin > s.PresMax ? s.PresMax : s.PresMin;
        v.values[kFsVuelco].text = numtext::format(s.FsVuelco, "0.00");
        v.values[kFsDesliz].text = numtext::format(s.FsDesliz, "0.00");
        v.values[kCortMuro].text = numtext::format(s.EsfCortMuro, "0.00");
        v.values[kCortBase].text = numtext::format(s.EsfCortZap, "0.00");
        v.values[kCortAdm].text = numtext::format(s.CortAdm, "0.00");
        v.values[kPresMax].text = numtext::format(mayor / 10.0, "0.00");
        v.values[kPresMin].text = numtext::format(menor / 10.0, "0.00");
        v.values[kPresAdm].text = numtext::format(s.PresAdm / 10.0, "0.00");
        v.verdict = kMuroEstable;
    }
    // A wall fixed by hand must be checkable again, whatever the last verdict was.
    v.chequeo = true;

    // A later warning overwrites the text of an earlier one; every failing value stays red.
    auto aviso = [&](int valor, const char* texto) {
        v.calculo = true;
        v.preview = v.refuerzo = v.diag = false;
        v.values[valor].red = true;
        v.avisos.push_back(texto);
        if (estable) {
            v.warning = texto;
            v.warningVisible = true;
        }
    };
    // The factors of safety come first, so that the texts of the other checks win when
    // those fail too.
    if (estable && falla.vuelco) aviso(kFsVuelco, kAvisoVuelco);
    if (estable && falla.desliz) aviso(kFsDesliz, kAvisoDesliz);
    if (falla.corteMuro) aviso(kCortMuro, kAvisoCorteMuro);
    if (falla.corteZapata) aviso(kCortBase, kAvisoCorteZapata);
    if (estable && falla.presion) aviso(kPresMax, kAvisoPresion);
    return v;
}

}  // namespace tarelvo
