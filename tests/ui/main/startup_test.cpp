// The window as it opens, and its proportional layout.
#include <QComboBox>
#include <QPlainTextEdit>

#include "main_window_fixture.h"
#include "ui/main/twips_scaler.h"

namespace tarelvo::test {
namespace {

TEST_F(MainWindowTest, OpensOnTheDefaultWallAlreadyChecked) {
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Sin título[*] — Tarelvo"));
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_EQ(w->objectName(), "murocont1");
    const std::pair<FieldEdit*, const char*> fields[] = {
        {w->Altura, "1.00"}, {w->Ancho, "0.20"},  {w->Centro, "0.20"}, {w->AltZap, "0.25"},
        {w->Punta, "0.30"},  {w->Talon, "0.30"},  {w->Dsz, "0.50"},    {w->AltDent, "0.50"},
        {w->AnchDent, "0.20"}, {w->Phi1, "30.0"}, {w->Gamma1, "1.8"},  {w->Cohes1, "0.0"},
        {w->Phi2, "30.0"},   {w->Gamma2, "1.8"},  {w->Cohes, "0.0"},   {w->Titulo, ""}};
    for (auto [f, text] : fields) EXPECT_EQ(f->text(), text) << f->objectName().toStdString();
    for (ValueLabel* v : {w->Beta, w->Reac, w->Sobrec, w->Padm}) EXPECT_EQ(v->caption(), "0.00");
    EXPECT_EQ(w->Combo1->currentText(), "210");
    EXPECT_EQ(w->Combo2->currentText(), "2800");
    EXPECT_TRUE(w->Option1->isSelected(0));
    EXPECT_TRUE(w->Option2->isSelected(1));
    EXPECT_TRUE(w->Option3->isSelected(1));
    EXPECT_TRUE(w->Option5->isSelected(3));
    EXPECT_EQ(w->Option5->indices(), (QList<int>{2, 3}));
    EXPECT_FALSE(w->Centro->isEnabled());
    EXPECT_FALSE(w->AltDent->isVisible());

    EXPECT_FLOAT_EQ(s.Fc, 210);
    EXPECT_FLOAT_EQ(s.Fy, 2800);
    EXPECT_EQ(s.RefuerzoDisp, 1);
    EXPECT_NEAR(s.AltLibre, 0.75, 1e-6);

    EXPECT_EQ(w->Panel3D1->text(), "MURO ESTABLE");
    EXPECT_EQ(ForeColor(w->Panel3D1), MuroCont1::kNavy);
    const std::pair<QLabel*, const char*> values[] = {
        {w->Label30, "0.040"}, {w->Label31, "0.133"}, {w->Label18, "3.76"}, {w->Label25, "2.21"},
        {w->Label27, "0.35"},  {w->Label9, "0.41"},   {w->Label28, "6.53"}, {w->Label10, "0.24"},
        {w->Label32, "0.13"},  {w->Label8, "0.56"}};
    for (auto [l, text] : values) {
        EXPECT_EQ(l->text(), text) << l->objectName().toStdString();
        EXPECT_EQ(ForeColor(l), MuroCont1::kNavy) << l->objectName().toStdString();
    }
    EXPECT_FALSE(w->Command1->isEnabled());
    for (QPushButton* b : {w->Command6, w->Command7, w->Command8, w->Command9})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(w->Label33->isVisible());
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, CaptionsOfTheStaticLabels) {
    EXPECT_EQ(Text(Find("Label11")), " Presion Maxima");
    EXPECT_EQ(Text(Find("Label20")), QString::fromUtf8("φ = "));
    EXPECT_EQ(Text(Find("Label21")), QString::fromUtf8("γ = "));
    EXPECT_EQ(Text(Find("Label22")), QString::fromUtf8("β = "));
    EXPECT_EQ(Text(Find("Label39")), QString::fromUtf8("↓↓↓↓↓↓↓↓"));
    EXPECT_EQ(w->Command8->text(), "C&hequeo");
    EXPECT_EQ(w->Option1->button(2)->text(), "Inclinado hacia Relleno");
}

TEST_F(MainWindowTest, LayoutScalesWithTheWindow) {
    TwipsScaler* sc = w->scaler();
    w->resize(sc->designSize().width() / 13, sc->designSize().height() / 13);
    QApplication::processEvents();
    // At 13 twips a pixel (the window takes no less) the title field (560, 840, 3724 × 315 in
    // its frame) is 286 × 24.
    EXPECT_NEAR(w->Titulo->width(), 3724 / 13.0, 1);
    EXPECT_NEAR(w->Titulo->y(), 840 / 13.0, 1);
    const int font = w->Titulo->font().pixelSize();
    w->resize(sc->designSize().width() * 2 / 13, sc->designSize().height() * 2 / 13);
    QApplication::processEvents();
    EXPECT_NEAR(w->Titulo->width(), 2 * 3724 / 13.0, 2);
    EXPECT_NEAR(w->Titulo->y(), 2 * 840 / 13.0, 2);
    EXPECT_NEAR(w->Titulo->font().pixelSize(), 2 * font, 1);
    // Controls inside the schematic move with it.
    EXPECT_NEAR(w->Phi1->mapTo(w.get(), QPoint(0, 0)).x(), 2 * (4440 + 4116) / 13.0, 3);
}

TEST_F(MainWindowTest, ComfortableSizeKeepsTheProportions) {
    const QSize sz = w->comfortableSize();
    const QSize d = w->scaler()->designSize();
    EXPECT_NEAR(static_cast<double>(sz.width()) / sz.height(),
                static_cast<double>(d.width()) / d.height(), 0.01);
    EXPECT_GT(sz.width(), d.width() / 15);
}

}  // namespace
}  // namespace tarelvo::test
