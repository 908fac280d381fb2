#include "ui/reinforcement/esquema_refuerzo.h"

#include <algorithm>
#include <stdexcept>

namespace tarelvo {

namespace {

// Fixed levels and faces of the drawing (twips in the frame).
constexpr double kTope = 420, kZapata = 2520, kBase = 2880, kDentellon = 3240;
constexpr double kFrente = 1890, kTrasdos = 2400;  // faces of a straight stem
constexpr double kTalud = 195;                      // batter of an inclined face at its foot
constexpr double kRecub = 45;                       // bars inside the faces
constexpr double kPie = 2790;                       // foot of the vertical bars
constexpr double kZapataAncho = 2650;               // toe and heel together
constexpr double kMargen = 60;

double FrenteEn(double y, bool inclinado) {
    return kFrente - (inclinado ? kTalud * (y - kTope) / (kZapata - kTope) : 0);
}
double TrasdosEn(double y, bool inclinado) {
    return kTrasdos + (inclinado ? kTalud * (y - kTope) / (kZapata - kTope) : 0);
}


}  // namespace

EsquemaRefuerzo::EsquemaRefuerzo() {
    auto L = [this](const char* n, double x1, double y1, double x2, double y2) {
        lines_[n] = {x1, y1, x2, y2, true, false};
    };
    auto M = [this](const std::string& n, double l, double t, double w, double h) {
        marcas_[n] = {l, t, w, h, true, false};
    };
    // Outline: faces of a straight stem, battered faces, stem top, footing, shear key.
    L("Line1", kFrente, kTope, kFrente, kZapata);
    L("Line3", kTrasdos, kTope, kTrasdos, kZapata);
    L("Line7", kFrente, kTope, FrenteEn(kZapata, true), kZapata);
    L("Line8", kTrasdos, kTope, TrasdosEn(kZapata, true), kZapata);
    L("Line2", kFrente, kTope, kTrasdos, kTope);
    L("Line4", 0, kZapata, kFrente, kZapata);     // toe top
    L("Line5", kTrasdos, kZapata, 0, kZapata);    // heel top
    L("Line6", 0, kZapata, 0, kBase);             // toe end
    L("Line9", 0, kZapata, 0, kBase);             // heel end
    L("Line10", 0, kBase, 1980, kBase);           // underside, toe side
    L("Line25", 2310, kBase, 0, kBase);           // underside, heel side
    L("Line26", 1980, kBase, 2310, kBase);        // underside where a key would be
    L("Line27", 1980, kBase, 1980, kDentellon);
    L("Line28", 1980, kDentellon, 2310, kDentellon);
    L("Line29", 2310, kDentellon, 2310, kBase);
    // Vertical bars of the stem and their continuations into the key.
    const double extPie = FrenteEn(kPie, true) + kRecub, intPie = TrasdosEn(kPie, true) - kRecub;
    L("Line18", kFrente + kRecub, kTope + kRecub, kFrente + kRecub, kPie);
    L("Line16", kFrente + kRecub, kTope + kRecub, extPie, kPie);
    L("Line20", kTrasdos - kRecub, kTope + kRecub, kTrasdos - kRecub, kPie);
    L("Line11", kTrasdos - kRecub, kTope + kRecub, intPie, kPie);
    L("Line19", kFrente + kRecub, kPie, 2025, 3195);
    L("Line17", extPie, kPie, 2025, 3195);
    L("Line21", kTrasdos - kRecub, kPie, 2265, 3195);
    L("Line13", intPie, kPie, 2265, 3195);
    L("Line22", 2025, 3195, 2265, 3195);
    L("Line23", 2025, 2970, 2265, 2970);
    L("Line24", 2025, 3085, 2265, 3085);
    // Footing bars: top bar with its hook at the heel end, bottom bar.
    L("Line14", 0, kZapata + kRecub, 0, kZapata + kRecub);
    L("Line15", 0, kZapata + kRecub, 0, 2700);
    L("Line12", 0, kBase - kRecub, 0, kBase - kRecub);
    // Leaders from the bars to their descriptions.
    L("Line40", 1995, 860, 1320, 870);
    L("Line41", 1965, 1230, 1320, 900);
    L("Line31", 1980, 1100, 1320, 885);
    L("Line38", 1905, 2280, 1320, 2280);
    L("Line37", 2355, 1615, 2940, 1620);
    L("Line36", 2355, 2010, 2940, 2020);
    L("Line32", 2310, 1400, 2940, 1620);
    L("Line34", 2430, 2330, 2940, 2330);

    // Horizontal bars in section: dot columns along vertical faces, dot rows along battered
    // faces, the transversal bars of the footing, the key's corner bars.
    M("Label1", kFrente + 75, kTope + 60, 50, kPie - kTope - 180);
    M("Label2", kTrasdos - 125, kTope + 60, 50, kPie - kTope - 180);
    for (int i = 0; i < kPuntos; ++i) {
        M(Punto("Label4", i), 0, 0, 50, 50);
        M(Punto("Label5", i), 0, 0, 50, 50);
    }
    M("Label3", 0, kBase - 105, 0, 40);
    M("Label21", 0, kZapata + 70, 0, 40);
    M("LabelDent1", 2000, 3150, 50, 50);
    M("LabelDent2", 2240, 3150, 50, 50);
    // The descriptions' places.
    M("Label20", kMargen, 740, 1250, 260);
    M("Label19", kMargen, 2150, 1250, 260);
    M("Label18", 2950, 1490, 1700, 260);
    M("Label17", 2950, 1890, 1700, 260);
    M("Label23", 2950, 2200, 1700, 260);
    M("Label24", kMargen, 3000, 1700, 260);
    M("Label25", kMargen, 3330, 1700, 260);
    M("Label46", 2450, 3000, 1700, 260);
    M("Label47", 2450, 3330, 1300, 260);

    MuestraEsquema(0, false);
    UbicaEsquema(0, 1, 1);
}

EsquemaRefuerzo::Linea& EsquemaRefuerzo::line(const std::string& name) {
    auto it = lines_.find(name);
    if (it == lines_.end()) throw std::out_of_range("no reinforcement line " + name);
    return it->second;
}
const EsquemaRefuerzo::Linea& EsquemaRefuerzo::line(const std::string& name) const {
    return const_cast<EsquemaRefuerzo*>(this)->line(name);
}
EsquemaRefuerzo::Marca& EsquemaRefuerzo::marca(const std::string& name) {
    auto it = marcas_.find(name);
    if (it == marcas_.end()) throw std::out_of_range("no reinforcement label " + name);
    return it->second;
}
const EsquemaRefuerzo::Marca& EsquemaRefuerzo::marca(const std::string& name) const {
    return const_cast<EsquemaRefuerzo*>(this)->marca(name);
}
std::vector<std::string> EsquemaRefuerzo::lineas() const {
    std::vector<std::string> v;
    for (const auto& kv : lines_) v.push_back(kv.first);
    return v;
}
std::vector<std::string> EsquemaRefuerzo::marcas() const {
    std::vector<std::string> v;
    for (const auto& kv : marcas_) v.push_back(kv.first);
    return v;
}

void EsquemaRefuerzo::MuestraEsquema(int forma, bool conDentellon) {
    for (const char* n : {"Line1", "Line3", "Line7", "Line8", "Line11", "Line13", "Line16",
                          "Line17", "Line18", "Line19", "Line20", "Line21", "Line22", "Line23",
                          "Line24", "Line27", "Line28", "Line29", "Line31", "Line32"})
        line(n).visible = false;
    for (const char* n : {"LabelDent1", "LabelDent2", "Label46", "Label47", "Label1", "Label2"})
        marca(n).visible = false;
    line("Line26").visible = true;

    auto X1 = [this](const char* n, double x) { line(n).x1 = x; };
    auto XY1 = [this](const char* n, double x, double y) {
        line(n).x1 = x;
        line(n).y1 = y;
    };
    X1("Line34", 2430);
    XY1("Line36", 2355, 2010);
    XY1("Line37", 2355, 1615);
    X1("Line38", 1905);
    XY1("Line40", 1995, 860);
    XY1("Line41", 1965, 1230);

    for (int i = 0; i < kPuntos; ++i) {
        marca(Punto("Label4", i)).visible = false;
        marca(Punto("Label5", i)).visible = false;
    }

    if (forma == 0) {
        for (const char* n : {"Line1", "Line3", "Line18", "Line20", "Line31", "Line32"})
            line(n).visible = true;
        marca("Label1").visible = marca("Label2").visible = true;
    } else if (forma == 1) {
        for (const char* n : {"Line3", "Line20", "Line32"}) line(n).visible = true;
        marca("Label2").visible = true;
        X1("Line38", 1710);
        XY1("Line40", 1860, 860);
        XY1("Line41", 1860, 1230);
    } else {
        for (const char* n : {"Line1", "Line18", "Line31"}) line(n).visible = true;
        marca("Label1").visible = true;
        X1("Line34", 2625);
        XY1("Line36", 2520, 1980);
        XY1("Line37", 2460, 1605);
    }

    if (conDentellon) {
        for (const char* n : {"Line13", "Line17", "Line19", "Line21", "Line22", "Line23",
                              "Line24", "Line27", "Line28", "Line29"})
            line(n).visible = true;
        for (const char* n : {"LabelDent1", "LabelDent2", "Label46", "Label47"})
            marca(n).visible = true;
        line("Line26").visible = false;
    }
}

void EsquemaRefuerzo::UbicaEsquema(int forma, double punta, double talon) {
    // Toe and heel share the footing's drawn length in proportion to the project. A toe too
    // long for the room in front of the stem shrinks both alike, so the split still holds.
    const double suma = punta + talon;
    double fPunta = suma > 0 ? punta / suma : 0.5;
    if (!(fPunta >= 0 && fPunta <= 1)) fPunta = 0.5;
    const double pieFrente = FrenteEn(kZapata, forma == 1);
    const double pieTrasdos = TrasdosEn(kZapata, forma == 2);
    double largo = kZapataAncho;
    largo = std::min(largo, fPunta > 0 ? (pieFrente - kMargen) / fPunta : largo);
    largo = std::min(largo, fPunta < 1 ? (kAncho - kMargen - pieTrasdos) / (1 - fPunta) : largo);
    puntaX_ = pieFrente - largo * fPunta;
    talonX_ = pieTrasdos + largo * (1 - fPunta);

    line("Line4").x1 = puntaX_;
    line("Line4").x2 = pieFrente;
    line("Line5").x1 = pieTrasdos;
    line("Line5").x2 = talonX_;
    line("Line6").x1 = line("Line6").x2 = puntaX_;
    line("Line9").x1 = line("Line9").x2 = talonX_;
    line("Line10").x1 = puntaX_;
    line("Line25").x2 = talonX_;
    line("Line14").x1 = puntaX_ + kRecub;
    line("Line14").x2 = talonX_ - kRecub;
    line("Line15").x1 = line("Line15").x2 = talonX_ - kRecub;
    line("Line12").x1 = puntaX_ + kRecub;
    line("Line12").x2 = talonX_ - kRecub;
    for (const char* fila : {"Label3", "Label21"}) {
        marca(fila).left = puntaX_ + 90;
        marca(fila).width = std::max(0.0, talonX_ - puntaX_ - 180);
    }

    auto fila = [this](const char* nombre, bool frente) {
        for (int i = 0; i < kPuntos; ++i) {
            const double y = kTope + 90 + i * (kPie - kTope - 270) / (kPuntos - 1);
            Marca& m = marca(Punto(nombre, i));
            const double x = frente ? FrenteEn(y, true) + 75 : TrasdosEn(y, true) - 125;
            m.left = x;
            m.top = y - 25;
            m.visible = true;
        }
    };
    if (forma == 1) {
        line("Line7").visible = line("Line16").visible = true;
        fila("Label5", true);
    } else if (forma == 2) {
        line("Line8").visible = line("Line11").visible = true;
        fila("Label4", false);
    }
}

}  // namespace tarelvo
