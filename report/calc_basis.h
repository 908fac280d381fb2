// "Bases de cálculo": what the analysis assumes, in the words of the report and with the
// numbers it used for this wall. Every statement is what the engine does; the texts live here
// alone, one function a topic, so that options of the method can add to them.
#pragma once

#include <vector>

#include <QString>

#include "engine/project_state.h"

namespace tarelvo {

// The paragraphs of the section, in the order they print: earth pressure, bearing capacity,
// sliding, the structure, the requirements, and what is not considered.
std::vector<QString> BasesDeCalculo(const ProjectState& s);

}  // namespace tarelvo
