// Numbers read from and written to the window's fields, by the shared field rules.
#pragma once

#include <QLineEdit>
#include <QString>

#include "engine/field_rules.h"

namespace tarelvo {

inline std::string Std(const QString& text) { return text.toStdString(); }
inline double Num(const QString& text) { return NumeroDe(Std(text)); }
inline double Num(const QLineEdit* f) { return Num(f->text()); }
// "0.00"
inline QString Fmt(double v) { return QString::fromStdString(TextoCampo(v)); }
// What a field's change handler stores from its text.
inline float Guarda(const QString& text) { return NumeroCampo(Std(text)); }
inline float Guarda(const QLineEdit* f) { return Guarda(f->text()); }

}  // namespace tarelvo
