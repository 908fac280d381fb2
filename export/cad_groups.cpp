#include "export/cad_groups.h"

#include <cmath>
#include <cstdio>

#include "common/number_text.h"
#include "export/dxf_writer.h"

namespace tarelvo {

namespace {
constexpr const char* kEol = "\r\n";
}

std::string TextoReal(double valor) {
    std::string t = numtext::format(valor, "0.######");
    if (!t.empty() && t.back() == '.') t.pop_back();
    return t.empty() ? "0" : t;
}

void GruposDxf::codigo(int c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d", c);
    bytes_ += buf;
    bytes_ += kEol;
}

void GruposDxf::texto(int c, std::string_view utf8) {
    codigo(c);
    bytes_ += toWindows1252(utf8);
    bytes_ += kEol;
}

void GruposDxf::entero(int c, long valor) {
    codigo(c);
    bytes_ += std::to_string(valor);
    bytes_ += kEol;
}

void GruposDxf::real(int c, double valor) {
    if (!std::isfinite(valor)) valido_ = false;
    codigo(c);
    bytes_ += TextoReal(valor);
    bytes_ += kEol;
}

void GruposDxf::punto(int c, double x, double y, double z) {
    real(c, x);
    real(c + 10, y);
    real(c + 20, z);
}

void GruposDxf::manija(int c, unsigned valor) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", valor);
    codigo(c);
    bytes_ += buf;
    bytes_ += kEol;
}

unsigned GruposDxf::nueva(int c) {
    const unsigned h = siguiente_++;
    manija(c, h);
    return h;
}

}  // namespace tarelvo
