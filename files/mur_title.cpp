#include "files/mur_title.h"

#include <cstdint>

namespace tarelvo {

namespace {

// Length of the valid UTF-8 sequence at s[i], 0 when there is none. Overlong forms,
// surrogates and code points above U+10FFFF are not valid.
std::size_t LargoUtf8(std::string_view s, std::size_t i, std::uint32_t& cp) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    std::size_t n;
    std::uint32_t minimo;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        n = 2, cp = c & 0x1Fu, minimo = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3, cp = c & 0x0Fu, minimo = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4, cp = c & 0x07u, minimo = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3Fu);
    }
    if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void AgregaUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 0x80..0x9F; 0 where the code page leaves the byte undefined.
const std::uint16_t kWindows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

bool TituloDeArchivo(std::string_view linea, std::string& titulo) {
    bool utf8 = true;
    for (std::size_t i = 0; i < linea.size();) {
        std::uint32_t cp = 0;
        const std::size_t n = LargoUtf8(linea, i, cp);
        if (n == 0) {
            utf8 = false;
            break;
        }
        if (cp >= 0x80 && cp <= 0x9F) return false;  // C1 controls
        i += n;
    }
    if (utf8) {
        titulo.assign(linea);
        return true;
    }
    titulo.clear();
    titulo.reserve(linea.size() * 2);
    for (const char ch : linea) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            titulo += ch;
        } else if (c < 0xA0) {
            const std::uint16_t cp = kWindows1252[c - 0x80];
            if (cp == 0) return false;
            AgregaUtf8(titulo, cp);
        } else {
            AgregaUtf8(titulo, c);
        }
    }
    return true;
}

std::string TituloParaArchivo(std::string_view titulo) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    while (titulo.substr(0, kBom.size()) == kBom) titulo.remove_prefix(kBom.size());
    std::string out;
    out.reserve(titulo.size());
    for (std::size_t i = 0; i < titulo.size();) {
        std::uint32_t cp = 0;
        const std::size_t n = LargoUtf8(titulo, i, cp);
        if (n == 0) {
            out += '?';
            ++i;
            continue;
        }
        const bool control = (cp < 0x20 && cp != '\t') || (cp >= 0x7F && cp <= 0x9F);
        if (control)
            out += ' ';
        else
            out.append(titulo.substr(i, n));
        i += n;
    }
    return out;
}

std::size_t LargoUtf16(std::string_view texto) {
    std::size_t largo = 0;
    for (std::size_t i = 0; i < texto.size();) {
        std::uint32_t cp = 0;
        const std::size_t n = LargoUtf8(texto, i, cp);
        largo += n == 4 ? 2 : 1;
        i += n == 0 ? 1 : n;
    }
    return largo;
}

std::string RecortaUtf16(std::string_view texto, std::size_t maximo) {
    std::size_t largo = 0, i = 0;
    while (i < texto.size()) {
        std::uint32_t cp = 0;
        const std::size_t n = LargoUtf8(texto, i, cp);
        const std::size_t unidades = n == 4 ? 2 : 1;
        if (largo + unidades > maximo) break;
        largo += unidades;
        i += n == 0 ? 1 : n;
    }
    return std::string(texto.substr(0, i));
}

}  // namespace tarelvo
