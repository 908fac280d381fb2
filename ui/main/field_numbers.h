// Numbers read from and written to the window's fields, by the program's number-text rules.
#pragma once

#include <QLineEdit>
#include <QString>
#include <algorithm>
#include <limits>

#include "common/number_text.h"

namespace tarelvo {

inline double Num(const QString& text) { return numtext::read(text.toStdString()); }
inline double Num(const QLineEdit* f) { return Num(f->text()); }
// "0.00"
inline QString Fmt(double v) { return QString::fromStdString(numtext::format(v, "0.00")); }
// A typed number as the state keeps it: a float, saturated rather than infinite.
inline float F(double v) {
    const double m = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(v, -m, m));
}

}  // namespace tarelvo
