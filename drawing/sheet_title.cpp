// The construction drawing's title block below the wall (the drawing's name, the project's
// title, the scale with a scale bar, and the notes) and the bar schedule beside it.
#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "drawing/sheet_parts.h"

namespace tarelvo::lamina {

namespace {
// The letters of a UTF-8 text: its continuation bytes do not count.
std::size_t Letras(const std::string& t) {
    std::size_t n = 0;
    for (unsigned char c : t) n += (c & 0xC0) != 0x80;
    return n;
}

// The bytes of the first `n` letters of a UTF-8 text, so that a cut never splits a letter.
std::size_t BytesDe(const std::string& t, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t letra = 0; i < t.size(); ++i) {
        if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80 && letra++ == n) break;
    }
    return i;
}

// A title broken at its blanks into lines of at most `n` letters; a word longer than a line
// is cut between letters.
std::vector<std::string> Renglones(const std::string& t, std::size_t n) {
    std::vector<std::string> r;
    std::string linea;
    std::size_t i = 0;
    while (i < t.size()) {
        std::size_t j = t.find(' ', i);
        if (j == std::string::npos) j = t.size();
        std::string palabra = t.substr(i, j - i);
        i = j + 1;
        while (Letras(palabra) > n) {
            if (!linea.empty()) r.push_back(linea), linea.clear();
            const std::size_t corte = BytesDe(palabra, n);
            r.push_back(palabra.substr(0, corte));
            palabra.erase(0, corte);
        }
        if (!linea.empty() && Letras(linea) + 1 + Letras(palabra) > n)
            r.push_back(linea), linea.clear();
        linea += (linea.empty() ? "" : " ") + palabra;
    }
    if (!linea.empty()) r.push_back(linea);
    return r;
}

// A text of line height `alto` with its lower-left corner at (x, y), where it is free, else
// as near as is free.
void Pon(Dibujo& g, CapaLamina c, const std::string& t, double x, double y, double alto) {
    const double w = AnchoTextoLamina(t, alto);
    const CajaLamina k{x, y, x + w, y + alto};
    if (g.ocupa.Libre(k, 0.1 * g.a)) return g.Texto(c, k, false, t);
    g.Texto(c, g.ocupa.Busca(w, alto, x + w / 2, y + alto / 2, x, y, 0.1 * g.a, false), false, t);
}
}  // namespace

void Rotulo(Dibujo& g) {
    const CajaLamina m = g.l.marco;
    const double a = g.a;
    const auto R = CapaLamina::Rotulo;
    const double x0 = m.x0, techo = m.y0 - 2 * a;
    double y = techo - 0.6 * a;
    const std::vector<std::string> notas{
        "NOTAS:",
        "Concreto F'c = " + numtext::format(g.d.fc, "0") + " kg/cm2",
        "Acero Fy = " + numtext::format(g.d.fy, "0") + " kg/cm2",
        "Recubrimiento al eje de las barras: " + Decimal(g.d.recub) + " cm",
        "Peso unitario del concreto: " + numtext::format(g.d.gammaC, "0.00") + " t/m3",
        "Cotas en metros",
    };
    double anchoNotas = 0;
    for (const std::string& t : notas) anchoNotas = std::max(anchoNotas, AnchoTextoLamina(t, a));
    // The project's title in lines that leave the notes their room on the sheet: its
    // letters keep their size on paper whatever the scale, so a longer line would never fit.
    std::size_t letras = 50;
    if (g.d.hojaAncho > 0) {
        const double libre = g.d.hojaAncho * g.l.escala - anchoNotas - 5 * a;
        letras = static_cast<std::size_t>(
            std::clamp(std::floor(libre / AnchoTextoLamina("M", a)), 12.0, 50.0));
    }
    std::vector<std::pair<std::string, double>> titulo{{"MURO DE CONTENCION", 1.6 * a}};
    for (const std::string& r : Renglones(g.d.titulo, letras)) titulo.push_back({r, a});
    titulo.push_back({"ESCALA 1:" + std::to_string(g.l.escala), a});
    double derecha = x0;
    for (const auto& [t, alto] : titulo) {
        y -= alto * 1.15;
        Pon(g, R, t, x0 + a, y, alto);
        derecha = std::max(derecha, x0 + a + AnchoTextoLamina(t, alto));
    }
    // The scale bar: a metre at the larger scales, more at the smaller, halved by a tick.
    const double largo = g.l.escala <= 50 ? 1 : g.l.escala <= 100 ? 2 : 5;
    const double yb = y - 1.0 * a, xb = x0 + a;
    g.Linea(R, xb, yb, xb + largo, yb);
    for (double t : {0.0, largo / 2, largo}) g.Linea(R, xb + t, yb, xb + t, yb + 0.5 * a);
    g.Linea(R, xb, yb + 0.25 * a, xb + largo / 2, yb + 0.25 * a);
    Pon(g, R, "0", xb - 0.3 * a, yb - 1.4 * a, a);
    const std::string fin = numtext::format(largo, "0") + " m";
    Pon(g, R, fin, xb + largo - 0.3 * a, yb - 1.4 * a, a);
    y = yb - 1.4 * a;
    derecha = std::max(derecha, xb + largo + AnchoTextoLamina(fin, a));

    // The notes in a second column.
    const double xn = derecha + 2 * a;
    double yn = techo - 0.6 * a, xFin = xn;
    for (const std::string& t : notas) {
        yn -= 1.15 * a;
        Pon(g, R, t, xn, yn, a);
        xFin = std::max(xFin, xn + AnchoTextoLamina(t, a));
    }
    const double suelo = std::min(y, yn) - 0.6 * a, borde = std::max(xFin + a, m.x1);
    g.Linea(R, x0, techo, borde, techo);
    g.Linea(R, borde, techo, borde, suelo);
    g.Linea(R, borde, suelo, x0, suelo);
    g.Linea(R, x0, suelo, x0, techo);
}

void Planilla(Dibujo& g) {
    if (g.d.planilla.empty()) return;
    const double a = g.a;
    const auto P = CapaLamina::Planilla;
    const CajaLamina m = g.l.marco;
    const double x0 = m.x1 + 3 * a;
    double y = m.y1 - a;
    Pon(g, P, "PLANILLA DE ARMADURAS (por metro de muro)", x0, y, a);
    std::vector<std::vector<std::string>> filas{{"Marca", "Barra", "Sep. (m)", "Largo (m)", "Cant./m", "kg/m"}};
    double total = 0;
    for (const FilaPlanilla& f : g.d.planilla) {
        filas.push_back({f.marca, f.barra, f.separacion > 0 ? Metros(f.separacion) : "-", Metros(f.largo),
                         numtext::format(f.cantidad, "0.00"), numtext::format(f.kg, "0.00")});
        total += f.kg;
    }
    filas.push_back({"Total", "", "", "", "", numtext::format(total, "0.00")});
    std::vector<double> columnas(filas.front().size(), 0);
    for (const auto& f : filas)
        for (std::size_t c = 0; c < f.size(); ++c)
            columnas[c] = std::max(columnas[c], AnchoTextoLamina(f[c], a) + a);
    for (const auto& f : filas) {
        y -= 1.3 * a;
        double x = x0;
        for (std::size_t c = 0; c < f.size(); ++c) {
            if (!f[c].empty()) Pon(g, P, f[c], x, y, a);
            x += columnas[c];
        }
    }
}

}  // namespace tarelvo::lamina
