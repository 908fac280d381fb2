// The limits of the window's fields applied to a project file before it is loaded, so that a
// file cannot bring in a value the window would not keep. Plain C++, no Qt.
#pragma once

#include <string>

#include "files/mur_format.h"

namespace tarelvo {

// Sets each value of `p` that its field, as it shows it ("0.00"), would hold below the field's
// lower limit or above the input's upper limit (engine/field_limits.h) to that limit; the
// spins' values are kept within 0 and their maximum. The key's fields count only when the
// file includes a key. Returns one line for each value set, naming it, its limit, what the
// file holds and what is taken, or an empty text.
std::string AjustaALimites(ProyectoMur& p);

}  // namespace tarelvo
