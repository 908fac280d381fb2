// Group codes and values of the DXF for current CAD programs: each code right-aligned in three
// columns on its line, its value on the next, lines ended by CR LF. Numbers in plain decimal
// with at most six decimals (a micrometre in a drawing in metres), texts in Windows-1252, and
// handles in upper-case hexadecimal, handed out one after another.
#pragma once

#include <string>
#include <string_view>

namespace tarelvo {

class GruposDxf {
public:
    explicit GruposDxf(unsigned primeraManija = 1) : siguiente_(primeraManija) {}

    void texto(int codigo, std::string_view utf8);
    void entero(int codigo, long valor);
    void real(int codigo, double valor);
    // x, y and z under `codigo`, `codigo` + 10 and `codigo` + 20.
    void punto(int codigo, double x, double y, double z = 0);
    void manija(int codigo, unsigned valor);

    // A new handle, written under code 5 (105 for a DIMSTYLE record).
    unsigned nueva(int codigo = 5);
    unsigned siguiente() const { return siguiente_; }

    // Everything written so far; false once a number was not finite (written as 0).
    const std::string& bytes() const { return bytes_; }
    bool valido() const { return valido_; }

private:
    void codigo(int c);

    std::string bytes_;
    unsigned siguiente_;
    bool valido_ = true;
};

// A number as the file writes it: "2.3", "0.0625", "-1", never an exponent.
std::string TextoReal(double valor);

}  // namespace tarelvo
