// "Arial" in the font dialog: it opens on the style as it is, and confirming it unchanged
// changes nothing.
#include <gtest/gtest.h>

#include <QFontDialog>
#include <QFontInfo>

#include "report/font_names.h"

namespace tarelvo::test {
namespace {

TEST(FuenteArial, TheDialogOpensOnTheStyleAndAnUnchangedChoiceChangesNothing) {
    SustituyeArial();
    PageFont f;
    f.family = QStringLiteral("Arial");
    f.size = 12;
    f.bold = true;
    const PageFont antes = f;
    QFontDialog d;
    d.setCurrentFont(FuenteParaDialogo(f));
    // What the dialog shows: the family that draws Arial here, at 12 points, in bold.
    const QFont mostrada = d.currentFont();
    EXPECT_EQ(mostrada.family(), FamiliaInstalada(QStringLiteral("Arial")));
    EXPECT_NE(mostrada.family(), QStringLiteral("Sans Serif"));
    EXPECT_TRUE(mostrada.bold());
    EXPECT_EQ(mostrada.pointSizeF(), 12);
    d.accept();
    AplicaFuenteDeDialogo(d.selectedFont(), f);
    EXPECT_EQ(f.family, antes.family);
    EXPECT_EQ(f.size, antes.size);
    EXPECT_EQ(f.bold, antes.bold);
    EXPECT_EQ(f.italic, antes.italic);
    // Another family chosen is taken.
    QFont otra(QStringLiteral("Liberation Serif"), 9);
    AplicaFuenteDeDialogo(otra, f);
    EXPECT_EQ(f.family, QStringLiteral("Liberation Serif"));
    EXPECT_FALSE(f.bold);
    // Arial asked for is drawn with a metric-compatible face, not a generic one.
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(),
              FamiliaInstalada(QStringLiteral("Arial")));
}

}  // namespace
}  // namespace tarelvo::test
