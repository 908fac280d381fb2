// What the construction drawing is drawn from, as plain values: the wall as the analysis sized
// it, the bars, the materials and the paper it has to fit on.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/bar_groups.h"
#include "engine/bar_schedule.h"
#include "engine/project_state.h"

namespace tarelvo {

struct DatosLamina {
    // Metres; `corona` and `base` are the stem's thickness at its top and at its foot.
    double punta = 0, talon = 0, corona = 0, base = 0, altZap = 0, altura = 0, dsz = 0;
    bool dentellon = false;
    double altDent = 0, anchDent = 0;
    int forma = 0;          // 0 straight stem, 1 front face inclined, 2 back face inclined
    double beta = 0;        // backfill slope, degrees
    std::array<std::string, GruposBarras::kGrupos> barras;  // the seven bar descriptions
    std::string titulo;
    double fc = 210, fy = 4200;  // kg/cm2
    double recub = 7;            // cm, from the face to the bars' axis, as the design takes it
    double gammaC = 2.4;         // t/m3
    std::vector<FilaPlanilla> planilla;  // drawn only where the schedule is wanted
    double hojaAncho = 0.190, hojaAlto = 0.277;  // paper the drawing must fit, metres
};

// From the analysed project; the schedule is left empty.
DatosLamina DatosDeProyecto(const ProjectState& s,
                            const std::array<std::string, GruposBarras::kGrupos>& barras);

}  // namespace tarelvo
