// The title line of a project file, both ways, and how long a title may be. The writer puts
// down only what the reader takes back unchanged. Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarelvo {

// The longest title, in UTF-16 units as the window's title field counts them. Even written
// with three bytes a unit it keeps a project file far below what the reader accepts.
constexpr std::size_t kLargoTitulo = 250;

// The title as the file holds it: control characters (C0 but tab, DEL and C1, e.g. a pasted
// U+0085) become blanks, bytes that are not UTF-8 become '?', and byte order marks at its
// start, which the reader drops, are left out. TituloDeArchivo takes this text back as it is.
std::string TituloParaArchivo(std::string_view titulo);

// Reads the title line (without its line end) into UTF-8: taken as it is when it is UTF-8,
// else as Windows-1252 (older files). False when it holds C1 controls or bytes that
// Windows-1252 leaves undefined. C0 controls are the caller's to refuse.
bool TituloDeArchivo(std::string_view linea, std::string& titulo);

// The length of a UTF-8 text in UTF-16 units: a character beyond U+FFFF counts two, a byte
// that is not UTF-8 one.
std::size_t LargoUtf16(std::string_view texto);

// The text cut to at most `maximo` UTF-16 units, never inside a character, as a field that
// holds no more keeps it.
std::string RecortaUtf16(std::string_view texto, std::size_t maximo);

}  // namespace tarelvo
