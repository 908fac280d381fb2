#include "ui/export/autocad_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "export/cad_drawing.h"
#include "ui/export/desktop_open.h"
#include "tests/export/default_wall.h"
#include "tests/export/test_platform.h"

namespace {

namespace fs = prueba::fs;
using prueba::ReadAll;
using prueba::WriteFile;

const QString kAcad = QStringLiteral("C:\\ACAD\\ACAD.EXE");

// The form over a scratch Wine prefix holding C:\ACAD\acad.exe, working in a scratch folder,
// with every dialog answered by the test.
class FormaAutocad : public ::testing::Test {
protected:
    FormaAutocad() {
        fs::create_directories(trabajo);
        forma.setPlataforma(p);
        forma.setCarpeta(QString::fromStdString(trabajo.string()));
        forma.setMessagePresenter([this](QWidget*, const QString& t, const QString& x, QMessageBox::Icon i) {
            mensajes.push_back(t + "|" + x + "|" + QString::number(i));
        });
        forma.setQuestionPresenter([this](QWidget*, const QString& t, const QString& x) {
            preguntas.push_back(t + "|" + x);
            return respuesta;
        });
        forma.setFileChooser([this](QWidget*, const QString& filtro) {
            filtros.push_back(filtro);
            return elegido;
        });
        forma.Text2->setText(kAcad);
        forma.show();
        QApplication::processEvents();  // the activation and its search are over
    }
    bool hay(const char* nombre) const { return fs::exists(trabajo / nombre); }

