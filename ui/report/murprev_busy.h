// The busy pointer for as long as the report window works on the pages.
#pragma once

#include <QGuiApplication>

namespace tarelvo {

class MurPrevOcupado {
public:
    MurPrevOcupado() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~MurPrevOcupado() { QGuiApplication::restoreOverrideCursor(); }
    MurPrevOcupado(const MurPrevOcupado&) = delete;
    MurPrevOcupado& operator=(const MurPrevOcupado&) = delete;
};

}  // namespace tarelvo
