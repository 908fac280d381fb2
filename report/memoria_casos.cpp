#include "report/memoria_casos.h"

#include <cmath>

#include "common/number_text.h"
#include "engine/seismic.h"
#include "report/report_rows.h"

namespace tarelvo {

namespace {

QString N(double v, const char* patron = "0.00") {
    return QString::fromStdString(numtext::format(v, patron));
}

QStringList Dato(const char* caption, double valor, const char* unidad,
                 const char* patron = "0.00") {
    return {QString::fromUtf8(caption), N(valor, patron), QString::fromUtf8(unidad)};
}

// Demand over capacity as the static checks give it; "-" when there is no capacity.
QString Relacion(double demanda, double capacidad) {
    const double r = demanda / capacidad;
    return std::isfinite(r) ? N(r) : QStringLiteral("-");
}

QString Resultado(bool falla) { return falla ? kNoCumple : kCumple; }

// Wider than the static checks' table: its captions say "con sismo".
const QString kFormatoComprobacion = QStringLiteral("<_4500|>_1000|>_1300|>_800|^_1100");

}  // namespace

std::vector<TablaMemoria> TablasSismo(const ProjectState& s) {
    if (!(s.Kh > 0)) return {};
    constexpr double kGrados = 57.296;
    TablaMemoria fuerzas{
        QStringLiteral("Caso sísmico"),
        {},
        kFormatoTabla,
        {},
        {Dato("Coeficiente sísmico horizontal (Kh)", s.Kh, "", "0.000"),
         Dato("Coeficiente sísmico vertical (Kv)", s.Kv, "", "0.000"),
         Dato("Angulo sísmico ψ = atan(Kh / (1 − Kv))", s.Psi * kGrados, "Grados"),
         Dato("Coeficiente de empuje sísmico (KAE)", s.Kae, "", "0.000"),
         Dato("Incremento sísmico del empuje (ΔPAE)", s.DeltaPae, "t"),
         Dato("Altura de ΔPAE sobre la base (0.6 H)", s.BrazoDeltaPae, "m"),
         Dato("Inercia del muro", s.InerciaMuro, "t"),
         Dato("Inercia de la zapata", s.InerciaZap, "t"),
         Dato("Inercia del relleno sobre el talón", s.InerciaRell, "t"),
         Dato("Momento de las inercias", s.MomInercia, "t·m"),
         Dato("Fuerzas verticales con sismo", s.SumaVSismo, "t"),
         Dato("Momento resistente con sismo", s.MomEstabSismo, "t·m"),
         Dato("Momento de vuelco con sismo", s.MomVuelcoSismo, "t·m"),
         Dato("Fuerza de deslizamiento con sismo", s.EmpujeHSismo, "t"),
         Dato("Resistencia al deslizamiento con sismo", s.FuerzaResistSismo, "t")}};
    // Mononobe–Okabe's increment at 0.6 H (Seed and Whitman); every weight lightened by Kv.
    fuerzas.nota = QStringLiteral("Empuje de Mononobe-Okabe; las inercias actúan en el centro "
                                  "de cada masa y Kv reduce todos los pesos.");

    const FallasSismo f = EvaluaSismo(s);
    const double e = std::fabs(static_cast<double>(s.ExcentSismo));
    TablaMemoria checks{
        {},
        QStringLiteral("Comprobaciones con sismo (resultante dentro de B/3, presión admisible "
                       "× 1.33):"),
        kFormatoComprobacion,
        QStringLiteral("Comprobación|Calculado|Requerido|D/C|Resultado"),
        {{QStringLiteral("Factor de seguridad al vuelco con sismo"), N(s.FsVuelcoSismo),
          QStringLiteral("≥ ") + N(s.FsMinVuelcoSismo),
          Relacion(s.FsMinVuelcoSismo, s.FsVuelcoSismo), Resultado(f.vuelco)},
         {QStringLiteral("Factor de seguridad al deslizamiento con sismo"), N(s.FsDeslizSismo),
          QStringLiteral("≥ ") + N(s.FsMinDeslizSismo),
          Relacion(s.FsMinDeslizSismo, s.FsDeslizSismo), Resultado(f.desliz)},
         {QStringLiteral("Excentricidad con sismo (m)"), N(e, "0.000"),
          QStringLiteral("≤ B/3 = ") + N(s.Base3, "0.000"), Relacion(e, s.Base3),
          Resultado(f.excentricidad)},
         {QStringLiteral("Presión máxima con sismo (kg/cm2)"), N(s.PresMaxSismo / 10.0),
          QStringLiteral("≤ ") + N(s.PresAdmSismo / 10.0),
          Relacion(s.PresMaxSismo, s.PresAdmSismo), Resultado(f.presion)}}};
    // Beyond the base there is no pressure to compare: the eccentricity's row says why.
    if (!(e < s.Base / 2.0)) checks.filas[3][1] = checks.filas[3][3] = QStringLiteral("-");
    return {fuerzas, checks};
}

std::vector<QStringList> FilasAguaEmpuje(const ProjectState& s) {
    if (!(s.Hw > 0)) return {};
    return {Dato("Nivel del agua sobre la base (Hw)", s.Hw, "m"),
            Dato("Empuje perdido por el relleno sumergido", s.AlivioAgua, "t"),
            Dato("Empuje del agua (γw Hw² / 2)", s.EmpujeAgua, "t"),
            Dato("Altura del empuje del agua sobre la base", s.Hw / 3.0, "m"),
            Dato("Subpresión bajo la zapata", s.Subpresion, "t"),
            Dato("Brazo de la subpresión (2B/3)", 2.0 * s.Base / 3.0, "m")};
}

}  // namespace tarelvo
