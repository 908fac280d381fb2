// The "Memoria"'s load cases beyond the static one: the earthquake's own table and checks
// ("Caso sísmico"), and the rows the water behind the wall adds to the backfill's thrust.
// Every judgement is the verdict's own (EvaluaSismo), so the report cannot disagree with it.
#pragma once

#include <vector>

#include <QStringList>

#include "engine/project_state.h"
#include "report/report_memoria.h"

namespace tarelvo {

// "Caso sísmico": the forces of the earthquake and its four checks; none when Kh is 0.
std::vector<TablaMemoria> TablasSismo(const ProjectState& s);

// The water's rows of "Empuje del relleno": the table's level, the thrust the submerged
// backfill loses, the water's thrust and the uplift; none when Hw is 0.
std::vector<QStringList> FilasAguaEmpuje(const ProjectState& s);

}  // namespace tarelvo
