// Placing a window on the screen it opens on: no larger than the screen's free area (its title
// bar included), never below the window's minimum, and wholly within that area when it can be.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace tarelvo {

// Room kept for the window frame's title bar above the client area.
constexpr int kBarraTitulo = 32;

// The client rectangle for a window that would like `deseado`, may not be below `minimo`, and
// opens centred on `centro` within the free area `disponible`.
QRect RectoEnPantalla(QSize deseado, QSize minimo, const QRect& disponible, QPoint centro);

// Sizes and places `w` (wishing for `deseado`) on the screen of `cerca`, or its own, centred
// on `cerca` when given.
void ColocaEnPantalla(QWidget* w, QSize deseado, const QWidget* cerca = nullptr);

}  // namespace tarelvo
