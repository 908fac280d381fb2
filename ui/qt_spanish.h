// Qt's own texts in Spanish: the buttons of the message boxes and the file, font and colour
// dialogs ("Cancelar", "Guardar", ...), from the translations Debian installs for Qt.
#pragma once

class QCoreApplication;

namespace tarelvo {

// Installs Qt's Spanish translation into the application; false when it is not installed.
bool InstalaTraduccionQt(QCoreApplication& app);

}  // namespace tarelvo
