// Fonts and text measures in twips. A font is sized in pixels of one twip each, so the same
// QFont measures the page and draws it on any painter that maps twips to its device.
#pragma once

#include <QFont>
#include <QString>

#include "report/display_list.h"

namespace tarelvo {

// The point size actually used: 10 for a size that is not a number, else the size kept
// between 1 and 1000 points.
double UsableFontSize(double points);

QFont TwipsFont(const PageFont& f);

double TextWidth(const PageFont& f, const QString& text);
// Height of one line of text, leading included.
double LineHeight(const PageFont& f);
double Ascent(const PageFont& f);

}  // namespace tarelvo