    prueba::ScratchFolder raiz;
    std::shared_ptr<prueba::PlataformaPrueba> p = std::make_shared<prueba::PlataformaPrueba>(raiz.str());
    fs::path trabajo = raiz.path / "trabajo";
    int preparas = 0;
    bool prepararBien = true, respuesta = true;
    QString elegido;
    QStringList mensajes, preguntas, filtros;
    tarelvo::Autocad forma{[this](tarelvo::EntradaDibujo& e) {
        ++preparas;
        e = prueba::MuroPorDefecto();
        return prepararBien;
    }};
};

TEST_F(FormaAutocad, ABaseNameNeverTakesAPeriod) {
    forma.Text1->clear();
    QTest::keyClicks(forma.Text1, "Mu.ro.1");
    forma.Text1->insert(QStringLiteral(".dxf"));  // as pasted
    EXPECT_EQ(forma.Text1->text(), QStringLiteral("Muro1dxf"));
}

TEST_F(FormaAutocad, ExportWritesTheDrawingAndTheScriptStartsTheProgramAndHides) {
    forma.Text2->setText(kAcad + "\\\\");
    forma.Command2->click();
    EXPECT_TRUE(mensajes.isEmpty()) << mensajes.join("\n").toStdString();
    EXPECT_EQ(forma.Text2->text(), kAcad);
    EXPECT_EQ(ReadAll(trabajo / "Muro1.dxf"), tarelvo::DibujaMuro(prueba::MuroPorDefecto()).bytes());
    EXPECT_TRUE(hay("MuroScr.scr"));
    EXPECT_EQ(p->iniciado, (std::vector<std::string>{"wine", kAcad.toStdString(), "/b", "muroscr", trabajo.string()}));
    EXPECT_FALSE(forma.isVisible());
    EXPECT_FALSE(forma.Label3->isVisible());
}

TEST_F(FormaAutocad, AnExistingDrawingIsOnlyReplacedWhenTheUserSaysYes) {
    WriteFile(trabajo / "Muro1.dwg");
    respuesta = false;
    forma.Command2->click();
    EXPECT_EQ(preguntas, QStringList{QStringLiteral("Tarelvo|El archivo Muro1.dwg existe\nDesea sobre-escribirlo")});
    EXPECT_EQ(preparas, 0);
    EXPECT_FALSE(hay("Muro1.dxf"));
    EXPECT_EQ(p->inicios, 0);

    respuesta = true;
    forma.Command2->click();
    EXPECT_TRUE(hay("Muro1.dxf"));
    EXPECT_NE(ReadAll(trabajo / "MuroScr.scr").find("save Muro1.dwg y\r\n"), std::string::npos);
    EXPECT_EQ(p->inicios, 1);
}

TEST_F(FormaAutocad, AFailedStartIsShownAndTheFormStaysUntilTheLaunchAfterNext) {
    p->fallo = "no se encuentra el programa wine en las carpetas de PATH";
    forma.Command2->click();
    EXPECT_EQ(mensajes, QStringList{QStringLiteral("Tarelvo|No se puede iniciar AutoCad (C:\\ACAD\\ACAD.EXE /b "
                                                   "muroscr): no se encuentra el programa wine en las carpetas de "
                                                   "PATH|2")});  // a warning
    EXPECT_TRUE(forma.falloCad());
    EXPECT_TRUE(hay("Muro1.dxf"));
    p->fallo.clear();
    forma.Command2->click();
    EXPECT_FALSE(forma.falloCad());
    EXPECT_TRUE(forma.isVisible());
    forma.Command2->click();
    EXPECT_FALSE(forma.isVisible());
}

TEST_F(FormaAutocad, AMissingProgramIsLookedForWithTheBrowseDialog) {
    forma.Text2->setText(QStringLiteral("C:\\ACAD\\ACADLT.EXE"));
    elegido = QStringLiteral("/opt/cad/ACADLT.EXE");
    forma.Command2->click();
    EXPECT_EQ(mensajes, (QStringList{QStringLiteral("Tarelvo|Autocad.exe no encontrado.\nUsted debe localizarlo ahora|1"),
                                     QStringLiteral("Tarelvo|Lo siento, pero no puedo correr Autocad|1")}));
    EXPECT_EQ(filtros, QStringList{QStringLiteral("(acad.exe) (acad.exe)")});
    EXPECT_EQ(preparas, 0);

    // A native path chosen in the dialog is taken, and wine gets it as it is.
    const std::string nativo = (raiz.path / "drive_c" / "ACAD" / "acad.exe").string();
    elegido = QString::fromStdString(nativo);
    forma.Command2->click();
    EXPECT_EQ(forma.Text2->text(), elegido);
    EXPECT_EQ(p->iniciado.at(1), nativo);
    // The browse button takes only a name that ends in acad.exe.
    elegido = QStringLiteral("C:\\ACAD\\ACADLT.EXE");
    forma.Command3->click();
    EXPECT_EQ(forma.Text2->text().toStdString(), nativo);
}

TEST_F(FormaAutocad, NothingIsWrittenWhenTheCheckFaults) {
    prepararBien = false;
    forma.Command2->click();
    EXPECT_EQ(preparas, 1);
    EXPECT_TRUE(fs::is_empty(trabajo));
    EXPECT_EQ(p->inicios, 0);
    EXPECT_TRUE(forma.isVisible());
    EXPECT_FALSE(forma.Label3->isVisible());
}

TEST_F(FormaAutocad, TheSearchOnActivationFillsTheProgramButNeverLosesOne) {
    tarelvo::Autocad nueva([](tarelvo::EntradaDibujo&) { return false; });
    nueva.setPlataforma(p);
    nueva.show();
    QApplication::processEvents();
    EXPECT_EQ(nueva.Text2->text(), kAcad);

    const fs::path otro = raiz.path / "otro" / "acad.exe";  // chosen by the user elsewhere
    WriteFile(otro);
    forma.Text2->setText(QString::fromStdString(otro.string()));
    forma.AcadFind();
    EXPECT_EQ(forma.Text2->text().toStdString(), otro.string());

    fs::rename(raiz.path / "drive_c" / "ACAD" / "acad.exe", raiz.path / "drive_c" / "ACAD" / "leeme.txt");
    forma.Text2->setText(QStringLiteral("C:\\MIO\\ACAD.EXE"));
    forma.AcadFind();  // finds nothing: the text stays
    EXPECT_EQ(forma.Text2->text(), QStringLiteral("C:\\MIO\\ACAD.EXE"));
}

TEST_F(FormaAutocad, WithoutAutoCadTheFormThatNeedsNoneIsChosenUntilTheUserChooses) {
    QEvent activa(QEvent::WindowActivate);
    QApplication::sendEvent(&forma, &activa);
    EXPECT_TRUE(forma.Option1->isChecked());  // AutoCAD is there

    fs::rename(raiz.path / "drive_c" / "ACAD" / "acad.exe", raiz.path / "drive_c" / "ACAD" / "leeme.txt");
    tarelvo::Autocad sinCad([](tarelvo::EntradaDibujo&) { return false; });
    sinCad.setPlataforma(p);
    sinCad.show();
    QApplication::sendEvent(&sinCad, &activa);
    EXPECT_TRUE(sinCad.Option2->isChecked());
    EXPECT_FALSE(sinCad.Text2->isEnabled());
    // The user's own choice stays through the next activation.
    sinCad.Option1->click();
    QApplication::sendEvent(&sinCad, &activa);
    EXPECT_TRUE(sinCad.Option1->isChecked());
}

}  // namespace

