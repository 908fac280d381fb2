// The wall as the last analysis sized it, in metres, each length held as the float every
// display formats: what the main window, the report and the drawing all show. A stem sized for shear is thicker than the minimum typed in its field, and
// its footing is wider by as much; showing the typed stem would show a wall that was never
// analysed.
#pragma once

#include "engine/project_state.h"

namespace tarelvo {

struct MuroAnalizado {
    float corona = 0;  // stem thickness at the top
    float base = 0;    // stem thickness at its foot
    float punta = 0;
    float talon = 0;   // what the footing leaves behind the stem's foot
    float zapata = 0;  // footing width: toe + stem foot + heel
};

// Before any analysis the thicknesses and Base are still zero: the stem is then the typed
// minimum, straight, and the footing the sum of its parts. After one, the heel is the rest of
// the analysed footing: a toe or heel field rewritten to the centimetre after the check must
// not move the stem's faces or the footing's end in a drawing.
inline MuroAnalizado MuroDeAnalisis(const ProjectState& s) {
    MuroAnalizado m;
    m.corona = static_cast<float>((s.EspTope > 0 ? s.EspTope : s.Ancho) / 100.0);
    m.base = s.EspBase > 0 ? static_cast<float>(s.EspBase / 100.0) : m.corona;
    m.punta = s.Punta;
    if (s.Base != 0) {
        m.zapata = s.Base;
        m.talon = static_cast<float>(static_cast<double>(m.zapata) - m.punta - m.base);
    } else {
        m.talon = s.Talon;
        m.zapata = static_cast<float>(static_cast<double>(m.punta) + m.base + m.talon);
    }
    return m;
}

}  // namespace tarelvo
