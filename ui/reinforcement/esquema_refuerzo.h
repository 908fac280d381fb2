// The schematic of the reinforcement form as a model: the wall outline, its bars as lines,
// the bars in section as rows of dots, and the places of the bar descriptions, each by name
// with its position (twips inside the schematic frame) and visibility. The layout step
// decides which elements show for the stem shape and the shear key, and splits the footing in
// proportion to toe and heel.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tarelvo {

class EsquemaRefuerzo {
public:
    struct Linea {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        bool visible = true;
        bool marcada = false;  // drawn in dark red while its bar group has the focus
    };
    struct Marca {  // a label: a dot, a row or column of dots, or a description's place
        double left = 0, top = 0, width = 0, height = 0;
        bool visible = true;
        bool marcada = false;
    };

    static constexpr double kAncho = 5160;  // frame size
    static constexpr double kAlto = 3720;
    static constexpr int kPuntos = 11;      // dots in a row along an inclined face

    EsquemaRefuerzo();

    // The name of dot i of a dot row: "Label4(3)".
    static std::string Punto(const char* fila, int i) {
        return std::string(fila) + "(" + std::to_string(i) + ")";
    }

    Linea& line(const std::string& name);
    const Linea& line(const std::string& name) const;
    Marca& marca(const std::string& name);  // "Label4(3)" for the dot rows
    const Marca& marca(const std::string& name) const;
    std::vector<std::string> lineas() const;
    std::vector<std::string> marcas() const;

    // Which elements show for a stem shape (0 straight, 1 front battered, 2 back battered)
    // and a shear key.
    void MuestraEsquema(int forma, bool conDentellon);
    // The footing split in proportion to toe and heel; the bars and dots of an inclined face.
    void UbicaEsquema(int forma, double punta, double talon);

    // Where the footing's ends are after the split (for tests and the painter).
    double puntaX() const { return puntaX_; }
    double talonX() const { return talonX_; }

private:
    std::map<std::string, Linea> lines_;
    std::map<std::string, Marca> marcas_;
    double puntaX_ = 0, talonX_ = 0;
};

}  // namespace tarelvo
