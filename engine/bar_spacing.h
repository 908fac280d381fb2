// The rules on bar spacings: the clear space a bar needs beside the next one of its layer,
// and the range a spacing box of the reinforcement form accepts.
#pragma once

#include <string>

namespace tarelvo {

// The smallest clear spacing between parallel bars of one layer, cm, whatever their diameter.
constexpr double kLibreMinimo = 2.5;

// True when bars of `diametro` cm laid `separacion` m apart (centre to centre) leave between
// them a clear spacing of at least their diameter and of at least kLibreMinimo.
bool CabeBarra(double diametro, double separacion);

// The range of a spacing box, metres.
constexpr double kSeparacionMinima = 0.05;
constexpr double kSeparacionMaxima = 0.50;

// Reads a spacing box's text: one number from 0.05 to 0.50, with "," or "." as the decimal
// separator, blanks around it allowed. On success `normal` gets the text with a "." separator
// and without the blanks.
bool LeeSeparacion(const std::string& texto, std::string& normal);

// Why a spacing box refuses `texto` and keeps `anterior`.
std::string MensajeSeparacion(const std::string& texto, const std::string& anterior);

}  // namespace tarelvo
