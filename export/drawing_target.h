// What the wall drawing is drawn on: the entity calls the drawing procedures make (GeomDxf,
// DimensDxf, RefuerDxf, TextoDxf), and the numbers they pass. The original DXF writer and the
// DXF for current CAD programs both take these calls, so both files hold the same wall.
#pragma once

#include <string_view>

namespace tarelvo {

// A number to be written together with its kind. The kind decides the
// precision of the text, so callers state it for every coordinate.
struct Num {
    enum Kind { Single, Double };
    double v;
    Kind kind;
};

// A float32 drawing variable written by itself (at most 7 significant digits).
inline Num S(float v) { return Num{static_cast<double>(v), Num::Single}; }
// A value formed in float64, e.g. a float32 variable plus a constant (at most
// 15 significant digits): D(double(x) + 0.65).
inline Num D(double v) { return Num{v, Num::Double}; }

// Orientation of a linear dimension; written as its angle, 0 or 90.
enum class DimAxis { Horizontal, Vertical };

// What a group of entities shows. The procedures name it before each group; a writer with
// layers puts the group on its layer, the original writer keeps everything on layer "0".
enum class Capa { Concreto, Terreno, Cotas, Acero, Textos, Rotulo, Planilla };

class DestinoDibujo {
public:
    virtual ~DestinoDibujo() = default;

    // The entities that follow show `capa`.
    virtual void capa(Capa) {}

    // LINE from (x1, y1) to (x2, y2).
    virtual void line(Num x1, Num y1, Num x2, Num y2) = 0;
    // A ring round a dot, centred on (x, y).
    virtual void circle(Num x, Num y) = 0;
    // A text whose base line starts at (x, y).
    virtual void text(Num x, Num y, std::string_view utf8) = 0;
    // A text that ends at (x2, y2); (x, y) is where its base line starts at the original
    // writer's text height.
    virtual void textRight(Num x, Num y, Num x2, Num y2, std::string_view utf8) = 0;
    // A bar seen in section: a filled dot centred on (xc, yc), drawn as two arcs of `bulge`.
    virtual void barDot(double xc, Num yc, Num bulge) = 0;
    // A linear dimension between the extension-line origins (x1, y1) and (x2, y2), whose
    // dimension line passes through (xd, yd).
    virtual void dimension(DimAxis axis, Num xd, Num yd, Num x1, Num y1, Num x2, Num y2) = 0;
};

}  // namespace tarelvo
