// The texts and options of the main window's controls that hold the project, as plain values:
// what the window shows, and what the command-line tool keeps in the window's place.
#pragma once

#include <string>

namespace tarelvo {

struct CamposMuro {
    std::string titulo;
    // Text fields, as written or typed (metres, degrees, t/m3, t/m2).
    std::string altura, ancho, centro, altZap, punta, talon, dsz, altDent, anchDent;
    std::string phi1, gamma1, cohes1, phi2, gamma2, cohes;
    // Values set by the spins: backfill slope, axial load, surcharge, admissible pressure.
    std::string beta, reac, sobrec, padm;
    // The texts of the F'c and Fy lists.
    std::string fc, fy;
    // The footing-width label under the schematic (heel + toe + stem base).
    std::string anchoZapata;
    int formaMuro = 0;       // "TIPO DE MURO": 0 straight, 1 front battered, 2 back battered
    bool centrica = true;    // "POSICION ZAPATA": "Centrica" rather than "Excentrica"
    bool pasiva = false;     // "PRESION PASIVA": "Considerada"
    bool dentellon = false;  // "DENTELLON": "Incluye"
};

}  // namespace tarelvo
