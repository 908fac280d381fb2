// The editing rules, driven through the real widgets.
#include <QComboBox>

#include "main_window_fixture.h"

namespace tarelvo::test {
namespace {

TEST_F(MainWindowTest, LowerLimitsApplyOnLeaving) {
    TypeAndLeave(w->Altura, "0.3");
    EXPECT_EQ(w->Altura->text(), "0.50");
    EXPECT_FLOAT_EQ(s.Altura, 0.5f);

    TypeAndLeave(w->Gamma2, "0");
    EXPECT_EQ(w->Gamma2->text(), ".10");
    EXPECT_FLOAT_EQ(s.Gamma2, 0.1f);

    TypeAndLeave(w->AltZap, "0.1");
    EXPECT_EQ(w->AltZap->text(), "0.25");
    TypeAndLeave(w->Punta, "0.1");
    EXPECT_EQ(w->Punta->text(), "0.20");
    EXPECT_FLOAT_EQ(s.Punta, 0.2f);
    // A value equal to its limit stays, shown as every number left in a field.
    TypeAndLeave(w->Talon, "0.2");
    EXPECT_EQ(w->Talon->text(), "0.20");

    // Before leaving, the change already stored what was typed.
    Type(w->Gamma1, "2.1");
    EXPECT_FLOAT_EQ(s.Gamma1, 2.1f);
    Type(w->Altura, "4");
    EXPECT_FLOAT_EQ(s.Altura, 0.5f);  // the height is stored on leaving only
}

TEST_F(MainWindowTest, FoundationSoilAngleIsLimitedOnEntering) {
    Type(w->Phi2, "-5");
    EXPECT_FLOAT_EQ(s.Phi2, -5);
    w->Phi2->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w->Phi2->text(), "0.00");
    EXPECT_FLOAT_EQ(s.Phi2, 0);
}

TEST_F(MainWindowTest, StraightStemFollowsTheTopThickness) {
    Type(w->Ancho, "0.25");
    EXPECT_EQ(w->Centro->text(), "0.25");
    EXPECT_EQ(w->Label4->text(), "0.85");
    EXPECT_FLOAT_EQ(s.Ancho, 25);
}

TEST_F(MainWindowTest, InclinedStemBaseIsNeverBelowItsMinimum) {
    TypeAndLeave(w->Altura, "2.00");
    Click(w->Option1, 1);
    EXPECT_EQ(s.TipoMuro, 1);
    EXPECT_EQ(s.FormaMuro, 1);
    EXPECT_TRUE(w->Centro->isEnabled());
    EXPECT_EQ(w->Centro->text(), "0.30");
    // The minimum applies on leaving, with a word to the engineer; never while typing.
    TypeAndLeave(w->Centro, "0.28");
    EXPECT_EQ(w->Centro->text(), "0.30");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("0.30"));
    w->Centro->setFocus();
    Type(w->Centro, "0.");
    EXPECT_EQ(w->Centro->text(), "0.");
    Type(w->Centro, "0.60");
    w->Titulo->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w->Centro->text(), "0.60");
    EXPECT_EQ(w->Label4->text(), "1.20");
    // A check keeps the typed base.
    w->Command8->click();
    EXPECT_EQ(w->Centro->text(), "0.60");
    EXPECT_GE(s.EspBase, 59.99f);
    // Changing the type again restores the minimum, replacing a larger base.
    Type(w->Centro, "0.45");
    Click(w->Option1, 2);
    EXPECT_EQ(w->Centro->text(), "0.30");
}

TEST_F(MainWindowTest, BaseNoThickerThanTheTopMakesTheStemStraight) {
    Click(w->Option1, 1);
    ASSERT_TRUE(w->Centro->isEnabled());
    // With a height of 0 in its field the minimum base is the top itself.
    Type(w->Altura, "0");
    w->Centro->setFocus();
    QApplication::processEvents();
    Type(w->Centro, "0.15");
    w->Titulo->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(w->Option1->isSelected(0));
    EXPECT_EQ(s.TipoMuro, 0);
    EXPECT_EQ(w->Centro->text(), "0.20");
    EXPECT_FALSE(w->Centro->isEnabled());
}

TEST_F(MainWindowTest, FoundationDepthIsClampedOnLeaving) {
    TypeAndLeave(w->Dsz, "0.10");
    EXPECT_EQ(w->Dsz->text(), "0.25");
    EXPECT_FLOAT_EQ(s.Dsz, 0.25f);
    TypeAndLeave(w->Dsz, "5");
    EXPECT_EQ(w->Dsz->text(), "1.00");
    EXPECT_FLOAT_EQ(s.Dsz, 1.0f);
}

TEST_F(MainWindowTest, SlopeSteeperThanFrictionIsRefused) {
    Press(w->Spin17, true, 30);
    ASSERT_EQ(w->Beta->caption(), "30.00");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(w->Label29->isVisible());
    EXPECT_EQ(w->Label29->text(), "30.00");
    Press(w->Spin1, true);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "ATENCION");
    EXPECT_EQ(messages[0].text,
              "Para evitar inestabilidad en el Relleno, su Angulo de Inclinacion no puede ser "
              "mayor que su Angulo de Friccion Interna");
    EXPECT_EQ(w->Beta->caption(), "30.00");
    EXPECT_FLOAT_EQ(s.Beta, 30);

    // At zero a down-press stays at zero without a message.
    Press(w->Spin17, false, 31);
    EXPECT_EQ(w->Beta->caption(), "0.00");
    Press(w->Spin1, false);
    EXPECT_EQ(w->Beta->caption(), "0.00");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(w->Label29->isVisible());
}

