// libFuzzer target for the project file reader.
//
// Any input must be read or refused without a crash, with a refusal message that is clean
// UTF-8 text. A project that is read must survive being written and read again: the title and
// the integers exactly, the reals to the 7 significant digits the file keeps. Writing rounds a
// float to 7 digits once, so the second write must give the very same text, and reading that
// text must give back exactly the same project.
// The first four bytes are also written as a float, to check the writer on any value.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "files/mur_format.h"

namespace {

using tarelvo::ProyectoMur;

[[noreturn]] void Falla(const char* que, const std::string& detalle) {
    std::fprintf(stderr, "mur_reader_fuzz: %s\n%s\n", que, detalle.c_str());
    std::abort();
}

// Valid UTF-8 without control characters (but for tab, when allowed).
bool TextoLimpio(const std::string& s, bool conTab = false) {
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3
                                                                : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        if (n == 0 || i + n > s.size() || (c < 0x20 && !(conTab && c == '\t')) || c == 0x7F)
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// The 7-digit rounding of the file: the relative change stays within half a unit of the
// seventh digit, plus the float rounding of the value read back.
bool Cercanos(float a, float b) {
    if (a == b) return true;
    const double da = a, db = b;
    return std::fabs(da - db) <= 6e-7 * std::fmax(std::fabs(da), std::fabs(db)) + 1e-44;
}

void ComparaReales(const ProyectoMur& a, const ProyectoMur& b, const std::string& texto) {
    const float ra[] = {a.beta, a.sobrec, a.reac, a.altDent, a.anchDent, a.ancho, a.altura,
                        a.altZap, a.dsz, a.punta, a.talon, a.phi1, a.phi2, a.gamma1, a.gamma2,
                        a.cohes, a.padm};
    const float rb[] = {b.beta, b.sobrec, b.reac, b.altDent, b.anchDent, b.ancho, b.altura,
                        b.altZap, b.dsz, b.punta, b.talon, b.phi1, b.phi2, b.gamma1, b.gamma2,
                        b.cohes, b.padm};
    for (std::size_t k = 0; k < sizeof ra / sizeof ra[0]; ++k)
        if (!Cercanos(ra[k], rb[k]) || std::signbit(rb[k]) != std::signbit(ra[k]))
            Falla("a real changed more than 7 digits allow", std::to_string(k) + "\n" + texto);
}

void CompruebaNumero(float v) {
    const std::string t = tarelvo::NumeroMur(v);
    if (t.size() < 3 || (t[0] != ' ' && t[0] != '-') || t.back() != ' ')
        Falla("bad number text", t);
    if (t.find_first_not_of(" -+.0123456789E") != std::string::npos) Falla("bad number text", t);
    double leido = 0;
    if (!numtext::parseWhole(t, leido)) Falla("number text does not read back", t);
    const float esperado = std::isfinite(v) ? v : 0.0f;
    if (!Cercanos(static_cast<float>(leido), esperado))
        Falla("number text reads back a different value", t);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 4) {
        float v;
        std::memcpy(&v, data, sizeof v);
        CompruebaNumero(v);
    }

    const std::string_view entrada(reinterpret_cast<const char*>(data), size);
    const tarelvo::LecturaMur primera = tarelvo::LeeMur(entrada);
    if (!primera.ok) {
        if (primera.error.empty() || !TextoLimpio(primera.error))
            Falla("refusal without a clean message", primera.error);
        return 0;
    }
    if (!primera.error.empty()) Falla("a read with an error message", primera.error);
    const ProyectoMur& p1 = primera.proyecto;
    if (!TextoLimpio(p1.titulo, true))
        Falla("title is not clean UTF-8", p1.titulo);

    const std::string texto1 = tarelvo::EscribeMur(p1);
    const tarelvo::LecturaMur segunda = tarelvo::LeeMur(texto1);
    if (!segunda.ok) Falla("a written project is refused", segunda.error + "\n" + texto1);
    const ProyectoMur& p2 = segunda.proyecto;
    if (p2.titulo != p1.titulo || p2.formaMuro != p1.formaMuro || p2.pasiva != p1.pasiva ||
        p2.comboFc != p1.comboFc || p2.comboFy != p1.comboFy || p2.zapCentrada != p1.zapCentrada)
        Falla("title or an integer changed", texto1);
    ComparaReales(p1, p2, texto1);

    const std::string texto2 = tarelvo::EscribeMur(p2);
    if (texto2 != texto1) Falla("the second write differs", texto1 + "\n" + texto2);
    const tarelvo::LecturaMur tercera = tarelvo::LeeMur(texto2);
    if (!tercera.ok || tercera.proyecto != p2) Falla("the second read differs", texto2);
    return 0;
}
