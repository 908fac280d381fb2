#include "report/calc_basis.h"

#include <cmath>

#include <QStringList>

#include "common/number_text.h"
#include "drawing/wall_sheet.h"

namespace tarelvo {

namespace {

QString N(double v, const char* patron = "0.00") {
    return QString::fromStdString(numtext::format(v, patron));
}

// Rankine's active pressure for a sloping backfill; the backfill's cohesion lowers Ka by
// 2 c √Ka / (γ h) over the height of the stem and footing (stem.cpp, CalculaMuro).
QString Empuje(const ProjectState& s) {
    QString t = "Empuje del relleno: teoría de Rankine sobre el plano vertical que pasa por el "
                "extremo del talón, con el talud del relleno (β = " +
                N(s.Beta) + "°, φ = " + N(s.Phi1) + "°): Ka = " + N(s.Ka, "0.000") +
                ". La sobrecarga actúa como una presión uniforme Ka·q y el empuje se inclina "
                "con el talud.";
    if (s.Cohes1 > 0)
        t += " La cohesión del relleno (c = " + N(s.Cohes1) +
             " t/m2) reduce Ka en 2·c·√Ka / (γ·h), con h la altura del muro más la zapata.";
    return t;
}

// Hansen's general equation for a strip footing on B' = B - 2|e| (bearing.cpp,
// CalculaPresiones); the admissible pressure is the user's when given, else the capacity over
// the factor of the options, or over 3 with cohesion and 2 without.
QString Capacidad(const ProjectState& s) {
    QString t = "Capacidad portante: ecuación general de Hansen para zapata corrida, con "
                "factores de inclinación y de profundidad sobre el ancho efectivo "
                "B' = B - 2|e|, sin factores de forma: Nc = " +
                N(s.Nc) + ", Nq = " + N(s.Nq) + ", Nγ = " + N(s.Ngamma) + ". ";
    const QString regla =
        s.FsCapacidad > 0
            ? "factor de seguridad de la capacidad " + N(s.FsCapacidad) + " (opción de cálculo)"
            : QStringLiteral("factor de seguridad de la capacidad 3 con cohesión y 2 sin "
                             "cohesión");
    if (s.Padm > 0)
        t += "Presión admisible dada: " + N(s.PresAdm / 10.0) +
             " kg/cm2; la capacidad calculada no se usa (" + regla + ").";
    else if (s.FsCapacidad > 0)
        t += "Presión admisible: la capacidad entre " + N(s.FsCapacidad) +
             ", factor de seguridad de la opción de cálculo, " + N(s.PresAdm / 10.0) +
             " kg/cm2.";
    else if (s.Cohes > 0)
        t += "Presión admisible: la capacidad entre 3, por la cohesión del suelo, " +
             N(s.PresAdm / 10.0) + " kg/cm2.";
    else
        t += "Presión admisible: la capacidad entre 2, suelo sin cohesión, " +
             N(s.PresAdm / 10.0) + " kg/cm2.";
    return t;
}

// The base friction of the options (sliding.cpp, CoefFriccion): tan φ of the foundation soil,
// tan(2φ/3) (Das, Principles of Foundation Engineering, 13.7) or the engineer's μ.
QString Friccion(const ProjectState& s) {
    const double phi = static_cast<double>(s.Phi2Rad);
    switch (s.Friccion) {
        case 1:
            return "V·tan(2φ/3) del suelo de fundación (tan " + N(2.0 * s.Phi2 / 3.0) + "° = " +
                   N(std::tan(2.0 * phi / 3.0), "0.000") + ")";
        case 2:
            return "V·μ con el coeficiente de fricción dado μ = " + N(s.Mu, "0.000");
        default:
            return "V·tan φ del suelo de fundación (tan " + N(s.Phi2) + "° = " +
                   N(std::tan(phi), "0.000") + ")";
    }
}

// Friction, adhesion on two thirds of the cohesion and Rankine's passive pressure on AltPasiva
// (sliding.cpp, ChequeaDesliz): with the soil above the footing neglected the footing's own
// face and the key still resist; the option "No considerar" drops the passive pressure.
QString Deslizamiento(const ProjectState& s) {
    const bool llave = s.ConDent != 0 && s.AltDent > 0;
    QString t = "Deslizamiento: fricción en la base " + Friccion(s) +
                ", adherencia de 2/3 de la cohesión (" + N(0.667 * s.Cohes) +
                " t/m2) sobre el ancho de la base";
    if (s.PasivaFrente == 0)
        return t + ". Presión pasiva frente a la zapata: \"No considerar\" (opción de cálculo), "
                   "no se cuenta ninguna resistencia pasiva.";
    t += ", y empuje pasivo de Rankine (Kp = " + N(s.Kp) +
         ") 0.5·γ·Kp·h² + 2·c·√Kp·h sobre h = " + N(s.AltPasiva) + " m. ";
    const QString caras = llave ? QStringLiteral("de la zapata y del dentellón")
                                : QStringLiteral("de la zapata");
    if (s.Pasiva > 0)
        t += "Presión pasiva \"Considerada\": desde el terreno frente a la punta "
             "(profundidad de desplante " + N(s.Dsz) + " m) hasta el fondo " + caras + ".";
    else
        t += "Presión pasiva \"Despreciada\": no se cuenta el suelo sobre la zapata, pero sí la "
             "presión pasiva sobre la cara " + caras + ".";
    return t;
}

// stem.cpp and footing.cpp: the load factor on every design moment and shear, 0.9 on flexure,
// the admissible shear 0.85 · 0.53 √F'c, depths of h - 5 cm (stem flexure) and h - Recub.
// The bar offset is the one the construction drawing uses.
QString Estructura(const ProjectState& s) {
    return "Estructura: peso unitario del hormigón " + N(s.GammaC) +
           " t/m3; factor de carga " + N(s.FactCarga) +
           " sobre los momentos y cortantes de diseño; factor de reducción 0.90 en flexión. "
           "Cortante: el esfuerzo último " + N(s.FactCarga) +
           "·V / (b·d) se compara con 0.85·0.53·√F'c = " + N(s.CortAdm) +
           " kg/cm2. Peralte efectivo: h - 5 cm en el muro para la flexión y h - " +
           N(s.Recub, "0") +
           " cm para su cortante y para la zapata. El dibujo del muro coloca el eje de las "
           "barras a " + N(100.0 * EjeBarrasDesdeCara(s.AltZap), "0") + " cm de las caras.";
}

QString Requisitos(const ProjectState& s) {
    QString maxima = QStringLiteral("0.75·ρb");
    if (s.CuantMax > 0) {
        maxima += " = " + N(s.CuantMax, "0.0000");
        if (s.Beta1 > 0) maxima += " (β1 = " + N(s.Beta1, "0.000") + ")";
    }
    QString t = "Requisitos: factores de seguridad de al menos " + N(s.FsMinVuelco) +
                " al vuelco y " + N(s.FsMinDesliz) + " al deslizamiento";
    if (s.Kh > 0)
        t += " (con sismo, " + N(s.FsMinVuelcoSismo) + " y " + N(s.FsMinDeslizSismo) + ")";
    return t +
           "; la resultante dentro del tercio medio (|e| ≤ B/6); presión "
           "máxima y esfuerzos cortantes no mayores que los admisibles; cuantía de acero no "
           "menor que ρmin = " + N(s.CuantMin, "0.0000") +
           " (un acero menor se aumenta hasta ella) ni mayor que ρmax = " + maxima +
           "; separación libre entre barras no menor que el mayor entre su diámetro y 2.5 cm.";
}

// The earthquake and the water of the options, stated only when the wall has them.
QString SismoYAgua(const ProjectState& s) {
    QString t;
    if (s.Kh > 0)
        t += "Sismo: caso de carga con coeficiente sísmico horizontal kh = " + N(s.Kh, "0.000") +
             " y vertical kv = " + N(s.Kv, "0.000") + ". ";
    if (s.Hw > 0)
        t += "Agua detrás del muro: nivel freático a hw = " + N(s.Hw) +
             " m sobre el fondo de la zapata (relleno no drenado).";
    return t.trimmed();
}

QString NoConsiderado(const ProjectState& s) {
    QStringList no{QStringLiteral("el peso del suelo sobre la punta"),
                   QStringLiteral("el peso del dentellón")};
    if (s.Hw <= 0) no << QStringLiteral("el agua (empuje hidrostático y subpresión)");
    if (s.Kh <= 0) no << QStringLiteral("las cargas sísmicas");
    return "No se consideran: " + no.join(QStringLiteral(", ")) +
           " ni la estabilidad global del terreno.";
}

}  // namespace

std::vector<QString> BasesDeCalculo(const ProjectState& s) {
    std::vector<QString> v{Empuje(s), Capacidad(s), Deslizamiento(s), Estructura(s),
                           Requisitos(s)};
    if (QString sa = SismoYAgua(s); !sa.isEmpty()) v.push_back(sa);
    v.push_back(NoConsiderado(s));
    return v;
}

}  // namespace tarelvo
