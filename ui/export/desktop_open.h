// Opening a saved file with the program the desktop has for its type.
#pragma once

#include <QString>

namespace tarelvo {

// Whether the desktop names a program for files like `ruta`. On desktops that follow the
// freedesktop rules "xdg-mime" says so; where it is missing, nothing can be told beforehand
// and the answer is yes.
bool HayProgramaPara(const QString& ruta);

// Opens `ruta` with that program; false when there is none, or it could not be started.
bool AbreConElEscritorio(const QString& ruta);

}  // namespace tarelvo
