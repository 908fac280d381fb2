// The wall schematic of the main window as a model: its named lines with their end points
// (twips inside the schematic frame, y downwards) and visibility, and the rules that move
// them as the wall changes. Painting is elsewhere; tests read positions by name.
//
// The picture is fixed and not to scale: what follows the inputs is which stem outline shows,
// where the front ground lies, the passive wedge, the shear key and the backfill slope.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tarelvo {

struct LineaEsquema {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool visible = true;
};

class Esquema {
public:
    // Fixed levels of the drawing.
    static constexpr double kTopeMuro = 1200;
    static constexpr double kTopeZapata = 2760;
    static constexpr double kBaseZapata = 3000;
    static constexpr double kFondoDentellon = 3180;
    static constexpr double kCaraPasiva = 1860;

    Esquema();

    // A line by name; elements of a line array are named "Line85(0)".
    LineaEsquema& line(const std::string& name);
    const LineaEsquema& line(const std::string& name) const;
    std::vector<std::string> names() const;

    // Stem outline of a wall type (0 straight, 1 front battered, 2 back battered); returns
    // the left edge of the stem-base field under it.
    double TipoMuro(int tipo);

    // Front ground line for the foundation depth; returns its y.
    double SueloFrontal(double dsz, double altZap, double altura);
    // Top of the foundation-depth field, centred on its dimension line.
    double DszTop() const;

    // Footing-top endpoints on the footing-top level; the ground never below it.
    void DimenZap();

    // The passive wedge in front of the toe: down from the ground when considered, only in
    // front of the footing's own thickness when neglected; to the key bottom with a key.
    void CunaPasiva(bool considerada, bool conDentellon);

    void Dentellon(bool incluye);

    // The sloping backfill line for a slope in degrees (hidden for 0 or less).
    void Talud(double beta);

    // Dimension lines aligned with the outline, and where the boxes on them go.
    struct Cotas {
        double anchoLeft, label42Left, label43Left, centroLeft, puntaLeft, talonLeft,
            anchDentLeft;
    };
    Cotas AlineaCotas(int forma, double anchoCampo);

    double sueloY() const { return line("Line63").y1; }

private:
    std::map<std::string, LineaEsquema> lines_;
};

}  // namespace tarelvo
