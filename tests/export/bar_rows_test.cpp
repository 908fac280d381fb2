#include "export/bar_rows.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using tarelvo::EspaciadoDe;
using tarelvo::Fila;

TEST(FilaBarras, SpacingReadBackFromADescription) {
    EXPECT_DOUBLE_EQ(EspaciadoDe("ø 1/2\" a 0.25"), 0.25);
    // Ten metres or more: the last four characters alone would read 2.5 and .00.
    EXPECT_DOUBLE_EQ(EspaciadoDe("ø 1/2\" a 12.50"), 12.5);
    EXPECT_DOUBLE_EQ(EspaciadoDe("ø 1/2\" a 10.00"), 10.0);
    for (const char* nada : {"", "ø 1/2\" a 0.00", "varilla corrugada", "ø 1/2\" a ø"}) EXPECT_EQ(EspaciadoDe(nada), 0.0) << nada;
}

TEST(FilaBarras, CountStepAndTheRowsWithRoomForOneBar) {
    const auto muro = Fila(1.0, 0.30, 0.0675);
    EXPECT_EQ(muro.n, 4);
    EXPECT_EQ(muro.paso, (1.0 - 0.0675) / 3);
    EXPECT_EQ(muro.separacion, 0.30);
    EXPECT_EQ(Fila(0.9f, 0.30, 0.0675).n, 3);  // the float32 0.9 is a little under 0.9

    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    for (const double s : {12.5, 0.0, -0.3, nan, inf}) {
        const auto f = Fila(0.8f, s, 0.085);
        EXPECT_EQ(f.n, 1) << s;
        EXPECT_EQ(f.paso, 0.0) << s;
        EXPECT_NEAR(f.separacion, 0.715, 1e-7) << s;
    }
    for (const double largo : {0.05, -1.0, nan, inf}) EXPECT_EQ(Fila(largo, 0.30, 0.0675).separacion, 0.0) << largo;

    const auto fina = Fila(1.0, 1e-9, 0.0675);  // capped, still spread over the whole row
    EXPECT_EQ(fina.n, tarelvo::kMaxPuntosFila);
    EXPECT_NEAR(fina.paso * (fina.n - 1), 1.0 - 0.0675, 1e-12);
}

}  // namespace
