// Number text: reading numbers typed by the user or stored in files, and
// writing them with the display patterns used throughout the program.
//
// Neither direction depends on the C or C++ locale: the decimal separator is
// always '.', and no thousands separators are read or written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace numtext {

// The outcome of reading a number at the start of a text.
struct Reading {
    double value = 0.0;      // the number read; 0 when not found or on overflow
    bool found = false;      // a number was found at the start of the text
    bool overflow = false;   // the number was too large for a double
    std::size_t length = 0;  // characters consumed, leading blanks included;
                             // 0 when no number was found
};

// Reads the number at the start of `text`: leading blanks (spaces and tabs)
// are skipped, then the longest prefix of the form
//     [+|-] digits [. digits] [(e|E) [+|-] digits]
// is taken, where digits may be missing on one side of the point ("5.", ".5")
// but not on both. An exponent without digits ("1e", "1e+") is not part of the
// number. Whatever follows the number is ignored ("0.3abc" reads 0.3).
// No number at all reads 0 with found == false. Magnitudes too large for a
// double read 0 with overflow == true; too small ones read 0 (or a denormal).
// "nan", "inf", hexadecimal and ',' as decimal point are never read.
// The value is the correctly rounded double nearest to the decimal text.
Reading parse(std::string_view text);

// parse(text).value: the number at the start of the text, or 0.
double read(std::string_view text);

// Reads a text that must be exactly one number, optionally surrounded by
// blanks, and representable as a finite double. Returns false, leaving `out`
// unchanged, for an empty text, trailing garbage or overflow.
bool parseWhole(std::string_view text, double& out);

// Reads a number typed by an engineer: parseWhole, where a ',' may stand for the decimal point
// ("2,5" reads 2.5), as Spanish-speaking users write it. A text with both ',' and '.', or
// with two commas, is refused: it could hold a thousands separator.
bool parseTyped(std::string_view text, double& out);

// Writes `value` following a display pattern:
//   '0' before the point   an integer digit that is always shown (so "00"
//                          pads to two digits); '#' there is an optional
//                          place and never pads,
//   '.'                    the decimal point; it is written whenever the
//                          pattern has one, even if no decimals remain,
//   '0' after the point    a decimal that is always shown,
//   '#' after the point    a decimal that is dropped when it is a trailing 0.
// Any other character is ignored. Examples:
//   "0.00"   0.2 -> "0.20"     "##0.00" same as "0.00"
//   "#0.##"  1 -> "1."  1.1 -> "1.1"  1.25 -> "1.25"
//   "####"   209.5 -> "210"    "0.0"  30 -> "30.0"
// The text always has at least one digit (0 with "####" gives "0").
// Rounding is half away from zero, decided on the exact binary value of
// `value`: 0.125 gives "0.13", while 2.675 (stored as 2.67499999...) gives
// "2.67". A result that rounds to zero never carries a minus sign.
// NaN and infinities give an empty text.
std::string format(double value, std::string_view pattern);

}  // namespace numtext
