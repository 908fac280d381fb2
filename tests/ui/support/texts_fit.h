// Whether every text a window shows fits its control: the names of the controls whose text is
// cut at the window's present size.
#pragma once

#include <QStringList>

class QWidget;

namespace tarelvo::test {

QStringList TextosCortados(QWidget* ventana);

}  // namespace tarelvo::test
