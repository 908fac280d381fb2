// DXF writer: builds, in memory, a drawing exchange file that holds only an
// ENTITIES section, and saves it to disk.
//
// The file is Windows-1252 text with CR LF line ends. Every group code and
// every value stands on a line of its own, in one of four line kinds:
//   code    the group code (or a small integer value) with a blank on each
//           side: " 0 ", " 10 ", " 1070 "
//   text    the string itself, converted from UTF-8 to Windows-1252
//   single  a float32 value in the general number form, at most 7
//           significant digits
//   double  a float64 value in the general number form, at most 15
//           significant digits
// General number form: a blank for the sign of zero and positive values, "-"
// for negative ones; the value rounded to the kind's significant digits (half
// away from zero, on the exact binary value) with trailing zeros dropped; no
// point for whole values, no zero before the point below one; always "." as
// decimal separator; never an exponent; one trailing blank.
//   2 -> " 2 "    2.25 -> " 2.25 "    0.03 -> " .03 "    -0.5 -> "-.5 "
//
// Every entity lies on layer "0" and has no handle, colour or line type; every
// z is written as the single-kind 0.
#pragma once

#include <string>
#include <string_view>

#include "export/drawing_target.h"

namespace tarelvo {

// The text of one number line without its CR LF, e.g. " 4.95000019073486 ".
// A NaN or an infinity is written " 0 "; `finite`, when given, tells which.
std::string dxfNumberText(Num n, bool* finite = nullptr);

// The Windows-1252 bytes of a UTF-8 text. Characters without a Windows-1252
// byte, invalid UTF-8 and CR or LF (which would split the line) become '?'.
std::string toWindows1252(std::string_view utf8);

// The original form of the drawing. It keeps every entity on layer "0", so it
// takes no notice of capa().
class DxfWriter : public DestinoDibujo {
public:
    // Fixed sizes of the drawing, in drawing units.
    static constexpr double kRingRadius = 0.03;   // CIRCLE radius
    static constexpr double kTextHeight = 0.03;   // TEXT height
    static constexpr double kDotWidth = 0.0125;   // POLYLINE start and end width
    static constexpr double kDotHalfSpan = 0.00625;  // vertex offset from the dot centre

    // 0 SECTION 2 ENTITIES.
    void sectionHeader();
    // 0 ENDSEC 0 EOF.
    void sectionTrailer();

    // LINE from (x1, y1) to (x2, y2).
    void line(Num x1, Num y1, Num x2, Num y2) override;
    // CIRCLE of radius kRingRadius centred on (x, y).
    void circle(Num x, Num y) override;
    // TEXT of height kTextHeight whose base line starts at (x, y).
    void text(Num x, Num y, std::string_view utf8) override;
    // TEXT right-aligned: the left form, then 72 = 2 and the alignment point
    // (x2, y2) where the text ends.
    void textRight(Num x, Num y, Num x2, Num y2, std::string_view utf8) override;
    // Closed two-vertex POLYLINE of width kDotWidth, with its two VERTEX
    // records at (xc -/+ kDotHalfSpan, yc), both with `bulge`, and SEQEND.
    // The vertex x values are formed in float64 and written with the double
    // kind.
    void barDot(double xc, Num yc, Num bulge) override;
    // Linear DIMENSION naming block "*D7": (xd, yd) on the dimension line,
    // written again as the text mid-point, extension-line origins (x1, y1)
    // and (x2, y2), the angle, and the fixed dimension-style extended data.
    void dimension(DimAxis axis, Num xd, Num yd, Num x1, Num y1, Num x2, Num y2) override;

    // The file so far.
    const std::string& bytes() const { return bytes_; }

    // False once a NaN or an infinity has been given; it was written as 0.
    bool valid() const { return error_.empty(); }
    // Why the drawing is not valid, as a Spanish phrase that save() puts
    // after "No se puede crear el archivo <path>: "; empty when valid.
    const std::string& error() const { return error_; }

    // Writes bytes() to `path` as saveExportFile does. Refuses a drawing
    // that is not valid(). Returns empty on success, else a Spanish message
    // naming `path` and the cause.
    std::string save(const std::string& path) const;

private:
    void code(int c);
    void textLine(std::string_view utf8);
    void number(Num n, const char* record);
    void zero();

    std::string bytes_;
    std::string error_;
};

// Writes `data` to `path` through the program's safe save
// (GuardaArchivoSeguro in files/safe_save.h): never a partial file in place
// of a good one, links followed, devices written and not replaced, a
// read-only file refused. Returns empty on success, else the message every
// failed save gives (MensajeGuardado in files/file_io.h).
std::string saveExportFile(const std::string& path, std::string_view data);

// The cause of a failed start of a program (a folder to enter, a program to
// run), in Spanish for the common cases (permiso denegado, carpeta
// inexistente), else strerror's text. Saves say theirs with TextoErrorArchivo.
std::string fileErrorCause(int errnoValue);

}  // namespace tarelvo
