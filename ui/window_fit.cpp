#include "ui/window_fit.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tarelvo {

QRect RectoEnPantalla(QSize deseado, QSize minimo, const QRect& disponible, QPoint centro) {
    // The client area: the free area less the title bar.
    const QRect libre = disponible.adjusted(0, kBarraTitulo, 0, 0);
    const int ancho = std::max(minimo.width(), std::min(deseado.width(), libre.width()));
    const int alto = std::max(minimo.height(), std::min(deseado.height(), libre.height()));
    int x = centro.x() - ancho / 2, y = centro.y() - alto / 2;
    // Kept within the free area; a window larger than it keeps its top-left corner on screen.
    x = std::max(libre.left(), std::min(x, libre.right() + 1 - ancho));
    y = std::max(libre.top(), std::min(y, libre.bottom() + 1 - alto));
    return QRect(x, y, ancho, alto);
}

void ColocaEnPantalla(QWidget* w, QSize deseado, const QWidget* cerca) {
    const QScreen* pantalla = cerca && cerca->screen() ? cerca->screen() : w->screen();
    if (!pantalla) pantalla = QGuiApplication::primaryScreen();
    if (!pantalla) return;
    const QRect disponible = pantalla->availableGeometry();
    const QPoint centro = cerca && cerca->isVisible()
                              ? cerca->frameGeometry().center()
                              : disponible.center();
    w->setGeometry(RectoEnPantalla(deseado, w->minimumSize(), disponible, centro));
}

}  // namespace tarelvo
