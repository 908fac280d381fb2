// The four diagrams of a checked wall as a PNG picture, for the command line.
#pragma once

#include <string>

#include "engine/project_state.h"

namespace tarelvo {

// The PNG bytes of the diagrams at `ancho` × `alto` pixels; empty if the picture could not be
// made. Runs an off-screen Qt application of its own when none is running.
std::string DiagramasPng(const ProjectState& s, int ancho = 2000, int alto = 1500);

}  // namespace tarelvo
