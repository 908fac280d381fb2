// The outputs of tarelvo-calc that need Qt to draw: the report (--pdf) and the picture of the
// diagrams (--diag). The tool itself links no
// Qt library; a command line that asks for one of them is run by the desktop program tarelvo,
// which gives the tool its writers (app/calc_mode.h).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/bar_groups.h"
#include "engine/project_state.h"

namespace tarelvo {

// The options, each followed by its output file.
extern const std::vector<std::string> kOpcionesGraficas;

// Whether the arguments ask for one of those outputs.
bool PideSalidaGrafica(const std::vector<std::string>& args);

// Writes one output of the checked wall with its bars laid out; returns the error text for the
// user, empty when the whole file was saved.
using EscritorGrafico = std::function<std::string(
    const ProjectState& s, const GruposBarras& grupos, const std::string& ruta)>;

// The writers at hand, by option; a program built without Qt has none.
using SalidasGraficas = std::map<std::string, EscritorGrafico>;

}  // namespace tarelvo
