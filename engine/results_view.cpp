#include "engine/results_view.h"
#include "engine/dmath.h"


#include "common/number_text.h"
#include "engine/bar_groups.h"
#include "engine/engine.h"
#include "engine/seismic.h"
#include "engine/stability_limits.h"

namespace tarelvo {

const char* const kMuroEstable = "MURO ESTABLE";
const char* const kMuroInestable = "MURO INESTABLE";
const char* const kMuroNoCumple = "NO CUMPLE";
const char* const kAvisoExcent =
    "La Resultante cae fuera del Tercio Medio de la Base (|Excent.| mayor que Base/6).";
const char* const kAvisoVuelco = "El Factor de Seguridad al Vuelco es menor que 1.50.";
const char* const kAvisoDesliz = "El Factor de Seguridad al Deslizamiento es menor que 1.50.";
const char* const kAvisoCorteMuro =
    "El Esfuerzo Cortante en el Muro es mayor que el Admisible. AUMENTE ESPESOR DE MURO.";
const char* const kAvisoCorteZapata =
    "El Esfuerzo Cortante en la Zapata es mayor que el Admisible.";
const char* const kAvisoPresion =
    "La Presion Maxima sobre el Terreno es mayor que la Admisible.";
const char* const kAvisoCuantiaMuro =
    "La Cuantia de Acero del Muro es mayor que la Maxima. AUMENTE ESPESOR DE MURO.";
const char* const kAvisoCuantiaPunta = "La Cuantia de Acero de la Punta es mayor que la Maxima.";
const char* const kAvisoCuantiaTalon = "La Cuantia de Acero del Talon es mayor que la Maxima.";
const char* const kAvisoSeccionPunta =
    "La Seccion de la Punta es insuficiente para su Momento. AUMENTE ALTURA DE ZAPATA.";
const char* const kAvisoSeccionTalon =
    "La Seccion del Talon es insuficiente para su Momento. AUMENTE ALTURA DE ZAPATA.";
const char* const kRecalcule = "RECALCULE!";
const char* const kAvisoVuelcoSismo =
    "El Factor de Seguridad al Vuelco con sismo es menor que 1.10.";
const char* const kAvisoDeslizSismo =
    "El Factor de Seguridad al Deslizamiento con sismo es menor que 1.10.";
const char* const kAvisoExcentSismo =
    "La Resultante con sismo cae fuera de los dos Tercios Medios de la Base (|Excent.| mayor "
    "que Base/3).";
const char* const kAvisoPresionSismo =
    "La Presion Maxima con sismo es mayor que 1.33 veces la Admisible.";

std::string AvisoBarras(int grupo) {
    return std::string("Las Barras de ") + GruposBarras::Nombre(grupo) +
           " no caben: separacion libre menor que su diametro y que 2.5 cm.";
}

std::string UnaLinea(const std::vector<std::string>& lineas) {
    std::string todas;
    for (const std::string& l : lineas) todas += (todas.empty() ? "" : " | ") + l;
    return todas;
}

bool FallaCorteMuro(const ProjectState& s) {
    const double exceso = static_cast<double>(s.EsfCortMuro) - s.CortAdm;
    return !(exceso <= 1e-5 * dmath::fabs(static_cast<double>(s.CortAdm)));
}

float PresionMayor(const ProjectState& s) {
    // A pressure that is not a number is the larger one: no check may pass on it.
    if (!(s.PresMin == s.PresMin)) return s.PresMin;
    return s.PresMin > s.PresMax ? s.PresMin : s.PresMax;
}

namespace {
// The warning of a factor of safety quotes the minimum in force.
std::string AvisoMinimo(const char* texto, float usual, float minimo) {
    std::string t = texto;
    const std::string de = numtext::format(usual, "0.00");
    if (minimo != usual) t.replace(t.find(de), de.size(), numtext::format(minimo, "0.00"));
    return t;
}

// A steel ratio above the maximum; no maximum computed yet means no check.
bool ExcedeCuantia(float cuantia, float maxima) { return maxima > 0 && !(cuantia <= maxima); }
}  // namespace

FallasMuro EvaluaFallas(const ProjectState& s) {
    FallasMuro f;
    f.excentricidad = !(dmath::fabs(static_cast<double>(s.Excent)) <= s.Base6);
    f.vuelco = !(s.FsVuelco >= s.FsMinVuelco);
    f.desliz = !(s.FsDesliz >= s.FsMinDesliz);
    f.minVuelco = s.FsMinVuelco;
    f.minDesliz = s.FsMinDesliz;
    f.corteMuro = FallaCorteMuro(s);
    f.corteZapata = !(s.EsfCortZap <= s.CortAdm);
    f.presion = !(PresionMayor(s) <= s.PresAdm);
    f.cuantiaMuro = ExcedeCuantia(s.CuantMuro, s.CuantMax);
    f.cuantiaPunta = ExcedeCuantia(s.CuantPunta, s.CuantMax);
    f.cuantiaTalon = ExcedeCuantia(s.CuantTalon, s.CuantMax);
    // Judged on the footing's last steel computation: SeccInsuf outlives the check that set it.
    f.seccionPunta = SeccionZapataInsuficiente(s, false);
    f.seccionTalon = SeccionZapataInsuficiente(s, true);
    f.cuantiaPunta = f.cuantiaPunta || f.seccionPunta;
    f.cuantiaTalon = f.cuantiaTalon || f.seccionTalon;
    f.barras = s.BarrasSinEspacio & ((1 << GruposBarras::kGrupos) - 1);
    // The bars of a part without a section are not the problem: its own warning says what is.
    if (f.seccionTalon) f.barras &= ~(1 << GruposBarras::ZapataSuperior);
    if (f.seccionPunta) f.barras &= ~(1 << GruposBarras::ZapataInferior);
    const FallasSismo sismo = EvaluaSismo(s);
    f.vuelcoSismo = sismo.vuelco;
    f.deslizSismo = sismo.desliz;
    f.excentSismo = sismo.excentricidad;
    f.presionSismo = sismo.presion;
    f.minVuelcoSismo = s.FsMinVuelcoSismo;
    f.minDeslizSismo = s.FsMinDeslizSismo;
    return f;
}

std::vector<std::string> AvisosDe(const FallasMuro& f) {
    std::vector<std::string> a;
    if (f.excentricidad) a.push_back(kAvisoExcent);
    if (f.vuelco) a.push_back(AvisoMinimo(kAvisoVuelco, kFsMinVuelco, f.minVuelco));
    if (f.desliz) a.push_back(AvisoMinimo(kAvisoDesliz, kFsMinDesliz, f.minDesliz));
    if (f.corteMuro) a.push_back(kAvisoCorteMuro);
    if (f.corteZapata) a.push_back(kAvisoCorteZapata);
    if (f.presion) a.push_back(kAvisoPresion);
    if (f.cuantiaMuro) a.push_back(kAvisoCuantiaMuro);
    if (f.cuantiaPunta) a.push_back(f.seccionPunta ? kAvisoSeccionPunta : kAvisoCuantiaPunta);
    if (f.cuantiaTalon) a.push_back(f.seccionTalon ? kAvisoSeccionTalon : kAvisoCuantiaTalon);
    for (int g = 0; g < GruposBarras::kGrupos; ++g)
        if (f.barras & (1 << g)) a.push_back(AvisoBarras(g));
    if (f.vuelcoSismo) a.push_back(AvisoMinimo(kAvisoVuelcoSismo, 1.1f, f.minVuelcoSismo));
    if (f.deslizSismo) a.push_back(AvisoMinimo(kAvisoDeslizSismo, 1.1f, f.minDeslizSismo));
    if (f.excentSismo) a.push_back(kAvisoExcentSismo);
    if (f.presionSismo) a.push_back(kAvisoPresionSismo);
    return a;
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
    v.sismo = {{{"FsVuelcoSismo", "Vuelco sismo", "", false},
                {"FsDeslizSismo", "Desliz sismo", "", false}}};
    v.conSismo = s.Kh > 0;

    v.values[kExcent].text = numtext::format(s.Excent, "0.000");
    v.values[kBase6].text = numtext::format(s.Base6, "0.000");

    const FallasMuro falla = EvaluaFallas(s);
    const bool estable = !falla.excentricidad;
    if (!estable) {
        v.verdict = kMuroInestable;
        v.verdictRed = true;
        v.values[kExcent].red = true;
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
        v.verdict = falla.alguna() ? kMuroNoCumple : kMuroEstable;
        v.verdictRed = falla.alguna();
        v.values[kFsVuelco].red = falla.vuelco;
        v.values[kFsDesliz].red = falla.desliz;
        if (v.conSismo) {
            v.sismo[0].text = numtext::format(s.FsVuelcoSismo, "0.00");
            v.sismo[1].text = numtext::format(s.FsDeslizSismo, "0.00");
            v.sismo[0].red = falla.vuelcoSismo;
            v.sismo[1].red = falla.deslizSismo;
        }
        v.values[kCortMuro].red = falla.corteMuro;
        v.values[kCortBase].red = falla.corteZapata;
        v.values[kPresMax].red = falla.presion;
    }
    // A wall fixed by hand must be checkable again, whatever the last verdict was; and the
    // record of a failing wall can be printed, drawn and reinforced as well as a sound one.
    v.chequeo = true;
    v.preview = v.refuerzo = v.diag = true;
    v.calculo = falla.alguna();
    v.avisos = AvisosDe(falla);
    if (!v.avisos.empty()) {
        for (const std::string& a : v.avisos) v.warning += a + "\n";
        v.warning += kRecalcule;
        v.warningVisible = true;
    }
    return v;
}

}  // namespace tarelvo
