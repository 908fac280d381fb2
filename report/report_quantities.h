// The "Cantidades" section of the Memoria: the concrete and steel of a metre of wall and the
// bar schedule ("Planilla de armaduras") they come from, with the marks the drawings use.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "report/report_memoria.h"

namespace tarelvo {

// The totals (as the batch's VolConcreto and PesoAcero), then the schedule with a last row of
// its total weight. `barras`: the seven bar descriptions, in GruposBarras order.
std::vector<TablaMemoria> TablasCantidades(
    const ProjectState& s, const std::array<std::string, GruposBarras::kGrupos>& barras);

}  // namespace tarelvo
