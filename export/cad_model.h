// The wall drawing kept in memory for the DXF for current CAD programs: every entity the
// drawing procedures draw, with the layer it shows. The file is written from it once the
// drawing is complete, since its header, tables and dimension blocks come before the entities
// and depend on all of them.
#pragma once

#include <string>
#include <vector>

#include "export/cad_sizes.h"
#include "export/drawing_target.h"

namespace tarelvo {

class ModeloCad : public DestinoDibujo {
public:
    struct Linea {
        Capa capa;
        double x1, y1, x2, y2;
    };
    struct Anillo {
        Capa capa;
        double x, y;
    };
    struct Texto {
        Capa capa;
        double x, y;      // start of the base line, or its end when `derecha`
        bool derecha;
        std::string utf8;
        double alto = 0;     // its own height; 0 takes the drawing's
        double angulo = 0;   // degrees, counter-clockwise
    };
    struct Punto {
        Capa capa;
        double x, y, bulge;
    };
    struct Cota {
        Capa capa;
        DimAxis eje;
        double xd, yd, x1, y1, x2, y2;
    };

    void capa(Capa c) override { capa_ = c; }
    void line(Num x1, Num y1, Num x2, Num y2) override;
    void circle(Num x, Num y) override;
    void text(Num x, Num y, std::string_view utf8) override;
    void textRight(Num x, Num y, Num x2, Num y2, std::string_view utf8) override;
    void barDot(double xc, Num yc, Num bulge) override;
    void dimension(DimAxis axis, Num xd, Num yd, Num x1, Num y1, Num x2, Num y2) override;
    // A text of its own height `alto` and angle, its base line starting at (x, y).
    void textoPropio(double x, double y, double alto, double angulo, std::string_view utf8);

    const std::vector<Linea>& lineas() const { return lineas_; }
    const std::vector<Anillo>& anillos() const { return anillos_; }
    const std::vector<Texto>& textos() const { return textos_; }
    const std::vector<Punto>& puntos() const { return puntos_; }
    const std::vector<Cota>& cotas() const { return cotas_; }

    // False once a NaN or an infinity has been drawn; error() then says so in Spanish, as the
    // original writer does.
    bool valid() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    // The box round everything drawn, the texts and dimensions at the sizes `t`.
    struct Caja {
        double x0, y0, x1, y1;
    };
    Caja extension(const TamanosCad& t) const;

    // The sizes for this drawing: those of its extents with texts at those very sizes, found
    // by refining from the extents without texts.
    // With texts of a height of their own set, that height and the dimension sizes that go
    // with it, so that a dimension added in the CAD program matches the drawn ones.
    TamanosCad tamanos() const;
    void textoFijo(double alto) { textoFijo_ = alto; }

private:
    void comprueba(std::initializer_list<double> valores, const char* entidad);

    Capa capa_ = Capa::Concreto;
    std::vector<Linea> lineas_;
    std::vector<Anillo> anillos_;
    std::vector<Texto> textos_;
    std::vector<Punto> puntos_;
    std::vector<Cota> cotas_;
    std::string error_;
    double textoFijo_ = 0;
};

}  // namespace tarelvo
