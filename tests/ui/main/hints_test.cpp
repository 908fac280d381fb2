#include "ui/main/hints.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

using tarelvo::HintAction;
using tarelvo::HintFor;

QString Utf8(const char* text) { return QString::fromUtf8(text); }

void ExpectShows(const char* name, const char* expected) {
    const tarelvo::Hint hint = HintFor(QString::fromLatin1(name));
    EXPECT_EQ(hint.action, HintAction::Show) << name;
    EXPECT_EQ(hint.text, Utf8(expected)) << name;
}

TEST(Hints, FramesAndTheHintBoxClear) {
    for (const char* name : {"Frame1", "Frame3", "Frame4", "Text1"}) {
        const tarelvo::Hint hint = HintFor(QString::fromLatin1(name));
        EXPECT_EQ(hint.action, HintAction::Clear) << name;
        EXPECT_TRUE(hint.text.isEmpty()) << name;
    }
}

TEST(Hints, UnlistedControlsKeepTheHint) {
    for (const char* name : {"Spin1", "Label19", "Line63", "Frame9", "", "command1", "Label3 "}) {
        EXPECT_EQ(HintFor(QString::fromLatin1(name)).action, HintAction::Keep)
            << '"' << name << '"';
    }
}

TEST(Hints, EveryListedControlShowsAText) {
    const char* const names[] = {
        "AltDent",  "Altura",    "AltZap",    "AnchDent", "Ancho",    "Beta",     "Centro",
        "Cohes",    "Cohes1",    "Combo1",    "Label12",  "Label14",  "Combo2",   "Label13",
        "Label15",  "Command1",  "Command10", "Command11", "Command2", "Command3", "Command4",
        "Command5", "Command6",  "Command7",  "Command8", "Command9", "Dsz",      "Frame2",
        "Label6",   "Option3",   "Frame5",    "Label3",   "Option2",  "Gamma1",   "Gamma2",
        "Label1",   "Option1",   "Label10",   "Label18",  "Label2",   "Label25",  "Label27",
        "Label28",  "Label29",   "Label30",   "Label31",  "Label32",  "Label4",   "Label40",
        "Label41",  "Label43",   "Label44",   "Label62",  "Option5",  "Label8",   "Label9",
        "Padm",     "Panel3D1",  "Patkc",     "Phi1",     "Phi2",     "Punta",    "Reac",
        "Sobrec",   "Talon",     "Titulo",    "EspTopeUsado", "EspBaseUsado", "Command12",
    };
    for (const char* name : names) {
        const tarelvo::Hint hint = HintFor(QString::fromLatin1(name));
        EXPECT_EQ(hint.action, HintAction::Show) << name;
        EXPECT_FALSE(hint.text.trimmed().isEmpty()) << name;
    }
}

TEST(Hints, ControlsSharingAHintShowTheSameText) {
    const char* const groups[][3] = {
        {"Combo1", "Label12", "Label14"}, {"Combo2", "Label13", "Label15"},
        {"Frame2", "Label6", "Option3"},  {"Frame5", "Label3", "Option2"},
        {"Label1", "Option1", "Option1"}, {"Label62", "Option5", "Option5"},
    };
    for (const auto& group : groups) {
        const QString first = HintFor(QString::fromLatin1(group[0])).text;
        for (const char* name : group) {
            EXPECT_EQ(HintFor(QString::fromLatin1(name)).text, first) << name;
        }
    }
    // Neighbouring groups must not have been merged.
    EXPECT_NE(HintFor(QStringLiteral("Combo1")).text, HintFor(QStringLiteral("Combo2")).text);
    EXPECT_NE(HintFor(QStringLiteral("Option2")).text, HintFor(QStringLiteral("Option3")).text);
}

TEST(Hints, PiecedTextsAreJoinedWithoutSeparators) {
    ExpectShows("Command1",
                "Calcula la dimensión de la base adecuada a las solicitaciones actuantes, "
                "cumpliendo con los requisitos de estabilidad y de esfuerzos admisibles");
    ExpectShows("Command9",
                "Muestra en pantalla los diagramas de presión, esfuerzo cortante y momento "
                "flexor");
    ExpectShows("Label30",
                "Excentricidad, en metros, de la resultante de las fuerzas que actúan sobre el "
                "muro (incluyendo su peso propio) con respecto al centro de la base (m). Si éste "
                "valor es mayor que 'Base/6' entonces el muro es inestable.");
    ExpectShows("Panel3D1",
                "Etiqueta que indica el estado de estabilidad del muro  Muro estable: la "
                "dimension de la base es adecuada        Muro inestable: la dimension de la base "
                "no es adecuada y se requiere cálculo");
    ExpectShows("Beta",
                "El spin situado próximo a este cuadro tiene incrementos y decrementos de 1.00 "
                "grados, mientras que el que está más alejado produce incrementos de 0.05 grados");
    ExpectShows("Frame5",
                "La presión pasiva por encima de la zapata (cara exterior del muro) debe ser "
                "despreciada si el terreno en esa parte no está protegido contra la erosión, con "
                "una acera, por ejemplo");
}

TEST(Hints, AccentedTexts) {
    ExpectShows("Talon", "Talón de la zapata (m)");
    ExpectShows("AltDent", "Altura del dentellón (m)");
    ExpectShows("Label32", "Valor de la presión mínima sobre el terreno (kg/cm2)");
    ExpectShows("Titulo", "Espacio para colocar el título del proyecto");
    ExpectShows("Command11",
                "Corre AutoCad y coloca en él un dibujo a escala del muro completo con refuerzo y "
                "dimensionamiento");
    ExpectShows("Label2",
                "El ángulo de inclinacion del relleno se coloca en el cuadro numérico por medio "
                "del teclado o presionando con el mouse las flechas de los spines que están "
                "colocados a la derecha de dicho cuadro");
}

}  // namespace
