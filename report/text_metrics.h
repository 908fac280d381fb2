// Fonts and text measures in twips. A font is sized in pixels of one twip each, so the same
// QFont measures the page and draws it on any painter that maps twips to its device.
#pragma once

#include <QFont>
#include <QString>

#include "report/display_list.h"

namespace tarelvo {

// The point size actually used: a size that is not a number, or below 1 point, is 1 point or
// 10 points; sizes above 1000 points are 1000.
double UsableFontSize(double points);

QFont TwipsFont(const FontSpec& spec);

double TextWidth(const FontSpec& spec, const QString& text);
// Height of one line of text, leading included.
double LineHeight(const FontSpec& spec);
double Ascent(const FontSpec& spec);

}  // namespace tarelvo
