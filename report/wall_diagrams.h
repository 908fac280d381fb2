// The four diagrams of a checked wall, drawn as vectors on a page beside a small outline of
// the wall: the earth pressures on the wall, the soil pressure under the footing, and the
// shear and moment along the stem with the steel each section needs. The diagrams window,
// the report's "Diagramas" page and the command line's picture all draw with this.
#pragma once

#include <QRectF>

#include "engine/diagramas.h"
#include "engine/project_state.h"
#include "report/page_document.h"

namespace tarelvo {

// Draws within `area` (page twips) on the current page; keeps the document's font, pen and
// brush as it found them. A wide area has the wall down its left side and the diagrams in two
// rows beside it; an upright one has the wall and the earth pressures across its top, the soil
// pressure below them, and the shear and moment side by side at the bottom.
void DibujaDiagramas(PageDocument& doc, const ProjectState& s, const Diagramas& d,
                     const QRectF& area);

}  // namespace tarelvo
