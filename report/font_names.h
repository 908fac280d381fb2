// "Arial", the program's font, as this machine draws it: Liberation Sans, metric-compatible,
// stands in for it when Arial itself is not installed.
#pragma once

#include <QFont>
#include <QString>

#include "report/display_list.h"

namespace tarelvo {

// Makes every font asked for as "Arial" draw as Liberation Sans when Arial is missing.
void SustituyeArial();

// The installed family that draws `familia`.
QString FamiliaInstalada(const QString& familia);

// The font a font dialog opens on for a style's font: the installed family, its size and its
// bold and italic, so that the dialog shows the style as it is.
QFont FuenteParaDialogo(const PageFont& f);
// What a font dialog's choice makes of a style's font. A choice of the family that stood in
// for the style's own keeps the style's name, so a dialog confirmed unchanged changes nothing.
void AplicaFuenteDeDialogo(const QFont& elegida, PageFont& f);

}  // namespace tarelvo
