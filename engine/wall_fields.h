// The texts and options of the main window's controls that hold the project, as plain values:
// what the window shows, and what the command-line tool keeps in the window's place.
#pragma once

#include <string>
#include <tuple>

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

// The same project on screen: every text and option but the width label, which a check
// rewrites without any change of the data.
inline bool MismosDatos(const CamposMuro& a, const CamposMuro& b) {
    auto datos = [](const CamposMuro& c) {
        return std::tie(c.titulo, c.altura, c.ancho, c.centro, c.altZap, c.punta, c.talon, c.dsz,
                        c.altDent, c.anchDent, c.phi1, c.gamma1, c.cohes1, c.phi2, c.gamma2,
                        c.cohes, c.beta, c.reac, c.sobrec, c.padm, c.fc, c.fy, c.formaMuro,
                        c.centrica, c.pasiva, c.dentellon);
    };
    return datos(a) == datos(b);
}

}  // namespace tarelvo
