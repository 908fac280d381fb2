// The construction drawing put together: the scale it fits at, the wall's points, and the
// drawing and placing primitives its steps share.
#include <algorithm>
#include <cmath>
#include <limits>

#include "common/number_text.h"
#include "drawing/sheet_parts.h"
#include "drawing/wall_sheet.h"

namespace tarelvo {

namespace {
// Every text's line on paper: 2.5 mm, the usual height of a drawing's dimensions and notes.
constexpr double kAltoPapel = 0.0025;
// The widest letter of the fonts the drawing is shown in (Arial in the report, the CAD
// programs' own) is about 0.95 of the line's cap height, 0.66 of the line: 0.68 keeps a margin.
constexpr double kAnchoLetra = 0.68;

// Every length a finite number the program's 32-bit state can hold.
bool Finito(const DatosLamina& d) {
    for (double v : {d.punta, d.talon, d.corona, d.base, d.altZap, d.altura, d.dsz, d.altDent,
                     d.anchDent, d.beta})
        if (!std::isfinite(v) || std::abs(v) > std::numeric_limits<float>::max()) return false;
    return d.punta + d.base + d.talon > 0 && d.altZap > 0 && d.altura > 0;
}

void Marco(Lamina& l) {
    CajaLamina c{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    auto suma = [&c](double x, double y) {
        c.x0 = std::min(c.x0, x), c.y0 = std::min(c.y0, y);
        c.x1 = std::max(c.x1, x), c.y1 = std::max(c.y1, y);
    };
    for (const auto& t : l.trazos)
        if (t.capa != CapaLamina::Planilla) suma(t.x1, t.y1), suma(t.x2, t.y2);
    for (const auto& p : l.puntos) suma(p.x - p.radio, p.y - p.radio), suma(p.x + p.radio, p.y + p.radio);
    for (const auto& t : l.textos) {
        if (t.capa == CapaLamina::Planilla) continue;
        suma(t.x, t.y);
        suma(t.vertical ? t.x + t.alto : t.x + t.ancho, t.vertical ? t.y + t.ancho : t.y + t.alto);
    }
    l.marco = c.x0 > c.x1 ? CajaLamina{0, 0, 0, 0} : c;
}
}  // namespace

double AnchoTextoLamina(const std::string& utf8, double alto) {
    std::size_t letras = 0;
    for (unsigned char c : utf8) letras += (c & 0xC0) != 0x80;
    return static_cast<double>(letras) * kAnchoLetra * alto;
}

Lamina DibujaLaminaA(const DatosLamina& d, int escala) {
    Lamina l;
    l.escala = escala;
    l.altoTexto = kAltoPapel * escala;
    if (!Finito(d)) return l;
    lamina::Dibujo g{d, l, {}, lamina::CalculaPuntos(d, l.altoTexto), l.altoTexto};
    // Every line first, then the texts into the room the lines leave.
    lamina::Contorno(g);
    lamina::Terreno(g);
    lamina::Armadura(g);
    // The marks beside the wall and the parts' names, then the dimensions outside them.
    lamina::Marcas(g);
    lamina::Nombres(g);
    lamina::Cotas(g);
    Marco(l);
    lamina::Rotulo(g);
    Marco(l);
    lamina::Planilla(g);
    return l;
}

Lamina DibujaLamina(const DatosLamina& d) {
    Lamina l;
    for (int e : kEscalasLamina) {
        l = DibujaLaminaA(d, e);
        if (l.marco.ancho() <= d.hojaAncho * e && l.marco.alto() <= d.hojaAlto * e) return l;
    }
    return l;
}

namespace lamina {

std::string Metros(double v) { return numtext::format(v, "0.00"); }

std::string Decimal(double v) {
    std::string t = numtext::format(v, "0.#");
    if (!t.empty() && t.back() == '.') t.pop_back();
    return t;
}

double Puntos::Frente(double y) const {
    if (!(yTop > yZ)) return xF;
    return xF + (xFt - xF) * std::clamp((y - yZ) / (yTop - yZ), 0.0, 1.0);
}
double Puntos::Dorso(double y) const {
    if (!(yTop > yZ)) return xB;
    return xB + (xBt - xB) * std::clamp((y - yZ) / (yTop - yZ), 0.0, 1.0);
}

Puntos CalculaPuntos(const DatosLamina& d, double a) {
    Puntos p{};
    p.xF = d.punta;
    p.xB = d.punta + d.base;
    p.xT = p.xB + d.talon;
    // The face that leans: the front one unless the back one is asked for.
    p.xFt = d.forma == 2 ? p.xF : p.xB - d.corona;
    p.xBt = p.xFt + d.corona;
    p.yZ = d.altZap;
    p.yTop = d.altZap + d.altura;
    p.xk0 = (p.xT - d.anchDent) / 2;
    p.xk1 = p.xk0 + d.anchDent;
    p.yk = d.dentellon ? -d.altDent : 0;
    p.cb = EjeBarrasDesdeCara(d.altZap);
    p.suelo = std::max(0.5, 6 * a);
    p.xRelleno = p.xT + std::max(0.3, 3 * a);
    const double beta = std::clamp(d.beta, 0.0, 70.0) * M_PI / 180;
    p.yRellenoFin = p.yTop + std::min(std::tan(beta) * (p.xRelleno - p.xBt), d.altura);
    return p;
}

void Dibujo::Linea(CapaLamina c, double x1, double y1, double x2, double y2) {
    const TrazoLamina t{c, x1, y1, x2, y2};
    l.trazos.push_back(t);
    ocupa.Traza(t);
}

void Dibujo::Punto(CapaLamina c, double x, double y, double r) {
    const PuntoLamina q{c, x, y, r};
    l.puntos.push_back(q);
    ocupa.Punto(q);
}

void Dibujo::Texto(CapaLamina c, const CajaLamina& k, bool vertical, const std::string& t) {
    const double alto = vertical ? k.ancho() : k.alto();
    const double ancho = vertical ? k.alto() : k.ancho();
    l.textos.push_back({c, k.x0, k.y0, alto, ancho, vertical, t});
    ocupa.Ocupa(k);
}

void Dibujo::Coloca(CapaLamina c, const std::string& t, double alto,
                    const std::vector<std::pair<double, double>>& candidatos, double ax, double ay,
                    bool vertical) {
    const double ancho = AnchoTextoLamina(t, alto);
    const double w = vertical ? alto : ancho, h = vertical ? ancho : alto;
    std::vector<CajaLamina> cajas;
    for (const auto& [x, y] : candidatos) cajas.push_back({x, y, x + w, y + h});
    const double holgura = 0.15 * a;
    const int i = ocupa.Elige(cajas, holgura);
    if (i >= 0) {
        Texto(c, cajas[static_cast<std::size_t>(i)], vertical, t);
        return;
    }
    const CajaLamina& primera = cajas.front();
    const CajaLamina k = ocupa.Busca(w, h, (primera.x0 + primera.x1) / 2, (primera.y0 + primera.y1) / 2,
                                     ax, ay, holgura, true);
    const double px = std::clamp(ax, k.x0, k.x1), py = std::clamp(ay, k.y0, k.y1);
    if (std::hypot(px - ax, py - ay) > 0.3 * a && ocupa.LineaLibre(px, py, ax, ay)) Linea(c, px, py, ax, ay);
    Texto(c, k, vertical, t);
}

}  // namespace lamina

double EjeBarrasDesdeCara(double altZap) { return std::min(0.05, altZap / 5); }

}  // namespace tarelvo
