// The project file (".mur"): what it holds, and its text both ways. Plain C++, no Qt.
//
// A project file is four lines, each ended by CR LF:
//   1  the title, the whole line
//   2  FormaMuro Beta Sobrec Reac Pasiva AltDent AnchDent
//   3  Ancho (in metres) Altura AltZap Dsz Punta Talon Phi1 Phi2 Gamma1 Gamma2 Cohes
//   4  the F'c list position, the Fy list position, ZapCentrada, Padm
// then one line per further value, "Nombre=valor" with "." decimals (ValoresMur). A reader
// of the 22 numbers alone still reads the wall those lines describe, less what they add.
// Units are those of the project state, except the stem top thickness, kept in metres here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/method_options.h"
#include "files/mur_title.h"

namespace tarelvo {

// The values of the Nombre=valor lines; a value a file does not give is empty. New values
// go at the end of the table in mur_format.cpp, which writes and reads them all.
struct ValoresMur {
    std::optional<float> cohes1;   // Cohes1: backfill cohesion, t/m2
    std::optional<float> centro;   // Centro: the stem's base thickness field, m
    std::optional<int> conDent;    // ConDent: 1 "Incluye", 0 "No incluye"
    // DiamMuroIntVert ... DiamZapTransv: the bar lists' positions, written 1, 3/4, 1/2, 3/8.
    std::array<std::optional<int>, 7> diam;
    std::array<std::optional<float>, 3> separ;  // Separ1 ... Separ3: spacing boxes, m
    // FsMinVuelco ... Hw: the method options, in the order of OpcionesCalculo().
    std::array<std::optional<float>, kCantidadOpciones> opciones;
};
bool operator==(const ValoresMur& a, const ValoresMur& b);

// What a .mur file holds, in file units. The defaults are the default project.
struct ProyectoMur {
    std::string titulo;  // line 1, as stored (the program keeps UTF-8)

    // Line 2. formaMuro and pasiva are kept as read: the window takes any wall type other than
    // 0 and 1 as 2, and any pasiva other than 1 as "Despreciada".
    int formaMuro = 0;
    float beta = 0, sobrec = 0, reac = 0;
    int pasiva = 0;
    float altDent = 0, anchDent = 0;

    // Line 3; ancho is the stem top thickness in METRES (the state keeps centimetres).
    float ancho = 0.2f, altura = 1.0f, altZap = 0.25f, dsz = 0.5f, punta = 0.3f, talon = 0.3f;
    float phi1 = 30, phi2 = 30, gamma1 = 1.8f, gamma2 = 1.8f, cohes = 0;

    // Line 4: zero-based positions in the F'c list ("160" "180" "210" "240" "280" "300" "350")
    // and in the Fy list ("2800" "4200").
    int comboFc = 2, comboFy = 0, zapCentrada = 0;
    float padm = 0;

    ValoresMur valores;  // the lines after the fourth
};

bool operator==(const ProyectoMur& a, const ProyectoMur& b);
inline bool operator!=(const ProyectoMur& a, const ProyectoMur& b) { return !(a == b); }

// Entries in the F'c and Fy lists; a file position outside 0..count-1 is refused.
constexpr int kOpcionesFc = 7;
constexpr int kOpcionesFy = 2;

// A real as the file writes it: rounded half away from zero to 7 significant digits, in its
// shortest text (no trailing zeros, no point for whole values, no zero before the point below
// 1), preceded by a blank when not negative (the minus sign otherwise) and followed by a blank.
// Exponent form ("1E-04", "1.234568E+07") when the rounded magnitude is 1E+07 or more, or
// below 0.001. Examples: 0.2f " .2 ", 12.5f " 12.5 ", 0 " 0 ", -0.7f "-.7 ".
// Independent of the locale. NaN and infinities are written " 0 ": the file never holds them.
std::string NumeroMur(float v);

// An integer as the file writes it: " 1 ", "-3 ".
std::string EnteroMur(int v);

// The whole file: four lines, each ended by "\r\n", then "Nombre=valor\r\n" for each value
// given, in the table's order; reals in their shortest text that reads back as the same float. The title is written as TituloParaArchivo
// (files/mur_title.h) gives it, so that it stays one line and reads back unchanged; its
// length is the caller's to keep within kLargoTitulo (see FueraDeRango).
// Reals are written as they are; the reader refuses magnitudes above 1e6 (see LeeMur).
std::string EscribeMur(const ProyectoMur& p);

struct LecturaMur {
    bool ok = false;
    std::string error;      // when !ok: a Spanish sentence for the user
    ProyectoMur proyecto;   // when ok: what the file holds
    // When ok: the Nombre=valor lines that were left aside (an unknown name, a value that is
    // not one, a name given twice), one Spanish sentence each, for an "ATENCION" message.
    std::vector<std::string> avisos;
};

// Reads a project file.
//
// Line 1, up to the first CR LF, LF or lone CR, is the title. Leading UTF-8 byte order marks
// are dropped. A title that is not valid UTF-8 is taken as Windows-1252 (older files) and
// converted to UTF-8.
//
// Then come the 22 numbers in the order of the lines above. Numbers are separated by runs of
// blanks, tabs and line ends, which may hold a single comma; how they are split into lines
// does not matter. Blank lines after the last number are fine, as is a final Ctrl-Z.
//
// The file is refused, with a message naming the number at fault, when:
//   - it holds control characters other than tab and line ends (binary data),
//   - a number is missing, or two commas leave an empty place,
//   - an item is not entirely a number ("nan", "inf", "12abc", "1.5.2"),
//   - a real's magnitude exceeds 1e6, which includes numbers too large for a double: such
//     values are out of any sensible range for a wall, so the file is not a project,
//   - an integer item (FormaMuro, Pasiva, the two list positions, ZapCentrada) has decimals
//     or lies outside -32768..32767,
//   - a list position is not a position of its list,
//   - anything but blanks follows the 22nd number on its line,
//   - a later line that is not blank holds no "=".
// Every later line is "Nombre=valor", blanks around either allowed; a value may use "," as
// its decimal point. An unknown name, a value that is not one, or a name already given is
// left aside and named in `avisos`; the rest still loads.
// Any input is safe: the reader never crashes or hangs and takes linear time.
LecturaMur LeeMur(std::string_view contenido);

// The title and the 22 numbers alone, as a reader that knows nothing of the later lines takes
// them; `fin` is where the 22nd number ends. The file is refused as LeeMur refuses it, but
// for what follows the 22nd number.
LecturaMur LeeVeintidosDatos(std::string_view contenido, std::size_t& fin);

}  // namespace tarelvo
