#include "export/dxf_writer.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <system_error>

#include "files/safe_save.h"

namespace tarelvo {

namespace {

constexpr const char* kEol = "\r\n";

// Significant digits of |value| rounded half away from zero to `precision`
// digits, trailing zeros dropped, and the decimal exponent of the first one
// (value ~ 0.d1d2... * 10^(exponent + 1)). `value` must be finite and > 0.
void RoundedDigits(double value, int precision, std::string& digits, int& exponent) {
    // A double's exact decimal expansion has at most 767 significant digits,
    // so 800 decimals print it exactly: the rounding below then decides on
    // the true binary value, and a tie (a 5 followed only by zeros) really is
    // one. Printing straight at `precision` would round ties to even.
    constexpr int kExactDecimals = 800;
    char buf[kExactDecimals + 32];
    const auto printed =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, kExactDecimals);
    const char* const end = printed.ptr;
    const char* e = buf;
    while (e < end && *e != 'e') ++e;
    int exp10 = 0;
    if (e + 1 < end) std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exp10);

    // Mantissa digits without the point: buf[0], then buf[2..e).
    std::string all(1, buf[0]);
    if (e - buf > 2) all.append(buf + 2, static_cast<std::size_t>(e - (buf + 2)));

    digits.assign(all, 0, static_cast<std::size_t>(precision));
    if (all.size() > static_cast<std::size_t>(precision) && all[static_cast<std::size_t>(precision)] >= '5') {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
        if (k == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exp10;
        } else {
            ++digits[k - 1];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    exponent = exp10;
}

// Windows-1252 bytes 0x80-0x9F and the characters they stand for; the other
// printable bytes are the Unicode code points of the same value.
struct HighByte {
    char32_t code;
    unsigned char byte;
};
constexpr HighByte kHighBytes[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
    {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
    {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
    {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
    {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
    {0x017E, 0x9E}, {0x0178, 0x9F},
};

char ToByte(char32_t cp) {
    if (cp == '\r' || cp == '\n' || cp == 0) return '?';  // would break the one-value-per-line layout
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (const auto& h : kHighBytes) {
        if (h.code == cp) return static_cast<char>(h.byte);
    }
    return '?';
}

}  // namespace

std::string dxfNumberText(Num n, bool* finite) {
    const bool ok = std::isfinite(n.v);
    if (finite) *finite = ok;
    if (!ok || n.v == 0.0) return " 0 ";  // also -0.0: the sign of zero is a blank

    std::string digits;
    int exponent = 0;
    RoundedDigits(std::fabs(n.v), n.kind == Num::Single ? 7 : 15, digits, exponent);

    std::string text;
    text.reserve(digits.size() + 8);
    text += n.v < 0 ? '-' : ' ';
    const auto count = static_cast<int>(digits.size());
    if (exponent >= 0) {
        // Whole part, padded with zeros past the significant digits.
        const int whole = exponent + 1;
        if (count <= whole) {
            text += digits;
            text.append(static_cast<std::size_t>(whole - count), '0');
        } else {
            text.append(digits, 0, static_cast<std::size_t>(whole));
            text += '.';
            text.append(digits, static_cast<std::size_t>(whole), std::string::npos);
        }
    } else {
        text += '.';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    text += ' ';
    return text;
}

std::string toWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += ToByte(lead);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1; cp = lead & 0x1Fu; min = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2; cp = lead & 0x0Fu; min = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3; cp = lead & 0x07u; min = 0x10000;
        } else {
            out += '?';  // stray continuation byte or a lead byte that UTF-8 never uses
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        int got = 0;
        while (got < extra && j < n && (static_cast<unsigned char>(utf8[j]) & 0xC0u) == 0x80u) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3Fu);
            ++j;
            ++got;
        }
        const bool valid = got == extra && cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        out += valid ? ToByte(cp) : '?';
        i = j;
    }
    return out;
}

void DxfWriter::code(int c) {
    bytes_ += ' ';
    bytes_ += std::to_string(c);
    bytes_ += ' ';
    bytes_ += kEol;
}

void DxfWriter::textLine(std::string_view utf8) {
    bytes_ += toWindows1252(utf8);
    bytes_ += kEol;
}

void DxfWriter::number(Num n, const char* record) {
    bool finite = true;
    bytes_ += dxfNumberText(n, &finite);
    bytes_ += kEol;
    if (!finite && error_.empty()) {
        error_ = std::string("el dibujo tiene un valor numérico no válido en una entidad ") + record;
    }
}

void DxfWriter::zero() { number(S(0.0f), ""); }

void DxfWriter::sectionHeader() {
    code(0);
    textLine("SECTION");
    code(2);
    textLine("ENTITIES");
}

void DxfWriter::sectionTrailer() {
    code(0);
    textLine("ENDSEC");
    code(0);
    textLine("EOF");
}

void DxfWriter::line(Num x1, Num y1, Num x2, Num y2) {
    code(0);
    textLine("LINE");
    code(8);
    textLine("0");
    code(10);
    number(x1, "LINE");
    code(20);
    number(y1, "LINE");
    code(30);
    zero();
    code(11);
    number(x2, "LINE");
    code(21);
    number(y2, "LINE");
    code(31);
    zero();
}

void DxfWriter::circle(Num x, Num y) {
    code(0);
    textLine("CIRCLE");
    code(8);
    textLine("0");
    code(10);
    number(x, "CIRCLE");
    code(20);
    number(y, "CIRCLE");
    code(30);
    zero();
    code(40);
    number(D(kRingRadius), "CIRCLE");
}

void DxfWriter::text(Num x, Num y, std::string_view utf8) {
    code(0);
    textLine("TEXT");
    code(8);
    textLine("0");
    code(10);
    number(x, "TEXT");
    code(20);
    number(y, "TEXT");
    code(30);
    zero();
    code(40);
    number(D(kTextHeight), "TEXT");
    code(1);
    textLine(utf8);
}

void DxfWriter::textRight(Num x, Num y, Num x2, Num y2, std::string_view utf8) {
    text(x, y, utf8);
    code(72);
    code(2);
    code(11);
    number(x2, "TEXT");
    code(21);
    number(y2, "TEXT");
    code(31);
    zero();
}

void DxfWriter::barDot(double xc, Num yc, Num bulge) {
    code(0);
    textLine("POLYLINE");
    code(8);
    textLine("0");
    code(66);
    code(1);
    // The polyline's own point is the origin; only the vertices place the dot.
    code(10);
    zero();
    code(20);
    zero();
    code(30);
    zero();
    code(70);
    code(1);  // closed
    code(40);
    number(D(kDotWidth), "POLYLINE");
    code(41);
    number(D(kDotWidth), "POLYLINE");

    for (const double x : {xc - kDotHalfSpan, xc + kDotHalfSpan}) {
        code(0);
        textLine("VERTEX");
        code(8);
        textLine("0");
        code(10);
        number(D(x), "VERTEX");
        code(20);
        number(yc, "VERTEX");
        code(30);
        zero();
        code(42);
        number(bulge, "VERTEX");
    }

    code(0);
    textLine("SEQEND");
    code(8);
    textLine("0");
}

void DxfWriter::dimension(DimAxis axis, Num xd, Num yd, Num x1, Num y1, Num x2, Num y2) {
    code(0);
    textLine("DIMENSION");
    code(8);
    textLine("0");
    code(2);
    textLine("*D7");
    code(10);
    number(xd, "DIMENSION");
    code(20);
    number(yd, "DIMENSION");
    code(30);
    zero();
    // The text mid-point is the dimension-line point again.
    code(11);
    number(xd, "DIMENSION");
    code(21);
    number(yd, "DIMENSION");
    code(31);
    zero();
    code(13);
    number(x1, "DIMENSION");
    code(23);
    number(y1, "DIMENSION");
    code(33);
    zero();
    code(14);
    number(x2, "DIMENSION");
    code(24);
    number(y2, "DIMENSION");
    code(34);
    zero();
    code(50);
    code(axis == DimAxis::Vertical ? 90 : 0);

    // Dimension-style overrides; the CAD program builds the dimension's
    // graphics from them, so they are the same for every dimension.
    code(1001);
    textLine("ACAD");
    code(1000);
    textLine("DSTYLE");
    code(1002);
    textLine("{");
    code(1070);
    code(140);  // DIMTXT
    code(1040);
    number(D(0.03), "DIMENSION");
    code(1070);
    code(172);  // DIMTOFL
    code(1070);
    code(1);
    code(1070);
    code(147);  // DIMGAP
    code(1040);
    number(D(0.02), "DIMENSION");
    code(1070);
    code(287);  // DIMFIT
    code(1070);
    code(1);
    code(1070);
    code(44);  // DIMEXE
    code(1040);
    number(D(0.1), "DIMENSION");
    code(1070);
    code(271);  // DIMDEC
    code(1070);
    code(2);
    code(1070);
    code(41);  // DIMASZ
    code(1040);
    number(D(0.03), "DIMENSION");
    code(1002);
    textLine("}");
}

std::string fileErrorCause(int errnoValue) {
    switch (errnoValue) {
        case ENOSPC:
            return "disco lleno";
#ifdef EDQUOT
        case EDQUOT:
            return "cuota de disco agotada";
#endif
        case EACCES:
        case EPERM:
        case EROFS:
            return "permiso denegado";
        case ENOENT:
        case ENOTDIR:
            return "carpeta inexistente";
        case EISDIR:
            return "existe una carpeta con ese nombre";
        case ENAMETOOLONG:
            return "nombre demasiado largo";
        case ELOOP:
            return "los enlaces simbólicos del nombre forman un ciclo";
        case EFBIG:
            return "archivo demasiado grande para el disco";
        case ENXIO:
            return "el dispositivo no está listo";
        case EAGAIN:
            return "el archivo cambió mientras se guardaba";
        default:
            return std::system_category().message(errnoValue);
    }
}

std::string saveExportFile(const std::string& path, std::string_view data) {
    const ResultadoArchivo r = GuardaArchivoSeguro(path, data);
    return r.ok ? std::string() : MensajeGuardado(path, r);
}

std::string DxfWriter::save(const std::string& path) const {
    if (!valid()) return "No se puede crear el archivo " + path + ": " + error_;
    return saveExportFile(path, bytes_);
}

}  // namespace tarelvo
