// Rendering composed pages: a page's display list replayed on any painter (a printer, a PDF
// file, a preview widget, an image).
#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

#include "report/display_list.h"

class QPainter;

namespace tarelvo {

class PageDocument;

// Replays the page on a painter whose coordinates are page twips.
void PaintPageItems(QPainter& painter, const Page& page);

// Paints the sheet, white paper and then the page, scaled to fill `target`.
void PaintPage(QPainter& painter, const Page& page, const QSizeF& pageTwips,
               const QRectF& target);

// Page `index` (from 0) of the document as an image at `dpi` dots per inch; a null image for
// a page that does not exist.
QImage RenderPageImage(const PageDocument& doc, int index, double dpi);

}  // namespace tarelvo
