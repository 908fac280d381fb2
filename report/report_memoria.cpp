#include "report/report_memoria.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/number_text.h"
#include "engine/bar_groups.h"
#include "engine/results_view.h"
#include "engine/soil_contact.h"
#include "report/calc_basis.h"
#include "report/memoria_casos.h"
#include "report/report_quantities.h"
#include "report/report_rows.h"

namespace tarelvo {

const QString kCumple = QStringLiteral("Cumple");
const QString kNoCumple = QStringLiteral("No cumple");

namespace {

const QString kFormatoFuerzas = QStringLiteral("<_3200|>_1200|>_1200|>_1600");
const QString kFormatoComprobacion = QStringLiteral("<_3400|>_1100|>_1300|>_900|^_1200");
// The first column holds the longest group name on one line.
const QString kFormatoAcero = QStringLiteral("<_3300|<_1500|>_1100|>_1100|>_900|^_1100");
const QString kFormatoCuantia = QStringLiteral("<_2700|>_1100|>_1100|>_1100|>_900|^_1100");

QString N(double v, const char* patron = "0.00") {
    return QString::fromStdString(numtext::format(v, patron));
}

QString Resultado(bool falla) { return falla ? kNoCumple : kCumple; }

// Demand over capacity, so that every check reads the same way: at most 1.00 passes. A factor
// of safety is put as its minimum over the value reached. "-" when there is no capacity.
QString Relacion(double demanda, double capacidad) {
    const double r = demanda / capacidad;
    if (!std::isfinite(r)) return QStringLiteral("-");
    return N(r);
}

QStringList Dato(const char* caption, double valor, const char* unidad,
                 const char* patron = "0.00") {
    return {QString::fromUtf8(caption), N(valor, patron), QString::fromUtf8(unidad)};
}

// The backfill's own horizontal thrust: the sliding force less the water's.
double EmpujeHRelleno(const ProjectState& s) {
    return s.Hw > 0 ? static_cast<double>(s.EmpujeH) - s.EmpujeAgua : s.EmpujeH;
}

TablaMemoria Empuje(const ProjectState& s) {
    TablaMemoria t{QStringLiteral("Empuje del relleno"),
                   {},
                   kFormatoTabla,
                   {},
                   {Dato("Coeficiente de empuje activo (Ka)", s.Ka, "", "0.000"),
                    Dato("Coeficiente de empuje pasivo (Kp)", s.Kp, ""),
                    Dato("Altura total del empuje", s.AltTotal, "m"),
                    Dato("Empuje total", s.Empuje, "t"),
                    Dato("Componente horizontal del empuje", EmpujeHRelleno(s), "t"),
                    Dato("Componente vertical del empuje", s.EmpujeV, "t"),
                    Dato("Altura del empuje sobre la base", s.BrazoEmp, "m")}};
    const std::vector<QStringList> agua = FilasAguaEmpuje(s);
    if (!agua.empty()) {
        t.nota = QStringLiteral("Bajo el nivel del agua el relleno empuja con su peso "
                                "sumergido; el empuje total ya lo descuenta.");
        t.filas.insert(t.filas.end(), agua.begin(), agua.end());
    }
    return t;
}

TablaMemoria PesosYMomentos(const ProjectState& s) {
    auto fila = [](const QString& caption, double fuerza, double brazo, double momento) {
        return QStringList{caption, N(fuerza), N(brazo), N(momento)};
    };
    // What each weight holds beyond the concrete, as the analysis counts it.
    const QString muro1 = s.Reac != 0 ? QStringLiteral("Muro: parte rectangular y carga axial")
                                      : QStringLiteral("Muro: parte rectangular");
    const QString muro2 = s.FormaMuro == 2
                              ? QStringLiteral("Muro: parte inclinada y relleno sobre ella")
                              : QStringLiteral("Muro: parte inclinada");
    const QString relleno = s.Sobrec != 0 ? QStringLiteral("Relleno y sobrecarga sobre el talón")
                                          : QStringLiteral("Relleno sobre el talón");
    // The analysis weighs the footing without its key.
    const QString nota = s.ConDent != 0 && s.AltDent > 0
                             ? QStringLiteral("Brazos medidos desde el extremo de la punta. El "
                                              "peso del dentellón no se cuenta.")
                             : QStringLiteral("Brazos medidos desde el extremo de la punta.");
    TablaMemoria t{QStringLiteral("Pesos y momentos"),
                   nota,
                   kFormatoFuerzas,
                   QStringLiteral("Elemento|Fuerza (t)|Brazo (m)|Momento (t·m)"),
                   {fila(muro1, s.PesoMuro1, s.BrazoMuro1, s.MomMuro1),
                    fila(muro2, s.PesoMuro2, s.BrazoMuro2, s.MomMuro2),
                    fila(relleno, s.PesoRell, s.BrazoRell, s.MomRell),
                    fila(QStringLiteral("Zapata"), s.PesoZap, s.BrazoZap, s.MomZap),
                    fila(QStringLiteral("Empuje vertical"), s.EmpujeV, s.BrazoEmpV, s.MomEmpV)}};
    if (!(s.Hw > 0)) {
        t.filas.push_back({QStringLiteral("Total resistente"), N(s.SumaV), QString(), N(s.MomEstab)});
        t.filas.push_back(fila(QStringLiteral("Empuje horizontal (vuelco)"), s.EmpujeH, s.BrazoEmp,
                               s.MomVuelco));
        return t;
    }
    // The water: the uplift takes from the vertical forces and its moment about the toe
    // overturns, as the water's thrust does (Das, 13.4).
    const double brazoSub = 2.0 * s.Base / 3.0;
    const double hRelleno = EmpujeHRelleno(s);
    t.nota += QStringLiteral(" La subpresión resta de las fuerzas verticales y su momento se "
                             "suma al de vuelco.");
    t.filas.push_back({QStringLiteral("Subpresión"), N(-static_cast<double>(s.Subpresion)),
                       QString(), QString()});
    t.filas.push_back({QStringLiteral("Total resistente"), N(s.SumaV), QString(), N(s.MomEstab)});
    t.filas.push_back(fila(QStringLiteral("Empuje horizontal del relleno"), hRelleno, s.BrazoEmp,
                           hRelleno * s.BrazoEmp));
    t.filas.push_back(fila(QStringLiteral("Empuje del agua"), s.EmpujeAgua, s.Hw / 3.0,
                           s.EmpujeAgua * s.Hw / 3.0));
    t.filas.push_back(fila(QStringLiteral("Subpresión (vuelco)"), s.Subpresion, brazoSub,
                           s.Subpresion * brazoSub));
    t.filas.push_back({QStringLiteral("Total de vuelco"), N(s.EmpujeH), QString(), N(s.MomVuelco)});
    return t;
}

std::vector<TablaMemoria> Estabilidad(const ProjectState& s, const FallasMuro& f) {
    // The minimums the verdict judged by: the project's method options.
    const QString minVuelco = QStringLiteral("≥ ") + N(f.minVuelco);
    const QString minDesliz = QStringLiteral("≥ ") + N(f.minDesliz);
    TablaMemoria checks{
        QStringLiteral("Estabilidad"),
        {},
        kFormatoComprobacion,
        QStringLiteral("Comprobación|Calculado|Requerido|D/C|Resultado"),
        {{QStringLiteral("Factor de seguridad al vuelco"), N(s.FsVuelco), minVuelco,
          Relacion(f.minVuelco, s.FsVuelco), Resultado(f.vuelco)},
         {QStringLiteral("Factor de seguridad al deslizamiento"), N(s.FsDesliz), minDesliz,
          Relacion(f.minDesliz, s.FsDesliz), Resultado(f.desliz)},
         // The middle third is left on either side: |e| against B/6.
         {QStringLiteral("Excentricidad de la resultante (m)"),
          N(std::fabs(static_cast<double>(s.Excent)), "0.000"),
          QStringLiteral("≤ B/6 = ") + N(s.Base6, "0.000"),
          Relacion(std::fabs(static_cast<double>(s.Excent)), s.Base6),
          Resultado(f.excentricidad)},
         {QStringLiteral("Presión máxima (kg/cm2)"),
          N(PresionMayor(s) / 10.0), QStringLiteral("≤ ") + N(s.PresAdm / 10.0),
          Relacion(PresionMayor(s), s.PresAdm), Resultado(f.presion)}}};
    checks.nota = QStringLiteral("D/C: demanda / capacidad; la comprobación cumple con D/C ≤ "
                                 "1.00. En un factor de seguridad, el mínimo / el calculado.");
    TablaMemoria desliz{{},
                        QStringLiteral("Fuerzas contra el deslizamiento:"),
                        kFormatoTabla,
                        {},
                        {Dato("Fricción en la base", s.FuerzaFric, "t"),
                         Dato("Cohesión en la base", s.FuerzaCohes, "t"),
                         Dato("Empuje pasivo", s.EmpPasivo, "t"),
                         Dato("Resistencia al deslizamiento", s.FuerzaResist, "t"),
                         Dato("Fuerza de deslizamiento", s.EmpujeH, "t")}};
    // A resultant outside the middle third: what it does to the footing's bearing.
    const std::string apoyo = FraseApoyo(s);
    if (!apoyo.empty()) checks.parrafos.push_back(QString::fromStdString(apoyo));
    return {checks, desliz};
}

TablaMemoria Capacidad(const ProjectState& s) {
    QStringList admisible;
    if (s.Padm > 0)
        admisible = Dato("Presión admisible dada", s.PresAdm / 10.0, "kg/cm2");
    else if (s.Cohes > 0)
        admisible = Dato("Presión admisible (capacidad / 3)", s.PresAdm / 10.0, "kg/cm2");
    else
        admisible = Dato("Presión admisible (capacidad / 2)", s.PresAdm / 10.0, "kg/cm2");
    return {QStringLiteral("Capacidad portante"),
            {},
            kFormatoTabla,
            {},
            {Dato("Factor de capacidad de carga Nc", s.Nc, ""),
             Dato("Factor de capacidad de carga Nq", s.Nq, ""),
             Dato("Factor de capacidad de carga Nγ", s.Ngamma, ""),
             Dato("Factor de inclinación iq", s.Iq, "", "0.000"),
             Dato("Factor de inclinación ic", s.Ic, "", "0.000"),
             Dato("Factor de inclinación iγ", s.Igamma, "", "0.000"),
             Dato("Factor de profundidad dc", s.Dc, "", "0.000"),
             Dato("Factor de profundidad dq", s.Dq, "", "0.000"),
             Dato("Ancho efectivo de la base (B - 2e)", ApoyoDe(s).baseEfec, "m"),
             Dato("Capacidad de carga", s.CapCarga / 10.0, "kg/cm2"),
             admisible}};
}

// The area the bars of a description give at its spacing, cm2/m; not a number when it names
// no bar of the table or no positive spacing.
double AreaColocada(const std::string& barra) {
    const double sep = GruposBarras::SeparacionDe(barra);
    if (!(sep > 0)) return std::nan("");
    return GruposBarras::AreaBarra(barra) / sep;
}

std::vector<TablaMemoria> Resistencia(const ProjectState& s, const FallasMuro& f,
                                      const std::array<std::string, GruposBarras::kGrupos>& barras) {
    TablaMemoria corte{QStringLiteral("Resistencia"),
                       {},
                       kFormatoComprobacion,
                       QStringLiteral("Comprobación|Calculado|Admisible|D/C|Resultado"),
                       {{QStringLiteral("Cortante en el muro (kg/cm2)"),
                         N(s.EsfCortMuro), N(s.CortAdm), Relacion(s.EsfCortMuro, s.CortAdm),
                         Resultado(f.corteMuro)},
                        {QStringLiteral("Cortante en la zapata (kg/cm2)"),
                         N(s.EsfCortZap), N(s.CortAdm), Relacion(s.EsfCortZap, s.CortAdm),
                         Resultado(f.corteZapata)}}};
    TablaMemoria acero{{},
                       QStringLiteral("Acero de refuerzo, en cm2 por metro:"),
                       kFormatoAcero,
                       QStringLiteral("Barras|Colocadas|Requerido|Colocado|D/C|Resultado"),
                       {}};
    for (int g = 0; g < GruposBarras::kGrupos; ++g) {
        const std::string& barra = barras[static_cast<std::size_t>(g)];
        const double requerida = GruposBarras::AreaRequerida(s, g);
        const double colocada = AreaColocada(barra);
        // Enough steel is no use in bars that leave no room for the concrete between them.
        const bool sinEspacio = (f.barras & (1 << g)) != 0 || GruposBarras::SinEspacio(barra);
        acero.filas.push_back({QString::fromUtf8(GruposBarras::Nombre(g)), QString::fromStdString(barra),
                               N(requerida), N(colocada), Relacion(requerida, colocada),
                               Resultado(!(colocada >= requerida) || sinEspacio)});
    }
    // The ratios the engine designed, against the bounds it holds them to.
    const QString maxima = s.CuantMax > 0 ? N(s.CuantMax, "0.0000") : QStringLiteral("-");
    auto cuantia = [&](const char* elemento, float valor, bool falla) {
        // The nearer bound governs: the minimum over the ratio, or the ratio over the maximum.
        double dc = static_cast<double>(s.CuantMin) / valor;
        if (s.CuantMax > 0) dc = std::max(dc, static_cast<double>(valor) / s.CuantMax);
        return QStringList{QString::fromUtf8(elemento), N(valor, "0.0000"),
                           N(s.CuantMin, "0.0000"), maxima,
                           Relacion(dc, 1.0), Resultado(falla)};
    };
    TablaMemoria cuantias{{},
                          QStringLiteral("Cuantía de acero (As / b·d):"),
                          kFormatoCuantia,
                          QStringLiteral("Elemento|Cuantía|Mínima|Máxima|D/C|Resultado"),
                          {cuantia("Muro, en la base", s.CuantMuro, f.cuantiaMuro),
                           cuantia("Punta", s.CuantPunta, f.cuantiaPunta),
                           cuantia("Talón", s.CuantTalon, f.cuantiaTalon)}};
    return {corte, cuantias, acero};
}

TablaMemoria Bases(const ProjectState& s) {
    TablaMemoria t{QStringLiteral("Bases de cálculo"), {}, {}, {}, {}};
    t.parrafos = BasesDeCalculo(s);
    return t;
}

}  // namespace

std::vector<TablaMemoria> TablasMemoria(
    const ProjectState& s, const std::array<std::string, GruposBarras::kGrupos>& barras) {
    const FallasMuro f = EvaluaFallas(s);
    std::vector<TablaMemoria> tablas{Bases(s), Empuje(s), PesosYMomentos(s)};
    for (TablaMemoria& t : Estabilidad(s, f)) tablas.push_back(std::move(t));
    for (TablaMemoria& t : TablasSismo(s)) tablas.push_back(std::move(t));
    tablas.push_back(Capacidad(s));
    for (TablaMemoria& t : Resistencia(s, f, barras)) tablas.push_back(std::move(t));
    for (TablaMemoria& t : TablasCantidades(s, barras)) tablas.push_back(std::move(t));
    return tablas;
}

QString CuerpoMemoria(const TablaMemoria& t) {
    QStringList filas;
    for (QStringList f : t.filas) {
        // A bar typed by hand may hold the table's own separators.
        for (QString& celda : f) celda.replace(QLatin1Char('|'), QLatin1Char('/')).replace(QLatin1Char(';'), QLatin1Char(','));
        filas.append(f.join(QLatin1Char('|')));
    }
    return filas.join(QLatin1Char(';'));
}

}  // namespace tarelvo
