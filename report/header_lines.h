// The lines of a page header or footer. Its three parts (left, centre, right) each wrap
// within the room the others leave them, so that no part runs off the page or over another;
// a part with more lines than the margin holds is cut, its last line ending in an ellipsis.
#pragma once

#include <array>

#include <QStringList>

#include "report/display_list.h"

namespace tarelvo {

// `parts`: the texts of the left, centre and right parts (missing ones are empty), page
// numbers already in them. `width`: from the left margin to the right one. `maxLines`: the
// most lines one part may have; at least one is always kept.
std::array<QStringList, 3> HeaderLines(const PageFont& font, const QStringList& parts,
                                       double width, int maxLines);

}  // namespace tarelvo
