#include "ui/main/esquema.h"

#include <cmath>
#include <stdexcept>

namespace tarelvo {

namespace {

// Passive hatching: horizontals that end on the wedge's vertical side, and their levels.
const std::pair<const char*, double> kRayasPasivas[] = {
    {"Line24", 1632}, {"Line23", 1776}, {"Line22", 1908}, {"Line17", 2064},
    {"Line16", 2220}, {"Line14", 2340}, {"Line12", 2475}, {"Line11", 2640},
    {"Line34", 2760}, {"Line33", 2880}, {"Line29", 3000}};

// The key's own hatching, below the footing base.
const char* const kRayasDentellon[] = {"Line91", "Line90"};

const char* const kSuelo[] = {"Line85(0)", "Line85(1)", "Line85(2)"};

}  // namespace

Esquema::Esquema() {
    auto L = [this](const std::string& n, double x1, double y1, double x2, double y2,
                    bool visible = true) { lines_[n] = {x1, y1, x2, y2, visible}; };
    // Stem, footing and key.
    L("Line68", 2550, 1200, 2730, 1200);
    L("Line69", 2550, 2760, 2550, 1200);
    L("Line70", 2730, 2760, 2730, 1200);
    L("Line61", 2550, 1200, 2445, 2760, false);
    L("Line60", 2730, 1200, 2835, 2760, false);
    L("Line54", 2445, 2760, 2550, 2760);
    L("Line53", 2730, 2760, 2835, 2760);
    L("Line71", 1920, 2760, 2445, 2760);
    L("Line72", 3360, 2760, 2835, 2760);
    L("Line73", 1920, 3000, 1920, 2760);
    L("Line74", 3360, 3000, 3360, 2760);
    L("Line75", 1920, 3000, 2550, 3000);
    L("Line93", 2730, 3000, 3360, 3000);
    L("Line94", 2550, 3000, 2730, 3000);
    L("Line35", 2550, 3000, 2550, 3190, false);
    L("Line36", 2730, 3180, 2550, 3180, false);
    L("Line37", 2730, 3000, 2730, 3180, false);
    L("Line13", 1125, 3180, 1125, 3000, false);
    L("Line15", 1215, 3195, 1035, 3195, false);
    // Dimensions.
    L("Line50", 2730, 870, 2730, 630);
    L("Line51", 2550, 870, 2550, 630);
    L("Line52", 2550, 750, 2730, 750);
    L("Line66", 720, 1200, 720, 3000);
    L("Line62", 600, 1200, 840, 1200);
    L("Line65", 600, 2760, 840, 2760);
    L("Line67", 600, 3000, 1520, 3000);
    L("Line76", 1920, 3876, 1920, 3636);
    L("Line77", 1920, 3756, 2340, 3756);
    L("Line80", 2952, 3756, 3372, 3756);
    L("Line81", 3360, 3876, 3360, 3636);
    L("Line55", 2520, 3756, 2760, 3756);
    L("Line56", 2748, 3756, 2958, 3756);
    L("Line57", 2340, 3756, 2520, 3756);
    L("Line78", 2532, 3852, 2532, 3612);
    L("Line79", 2736, 3852, 2736, 3612);
    L("Line58", 2952, 3852, 2952, 3612, false);
    L("Line59", 2340, 3852, 2340, 3612, false);
    L("Line7", 1932, 4596, 3357, 4596);
    L("Line8", 1920, 4692, 1920, 4512);
    L("Line9", 3348, 4677, 3348, 4512);
    // Backfill.
    L("Line82", 4500, 1200, 2770, 1200);
    L("Line83", 4440, 840, 2770, 1200, false);
    L("Line95", 3435, 3000, 3435, 1200);
    L("Line96", 4230, 3000, 3435, 1200);
    L("Line84", 3435, 3000, 4890, 3000);
    for (int i = 0; i <= 10; ++i) {
        const double y = std::round(2865 - 142.5 * i);
        const double x2 = 3435 + (4230 - 3435) * (y - 1200) / (3000 - 1200);
        L("Line" + std::to_string(97 + i), 3450, y, std::round(x2), y);
    }
    // Front ground and passive wedge.
    L("Line63", 1350, 2520, 1860, 2520);
    for (int i = 0; i < 3; ++i) {
        const double x = 1440 + 150 * i;
        L(kSuelo[i], x, 2520, x - 60, 2580);
    }
    L("Line64", 1470, 2520, 1470, 3000);
    L("Line38", 1860, 3180, 1860, 1200);
    L("Line92", 1860, 1200, 1596, 3180);
    for (const auto& [name, y] : kRayasPasivas)
        L(name, 1860 - 264 * (y - 1200) / 1980, y, 1860, y);
    L("Line90", 1860, 3180, 1500, 3180, false);
    L("Line91", 1620, 3090, 1860, 3090, false);
}

LineaEsquema& Esquema::line(const std::string& name) {
    auto it = lines_.find(name);
    if (it == lines_.end()) throw std::out_of_range("no schematic line " + name);
    return it->second;
}

const LineaEsquema& Esquema::line(const std::string& name) const {
    return const_cast<Esquema*>(this)->line(name);
}

std::vector<std::string> Esquema::names() const {
    std::vector<std::string> v;
    for (const auto& kv : lines_) v.push_back(kv.first);
    return v;
}

double Esquema::TipoMuro(int tipo) {
    struct Contorno {
        bool l69, l61, l70, l60, l54, l53, l78, l79, l58, l59;
        double centro;
    };
    static const Contorno kContornos[] = {
        {true, false, true, false, true, true, true, true, false, false, 2400},
        {false, true, true, false, false, true, false, true, false, true, 2310},
        {true, false, false, true, true, false, true, false, true, false, 2490}};
    const Contorno& c = kContornos[(tipo >= 0 && tipo <= 2) ? tipo : 0];
    line("Line69").visible = c.l69;
    line("Line61").visible = c.l61;
    line("Line70").visible = c.l70;
    line("Line60").visible = c.l60;
    line("Line54").visible = c.l54;
    line("Line53").visible = c.l53;
    line("Line78").visible = c.l78;
    line("Line79").visible = c.l79;
    line("Line58").visible = c.l58;
    line("Line59").visible = c.l59;
    return c.centro;
}

namespace {
void MueveSuelo(Esquema& e, double y) {
    LineaEsquema& suelo = e.line("Line63");
    suelo.y1 = suelo.y2 = y;
    e.line("Line64").y1 = y;
    for (const char* n : kSuelo) {
        e.line(n).y1 = y;
        e.line(n).y2 = y + 60;
    }
}
}  // namespace

double Esquema::SueloFrontal(double dsz, double altZap, double altura) {
    // The drawn stem height stands for the wall height.
    const double alto = line("Line71").y1 - line("Line66").y1;
    double y = line("Line75").y1 - (altura != 0 ? alto * dsz / altura : 0);
    if (dsz == altZap) {
        y = line("Line71").y1;
    } else if (y >= line("Line71").y1 && dsz > altZap) {
        y = std::floor(0.95 * y);  // just above the footing
    }
    MueveSuelo(*this, y);
    return y;
}

double Esquema::DszTop() const {
    const double base = line("Line75").y1;
    double top = base - ((base - sueloY()) / 2 + 143);
    if (top < line("Line16").y1) top = line("Line16").y1;
    if (top > line("Line34").y1) top = line("Line34").y1;
    return top;
}

void Esquema::DimenZap() {
    const double y = line("Line73").y2;
    for (const char* n : {"Line71", "Line54", "Line53", "Line72", "Line65"}) {
        line(n).y1 = y;
        line(n).y2 = y;
    }
    line("Line61").y2 = y;
    line("Line69").y1 = y;
    line("Line70").y1 = y;
    line("Line60").y2 = y;
    line("Line74").y2 = y;
    if (sueloY() > y) MueveSuelo(*this, y);
}

void Esquema::CunaPasiva(bool considerada, bool conDentellon) {
    for (const auto& r : kRayasPasivas) line(r.first).visible = false;
    for (const char* n : kRayasDentellon) line(n).visible = false;

    const double x = kCaraPasiva;
    const double fondo = conDentellon ? kFondoDentellon : kBaseZapata;
    const double ancho = conDentellon ? 360 : 240;  // the bottom line's width
    const double arriba = considerada ? sueloY() : fondo - (conDentellon ? 420 : 240);

    LineaEsquema& lado = line("Line38");
    lado = {x, fondo, x, arriba, true};
    LineaEsquema& talud = line("Line92");
    talud = {x, arriba, x - ancho, fondo, true};

    auto raya = [&](const std::string& n) {
        LineaEsquema& l = line(n);
        if (!(l.y1 > arriba) || l.y1 > fondo) return;
        l.visible = true;
        l.x2 = x;
        l.x1 = x - ancho * (l.y1 - arriba) / (fondo - arriba);
    };
    for (const auto& r : kRayasPasivas) raya(r.first);
    if (conDentellon)
        for (const char* n : kRayasDentellon) raya(n);
}

void Esquema::Dentellon(bool incluye) {
    for (const char* n : {"Line13", "Line15", "Line35", "Line36", "Line37"})
        line(n).visible = incluye;
    line("Line94").visible = !incluye;
}

void Esquema::Talud(double beta) {
    LineaEsquema& l = line("Line83");
    const LineaEsquema& nivel = line("Line82");
    l.visible = beta > 0;
    if (!l.visible) return;
    const double largo = (nivel.x1 - nivel.x2) / 1.75;
    const double rad = beta / 57.295779513;
    l.x1 = line("Line70").x1 + largo * std::cos(rad);
    l.y1 = nivel.y1 - largo * std::sin(rad);
    l.y2 = nivel.y1;
}

Esquema::Cotas Esquema::AlineaCotas(int forma, double anchoCampo) {
    auto& L = *this;
    L.line("Line54").x1 = L.line("Line71").x2;
    L.line("Line54").x2 = L.line("Line69").x1;
    // The foot piece behind the stem runs to the heel's inner end.
    L.line("Line53").x1 = L.line("Line70").x1;
    L.line("Line53").x2 = L.line("Line72").x2;
    L.line("Line68").x1 = L.line("Line54").x2;
    L.line("Line68").x2 = L.line("Line53").x1;
    L.line("Line61").x1 = L.line("Line68").x1;
    L.line("Line61").x2 = L.line("Line71").x2;
    L.line("Line60").x1 = L.line("Line68").x2;
    L.line("Line60").x2 = L.line("Line72").x2;
    L.line("Line50").x1 = L.line("Line50").x2 = L.line("Line68").x2;
    L.line("Line51").x1 = L.line("Line51").x2 = L.line("Line68").x1;
    L.line("Line52").x1 = L.line("Line68").x1;
    L.line("Line52").x2 = L.line("Line68").x2;

    Cotas c{};
    c.anchoLeft = L.line("Line68").x1 - 165;
    c.label42Left = L.line("Line68").x1 + 40;
    c.label43Left = L.line("Line68").x1 - 555;

    L.line("Line58").x1 = L.line("Line58").x2 = L.line("Line53").x2;
    L.line("Line59").x1 = L.line("Line59").x2 = L.line("Line54").x1;
    L.line("Line78").x1 = L.line("Line78").x2 = L.line("Line54").x2;
    L.line("Line79").x1 = L.line("Line79").x2 = L.line("Line53").x1;

    // The stem-base box is centred on the stem base of the outline shown; toe and heel
    // boxes stand 510 twips to either side.
    double a = L.line("Line79").x1, b = L.line("Line78").x1;
    if (forma == 1) b = L.line("Line59").x1;
    if (forma == 2) a = L.line("Line58").x1;
    c.centroLeft = (a + b) / 2 - anchoCampo / 2;
    c.puntaLeft = c.centroLeft - 510;
    c.talonLeft = c.centroLeft + 510;

    L.line("Line83").x2 = L.line("Line68").x2 + 30;
    c.anchDentLeft = L.line("Line36").x1 - 305;
    return c;
}

}  // namespace tarelvo
