// What the main window shows of the wall the last check analysed: the stem thickness it used
// beside a thickness field that holds a different one, and the footing width under the
// footing. The fields keep what the user typed; these captions say what was computed.
#pragma once

#include <QString>

#include "engine/project_state.h"

namespace tarelvo {

struct EspesorUsado {
    bool visible = false;
    QString texto;  // "usado 0.32"; kept while hidden
};

struct MuroMostrado {
    EspesorUsado tope;  // beside Ancho
    EspesorUsado base;  // beside Centro
    QString zapata;     // Label4: the analysed footing width, "0.00"
};

// `ancho` and `centro` are the numbers in the Ancho and Centro fields, metres. A caption shows
// only while the analysed thickness, written as the window writes lengths, differs from the
// field's.
MuroMostrado MuroDeChequeo(const ProjectState& s, double ancho, double centro);

}  // namespace tarelvo
