// Alt with a letter is a command's accelerator. When no command takes it (its button is
// disabled, or no button has that letter) Qt hands the key to the focused text box, which
// would insert the bare letter into a number the engineer typed: "0.c20" after Alt+C.
#pragma once

class QCoreApplication;

namespace tarelvo {

// Keeps Alt and a printable key out of every text box of the application, once.
void SinLetrasDeAlt(QCoreApplication& app);

}  // namespace tarelvo
