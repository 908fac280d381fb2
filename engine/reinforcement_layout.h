// The reinforcement layout step: the secondary steel areas, the seven bar descriptions in
// their order, and the "Area" and "Mom" columns of the reinforcement form.
#pragma once

#include <string>

#include "engine/bar_groups.h"

namespace tarelvo {

struct ColumnasRefuerzo {
    // "Area": interior vertical, interior horizontal, exterior vertical, exterior horizontal,
    // footing top, footing bottom, footing distribution (Label28 ... Label34).
    std::string area[7];
    // "Mom": stem base, heel, toe (Label38, Label40, Label41).
    std::string momMuro, momTalon, momPunta;
    std::string titulo;      // Label43
    std::string llave;       // Label46: the exterior vertical bars, repeated at the shear key
    std::string llaveBarras; // Label47: the bars of the shear key
};

// The secondary steel areas AsRep1 (the stem's horizontal and exterior vertical bars) and
// AsRep2 (the footing's distribution bars).
void AreasReparto(ProjectState& s);

// Run after the check and the bar preselection, before the reinforcement is shown or drawn.
ColumnasRefuerzo DistribuyeRefuerzo(ProjectState& s, GruposBarras& grupos,
                                    const std::string& titulo);

}  // namespace tarelvo