namespace {

// The form as above, with the save dialog and the desktop's opening answered by the test too.
class FormaCad : public FormaAutocad {
protected:
    FormaCad() {
        forma.setSaveChooser([this](QWidget*, const QString& sugerido) {
            sugeridos.push_back(sugerido);
            return guardarEn;
        });
        forma.setFileOpener([this](const QString& ruta) {
            abiertos.push_back(ruta);
            return hayPrograma;
        });
    }
    QString guardarEn;  // the save dialog's answer
    bool hayPrograma = true;
    QStringList sugeridos, abiertos;
};

TEST_F(FormaCad, TheOriginalFormIsTheDefaultAndTheOtherNeedsNoCadProgram) {
    ASSERT_NE(forma.findChild<QRadioButton*>(QStringLiteral("Option1")), nullptr);
    ASSERT_NE(forma.findChild<QRadioButton*>(QStringLiteral("Option2")), nullptr);
    EXPECT_TRUE(forma.Option1->isChecked());
    EXPECT_TRUE(forma.Text2->isEnabled());
    forma.Option2->click();
    EXPECT_FALSE(forma.Text2->isEnabled());
    EXPECT_FALSE(forma.Command3->isEnabled());
    forma.Option1->click();
    EXPECT_TRUE(forma.Text2->isEnabled());
}

TEST_F(FormaCad, TheDrawingForCurrentCadProgramsIsSavedWhereTheUserSaysAndOpenedOnTheDesktop) {
    forma.Option2->click();
    forma.Text2->setText(QStringLiteral("C:\\NINGUNO\\ACAD.EXE"));  // not looked for, not needed
    guardarEn = QString::fromStdString((raiz.path / "planos" / "muro alto.dxf").string());
    fs::create_directories(raiz.path / "planos");
    forma.Command2->click();

    EXPECT_EQ(sugeridos, QStringList{QString::fromStdString((trabajo / "Muro1.dxf").string())});
    std::string error;
    EXPECT_EQ(ReadAll(guardarEn.toStdString()), tarelvo::DibujaMuroCad(prueba::MuroPorDefecto(), &error));
    EXPECT_EQ(preparas, 1);
    EXPECT_EQ(p->inicios, 0);  // no CAD program
    EXPECT_FALSE(hay("MuroScr.scr"));
    EXPECT_FALSE(hay("Muro1.dxf"));
    EXPECT_EQ(preguntas, QStringList{"Tarelvo|El dibujo está guardado en " + guardarEn +
                                     ".\n¿Desea abrirlo con el programa del escritorio para archivos DXF?"});
    EXPECT_EQ(abiertos, QStringList{guardarEn});
    EXPECT_TRUE(mensajes.isEmpty()) << mensajes.join("\n").toStdString();
    EXPECT_FALSE(forma.isVisible());
}

TEST_F(FormaCad, NoDesktopProgramACancelledDialogAndAFailedSaveAreEachToldApart) {
    forma.Option2->click();
    const std::string ruta = (trabajo / "muro.dxf").string();

    // The dialog cancelled: nothing prepared, nothing written.
    forma.Command2->click();
    EXPECT_EQ(preparas, 0);
    EXPECT_TRUE(fs::is_empty(trabajo));
    EXPECT_TRUE(forma.isVisible());

    // Saved, but the desktop has no program for DXF files.
    guardarEn = QString::fromStdString(ruta);
    hayPrograma = false;
    forma.Command2->click();
    EXPECT_TRUE(hay("muro.dxf"));
    EXPECT_EQ(mensajes, QStringList{"Tarelvo|No hay en el escritorio un programa para abrir archivos DXF, o no se "
                                    "pudo iniciar.\nAbra el dibujo con su programa CAD: " +
                                    guardarEn + "|1"});

    // Not opened when the user says no.
    mensajes.clear(), abiertos.clear();
    respuesta = false;
    forma.show();
    forma.Command2->click();
    EXPECT_TRUE(abiertos.isEmpty());
    EXPECT_TRUE(mensajes.isEmpty());

    // A folder that is not there: the cause is shown, the form stays, nothing is asked.
    preguntas.clear();
    forma.show();
    guardarEn = QString::fromStdString((trabajo / "no" / "muro.dxf").string());
    forma.Command2->click();
    EXPECT_EQ(mensajes, QStringList{"Tarelvo|No se puede guardar el archivo " + guardarEn + ": Nombre de Archivo Ilegal|2"});
    EXPECT_TRUE(preguntas.isEmpty());
    EXPECT_TRUE(forma.isVisible());
    EXPECT_EQ(p->inicios, 0);
}

// A stand-in "xdg-mime" first on PATH, answering the query for the default program.
TEST(ProgramaDelEscritorio, TheDesktopsAnswerDecidesWhetherThereIsAProgram) {
    prueba::ScratchFolder f;
    const fs::path xdg = f.path / "xdg-mime";
    const auto responde = [&](const std::string& salida) {
        prueba::WriteFile(xdg, "#!/bin/sh\n[ \"$1 $2 $3\" = \"query default image/vnd.dxf\" ] && echo '" + salida +
                                   "'\nexit 0\n");
        fs::permissions(xdg, fs::perms::owner_all);
    };
    prueba::PathVar path(f.str());
    const QString dxf = QString::fromStdString((f.path / "muro.dxf").string());
    responde("librecad.desktop");
    EXPECT_TRUE(tarelvo::HayProgramaPara(dxf));
    responde("");
    EXPECT_FALSE(tarelvo::HayProgramaPara(dxf));
}

}  // namespace
