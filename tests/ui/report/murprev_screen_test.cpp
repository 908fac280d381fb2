// The report window on a small screen: it opens within the free area, never below its
// minimum, and its two rows of arrows tell pages from zoom.
#include <gtest/gtest.h>

#include <QPushButton>

#include "ui/report/murprev.h"
#include "ui/window_fit.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

TEST(PantallaDelInforme, OnA1366By768ScreenTheWindowFitsAndKeepsItsMinimum) {
    // 1366 x 768 less a 40-pixel panel at the bottom.
    const QRect libre(0, 0, 1366, 728);
    const QRect r = RectoEnPantalla(QSize(1200, 900), QSize(960, 640), libre, libre.center());
    EXPECT_GE(r.top(), kBarraTitulo);
    EXPECT_LE(r.bottom(), libre.bottom());
    EXPECT_GE(r.left(), 0);
    EXPECT_LE(r.right(), libre.right());
    EXPECT_EQ(r.size(), QSize(1200, 728 - kBarraTitulo));
    // Centred on a main window near the screen's edge, it is still pulled within it.
    const QRect orilla = RectoEnPantalla(QSize(1000, 600), QSize(640, 480), libre, QPoint(1300, 700));
    EXPECT_TRUE(libre.contains(orilla)) << orilla.x() << "," << orilla.y();
    // A screen smaller than the minimum: the minimum, from the free area's corner.
    const QRect chico = RectoEnPantalla(QSize(1200, 900), QSize(960, 640), QRect(0, 0, 800, 600),
                                        QPoint(400, 300));
    EXPECT_EQ(chico, QRect(0, kBarraTitulo, 960, 640));

    Muro muro;
    MurPrev w{muro.estado, [](MurPrevFuente&) { return true; }};
    EXPECT_GE(w.width(), 960);
    EXPECT_GE(w.height(), 640);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(w.cmdPage[static_cast<std::size_t>(i)]->toolTip().isEmpty());
        EXPECT_FALSE(w.cmdZoom[static_cast<std::size_t>(i)]->toolTip().isEmpty());
        EXPECT_NE(w.cmdPage[static_cast<std::size_t>(i)]->toolTip(),
                  w.cmdZoom[static_cast<std::size_t>(i)]->toolTip());
        EXPECT_NE(w.cmdPage[static_cast<std::size_t>(i)]->font(),
                  w.cmdZoom[static_cast<std::size_t>(i)]->font());
    }
}

}  // namespace
}  // namespace tarelvo::test
