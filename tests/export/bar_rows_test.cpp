#include "export/bar_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using tarelvo::EspaciadoDe;
using tarelvo::Fila;

TEST(EspaciadoDe, ReadsTheNumberTheDescriptionEndsWith) {
    EXPECT_DOUBLE_EQ(EspaciadoDe("ø 1/2\" a 0.25"), 0.25);
    EXPECT_DOUBLE_EQ(EspaciadoDe("ø 3/8\" a 0.30"), 0.30);
    EXPECT_DOUBLE_EQ(EspaciadoDe(".25"), 0.25);  // shorter than four characters
    // Ten metres or more: the four characters would read 2.5 and .00.
    EXPECT_DOUBLE_EQ(EspaciadoDe("ø 1/2\" a 12.50"), 12.5);
    EXPECT_DOUBLE_EQ(EspaciadoDe("ø 1/2\" a 10.00"), 10.0);
    EXPECT_DOUBLE_EQ(EspaciadoDe("ø 1/2\" a 100.00"), 100.0);
}

TEST(EspaciadoDe, NoNumberReadsZero) {
    EXPECT_EQ(EspaciadoDe(""), 0.0);
    EXPECT_EQ(EspaciadoDe("ø 1/2\" a 0.00"), 0.0);
    EXPECT_EQ(EspaciadoDe("varilla corrugada"), 0.0);
    EXPECT_EQ(EspaciadoDe("ø 1/2\" a ø"), 0.0);
}

TEST(FilaBarras, CountAndStep) {
    const auto muro = Fila(1.0, 0.30, 0.0675);
    EXPECT_EQ(muro.n, 4);
    EXPECT_EQ(muro.paso, (1.0 - 0.0675) / 3);
    EXPECT_EQ(muro.separacion, 0.30);

    // The counts use the float32 program values: 0.9f is a little under 0.9, so three bars.
    EXPECT_EQ(Fila(0.9f, 0.30, 0.0675).n, 3);
    const auto zapata = Fila(0.85f, 0.25, 0.085);
    EXPECT_EQ(zapata.n, 4);
    EXPECT_NEAR(zapata.paso, 0.255, 1e-7);
}

TEST(FilaBarras, RoomForOneBarGivesOneDotAndTheRowsRoom) {
    for (const double espaciado : {12.5, 0.0, -0.3, std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity()}) {
        const auto f = Fila(0.8f, espaciado, 0.085);
        EXPECT_EQ(f.n, 1) << espaciado;
        EXPECT_EQ(f.paso, 0.0) << espaciado;
        EXPECT_NEAR(f.separacion, 0.715, 1e-7) << espaciado;
    }
    // A row with no length, or none that is a number, has no room either.
    for (const double largo : {0.05, -1.0, std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()}) {
        const auto f = Fila(largo, 0.30, 0.0675);
        EXPECT_EQ(f.n, 1) << largo;
        EXPECT_EQ(f.separacion, 0.0) << largo;
    }
}

TEST(FilaBarras, AFineSpacingIsCapped) {
    const auto f = Fila(1.0, 1e-9, 0.0675);
    EXPECT_EQ(f.n, tarelvo::kMaxPuntosFila);
    EXPECT_NEAR(f.paso * (f.n - 1), 1.0 - 0.0675, 1e-12);
    EXPECT_EQ(Fila(1e30, 0.01, 0.0675).n, tarelvo::kMaxPuntosFila);
}

}  // namespace