TEST_F(MainWindowTest, SpinStepsMayPassABoundByLessThanAStep) {
    Type(w->Phi1, "95");
    Press(w->Spin17, true, 89);
    Press(w->Spin1, true, 10);
    ASSERT_EQ(w->Beta->caption(), "89.50");
    Press(w->Spin17, true);
    EXPECT_EQ(w->Beta->caption(), "90.50");
    Press(w->Spin17, true);
    EXPECT_EQ(w->Beta->caption(), "90.00");

    Press(w->Spin18, true, 6);
    ASSERT_EQ(w->Reac->caption(), "0.30");
    EXPECT_TRUE(Find("Label43")->isVisible());
    EXPECT_EQ(Text(Find("Label43")), "0.30");
    Press(w->Spin2, false);
    EXPECT_EQ(w->Reac->caption(), "-0.70");
    EXPECT_FLOAT_EQ(s.Reac, -0.7f);
    EXPECT_FALSE(Find("Label43")->isVisible());
    Press(w->Spin2, false);
    EXPECT_EQ(w->Reac->caption(), "0.00");
}

TEST_F(MainWindowTest, SurchargeRechecksAndAdmissiblePressureShowsAtOnce) {
    Press(w->Spin3, true, 2);
    EXPECT_EQ(w->Sobrec->caption(), "2.00");
    EXPECT_FLOAT_EQ(s.Sobrec, 2);
    EXPECT_TRUE(Find("Label44")->isVisible());
    EXPECT_TRUE(Find("Label39")->isVisible());
    // The check already ran: the wall with a surcharge of 2 t/m2 is not the default one.
    EXPECT_NE(w->Label18->text(), "3.76");

    Press(w->Spin21, true);
    EXPECT_EQ(w->Padm->caption(), "1.00");
    EXPECT_EQ(w->Label8->text(), "1.00");
    EXPECT_FLOAT_EQ(s.Padm, 1);
}

TEST_F(MainWindowTest, MaterialListsStoreTheirValues) {
    s.FsVuelcoAnt = 5;
    w->Combo1->setCurrentIndex(w->Combo1->findText("280"));
    EXPECT_FLOAT_EQ(s.Fc, 280);
    EXPECT_FLOAT_EQ(s.FsVuelcoAnt, 0);
    w->Combo2->setCurrentIndex(w->Combo2->findText("4200"));
    EXPECT_FLOAT_EQ(s.Fy, 4200);
    // Only the lists' own values: nothing can be typed that a project file could not hold.
    EXPECT_FALSE(w->Combo1->isEditable());
    EXPECT_FALSE(w->Combo2->isEditable());
    w->Combo1->setFocus();
    QTest::keyClicks(w->Combo1, "25");
    EXPECT_NE(w->Combo1->findText(w->Combo1->currentText()), -1);
    EXPECT_NE(w->Combo1->currentText(), "25");
}

TEST_F(MainWindowTest, CentredFootingRederivesToeAndHeel) {
    Click(w->Option5, 2);
    EXPECT_EQ(s.ZapCentrada, 0);
    Type(w->Talon, "0.50");
    w->Command8->click();  // Base is now 1.00
    ASSERT_FLOAT_EQ(s.Base, 1.0f);
    Click(w->Option5, 3);
    EXPECT_EQ(s.ZapCentrada, 1);
    EXPECT_EQ(w->Punta->text(), "0.40");
    EXPECT_EQ(w->Talon->text(), "0.40");
    EXPECT_NEAR(s.Punta, 0.4, 1e-6);

    // A toe and heel typed since the last check are the ones centred.
    Click(w->Option5, 2);
    TypeAndLeave(w->Punta, "0.50");
    TypeAndLeave(w->Talon, "1.00");
    Click(w->Option5, 3);
    EXPECT_EQ(w->Punta->text(), "0.75");
    EXPECT_EQ(w->Talon->text(), "0.75");
    EXPECT_EQ(w->Label4->text(), "1.70");
}

TEST_F(MainWindowTest, ShearKeyAndPassiveOptions) {
    Click(w->Option3, 0);
    EXPECT_TRUE(w->AltDent->isVisible());
    EXPECT_EQ(s.ConDent, -1);
    EXPECT_FLOAT_EQ(s.AltDent, 0.5f);
    EXPECT_FLOAT_EQ(s.AnchDent, 0.2f);
    Click(w->Option2, 0);
    EXPECT_EQ(s.Pasiva, 1);
    EXPECT_NEAR(s.AltPasiva, 0.5 + 0.5, 1e-6);
    Click(w->Option3, 1);
    EXPECT_FALSE(w->AltDent->isVisible());
    EXPECT_FLOAT_EQ(s.AltDent, 0);
    EXPECT_FLOAT_EQ(s.AnchDent, 0.2f);
    EXPECT_EQ(w->AltDent->text(), "0.50");
}

TEST_F(MainWindowTest, BackfillCohesionRechecksAtOnce) {
    const QString antes = w->Label18->text();
    Type(w->Cohes1, "0.5");
    EXPECT_NE(w->Label18->text(), antes);
    Type(w->Titulo, "Muro, \"norte\"");
    EXPECT_EQ(s.Titulo, "Muro, \"norte\"");
}

}  // namespace
}  // namespace tarelvo::test
