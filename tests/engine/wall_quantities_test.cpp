// The concrete and steel of a wall per metre, worked out by hand for the start-up wall.
#include <gtest/gtest.h>

#include "engine/reinforcement_layout.h"
#include "engine/wall_quantities.h"
#include "engine_test_support.h"

namespace tarelvo::test {
namespace {

struct Muro {
    ProjectState s = Defaults();
    GruposBarras g;
    explicit Muro(bool dentellon) {
        if (dentellon) {
            s.ConDent = -1;
            s.AltDent = 0.5f;
            s.AnchDent = 0.2f;
        }
        FakeWindow w;
        ChequeaMuro(s, w, w);
        g.PreseleccionaBarras(s);
        DistribuyeRefuerzo(s, g, "");
    }
};

TEST(CantidadesMuro, StartUpWallByHand) {
    // Stem 0.20 x 1.00, footing 0.80 x 0.25, and a key of 0.50 x 0.20.
    EXPECT_NEAR(VolumenConcreto(Muro(false).s), 0.40, 1e-6);
    EXPECT_NEAR(VolumenConcreto(Muro(true).s), 0.50, 1e-6);

    // kg/m = bar area x 0.785 x metres of bar per metre of wall / spacing:
    //   1/2" a 0.30 interior verticals over 1.25 m     1.27 x 0.785 x 1.25 / 0.30 = 4.1540
    //   3/8" a 0.30 both horizontals over 1.00 m  2 x  0.71 x 0.785 x 1.00 / 0.30 = 3.7157
    //   3/8" a 0.30 exterior verticals over 1.25 m     0.71 x 0.785 x 1.25 / 0.30 = 2.3223
    //   1/2" a 0.28 footing top and bottom, 0.80 m 2 x 1.27 x 0.785 x 0.80 / 0.28 = 5.6969
    //   3/8" a 0.26 distribution, 2 layers of 0.80 m   0.71 x 0.785 x 1.60 / 0.26 = 3.4298
    const Muro sin(false);
    ASSERT_EQ(sin.g.etiqueta(GruposBarras::ZapataLongitudinal), "\xC3\xB8 3/8\" a 0.26");
    EXPECT_NEAR(PesoAcero(sin.s, sin.g), 19.3186, 1e-3);
    // The key adds the exterior verticals round it (2 x 0.50 + 0.20 m at 0.30) and two 3/8".
    const Muro con(true);
    EXPECT_NEAR(PesoAcero(con.s, con.g), 19.3186 + 2.2294 + 1.1147, 1e-3);
}

}  // namespace
}  // namespace tarelvo::test
