// The window's steps that tarelvo-calc runs on a wall, each ending with its check, for the
// single wall and for every row of a batch alike: the pairs typed and the options clicked,
// "&Calculo", and the reinforcement as "&Refuerzo" leaves it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/headless_window.h"
#include "engine/bar_groups.h"

namespace tarelvo {

using Pares = std::vector<std::pair<std::string, std::string>>;

// The check that ends a step, as the window runs it: the fault's message, or empty.
std::string Chequea(ProjectState& s, HeadlessWindow& w);

// Types the pairs in their order, clicks the options, then checks. Returns the message of a
// pair that cannot be taken (nothing is checked then); otherwise the notices of the slope rule
// go to `avisos` and the check's fault, if any, to `falla`.
std::string TecleaPares(const Pares& pares, ProjectState& s, HeadlessWindow& w,
                        std::vector<std::string>& avisos, std::string& falla);

// "&Calculo": the footing design, then its check into `falla`. Returns the design's own fault,
// after which there is nothing new to check.
std::string Disena(ProjectState& s, HeadlessWindow& w, std::string& falla);

// The wall checked again, the bars in w.grupos preselected (unless they were given) and laid
// out with the spacing boxes as given (0.30 otherwise). Returns the check's fault, or empty.
std::string Refuerza(ProjectState& s, HeadlessWindow& w);

}  // namespace tarelvo
