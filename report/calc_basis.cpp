#include "report/calc_basis.h"

#include <cmath>

#include "common/number_text.h"
#include "engine/stability_limits.h"

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
             " To/m2) reduce Ka en 2·c·√Ka / (γ·h), con h la altura del muro más la zapata.";
    return t;
}

// Hansen's general equation for a strip footing on B' = B - 2|e| (bearing.cpp,
// CalculaPresiones); the admissible pressure is the user's when given.
QString Capacidad(const ProjectState& s) {
    QString t = "Capacidad portante: ecuación general de Hansen para zapata corrida, con "
                "factores de inclinación y de profundidad sobre el ancho efectivo "
                "B' = B - 2|e|, sin factores de forma: Nc = " +
                N(s.Nc) + ", Nq = " + N(s.Nq) + ", Nγ = " + N(s.Ngamma) + ". ";
    if (s.Padm > 0)
        t += "Presión admisible dada: " + N(s.PresAdm / 10.0) +
             " Kg/cm2; la capacidad calculada no se usa.";
    else if (s.Cohes > 0)
        t += "Presión admisible: la capacidad entre 3, por la cohesión del suelo, " +
             N(s.PresAdm / 10.0) + " Kg/cm2.";
    else
        t += "Presión admisible: la capacidad entre 2, suelo sin cohesión, " +
             N(s.PresAdm / 10.0) + " Kg/cm2.";
    return t;
}

// Friction, adhesion on two thirds of the cohesion and Rankine's passive pressure on AltPasiva
// (sliding.cpp, ChequeaDesliz): with the soil above the footing neglected the footing's own
// face and the key still resist.
QString Deslizamiento(const ProjectState& s) {
    const bool llave = s.ConDent != 0 && s.AltDent > 0;
    QString t = "Deslizamiento: fricción en la base V·tan φ del suelo de fundación (tan " +
                N(s.Phi2) + "° = " + N(std::tan(static_cast<double>(s.Phi2Rad)), "0.000") +
                "), adherencia de 2/3 de la cohesión (" + N(0.667 * s.Cohes) +
                " To/m2) sobre el ancho de la base, y empuje pasivo de Rankine (Kp = " + N(s.Kp) +
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
// The bar offsets are those the report's drawing uses (wall_bars.cpp).
QString Estructura(const ProjectState& s) {
    return "Estructura: peso unitario del hormigón " + N(s.GammaC) +
           " To/m3; factor de carga " + N(s.FactCarga) +
           " sobre los momentos y cortantes de diseño; factor de reducción 0.90 en flexión. "
           "Cortante: el esfuerzo último " + N(s.FactCarga) +
           "·V / (b·d) se compara con 0.85·0.53·√F'c = " + N(s.CortAdm) +
           " Kg/cm2. Peralte efectivo: h - 5 cm en el muro para la flexión y h - " +
           N(s.Recub, "0") +
           " cm para su cortante y para la zapata. El dibujo del muro coloca las barras a 3 cm "
           "de las caras de la zapata y a 2.5 cm de las caras del muro.";
}

QString Requisitos(const ProjectState& s) {
    QString maxima = QStringLiteral("0.75·ρb");
    if (s.CuantMax > 0) {
        maxima += " = " + N(s.CuantMax, "0.0000");
        if (s.Beta1 > 0) maxima += " (β1 = " + N(s.Beta1, "0.000") + ")";
    }
    return "Requisitos: factores de seguridad de al menos " + N(kFsMinVuelco) +
           " al vuelco y " + N(kFsMinDesliz) +
           " al deslizamiento; la resultante dentro del tercio medio (|e| ≤ B/6); presión "
           "máxima y esfuerzos cortantes no mayores que los admisibles; cuantía de acero no "
           "menor que ρmin = " + N(s.CuantMin, "0.0000") +
           " (un acero menor se aumenta hasta ella) ni mayor que ρmax = " + maxima +
           "; separación libre entre barras no menor que el mayor entre su diámetro y 2.5 cm.";
}

QString NoConsiderado() {
    return QStringLiteral("No se consideran: el peso del suelo sobre la punta, el peso del dentellón, "
                          "el agua (empuje hidrostático y subpresión), las cargas sísmicas ni "
                          "la estabilidad global del terreno.");
}

}  // namespace

std::vector<QString> BasesDeCalculo(const ProjectState& s) {
    return {Empuje(s), Capacidad(s), Deslizamiento(s), Estructura(s), Requisitos(s),
            NoConsiderado()};
}

}  // namespace tarelvo
