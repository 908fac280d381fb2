#include "export/autocad_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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

}  // namespace
