// Saving and loading projects through the window, the new project and the exit.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sstream>

#include "cli/calc_tool.h"
#include "common/number_text.h"
#include "ui/files/confirm_dialog.h"
#include "main_window_fixture.h"
#include "ui/reinforcement/murref.h"

namespace tarelvo::test {
namespace {

class ProjectFilesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        w->setFileChooser([this](QWidget*, bool guardar, const QString& inicial) {
            chooserCalls.push_back({guardar, inicial});
            return nextPath;
        });
        w->setQuestionPresenter([this](QWidget*, const QString& title, const QString& text) {
            questions.push_back({title, text, QMessageBox::Warning});
            return questions.size() < retries;
        });
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void Save(const QString& path) {
        nextPath = path;
        w->Command2->click();
    }
    void Load(const QString& path) {
        nextPath = path;
        w->Command4->click();
    }
    static QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir;
    QString nextPath;
    std::vector<std::pair<bool, QString>> chooserCalls;
    std::vector<Message> questions;
    std::size_t retries = 0;  // how many times a failed save answers OK
};

TEST_F(ProjectFilesTest, LineTwoIsWrittenByteForByte) {
    Click(w->Option1, 1);
    Press(w->Spin17, true, 12);
    Press(w->Spin1, true, 10);
    Press(w->Spin2, true, 2);
    Click(w->Option2, 0);
    Click(w->Option3, 0);
    Type(w->AnchDent, "0.3");
    Save(Path("linea2.mur"));
    const QList<QByteArray> lines = Bytes(Path("linea2.mur")).split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[1], " 1  12.5  0  2  1  .5  .3 \r");
    EXPECT_TRUE(lines[2].startsWith(" .2 "));
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(s.NombreArchivo, Path("linea2.mur").toStdString());
}

TEST_F(ProjectFilesTest, SaveThenLoadRestoresTheProject) {
    Type(w->Titulo, "Muro \"Norte\", tramo 2");
    Click(w->Option5, 2);
    TypeAndLeave(w->Altura, "3.00");
    Click(w->Option1, 2);
    TypeAndLeave(w->Ancho, "0.25");
    TypeAndLeave(w->AltZap, "0.40");
    TypeAndLeave(w->Dsz, "0.80");
    TypeAndLeave(w->Punta, "0.60");
    TypeAndLeave(w->Talon, "1.60");
    TypeAndLeave(w->Phi1, "32");
    TypeAndLeave(w->Phi2, "28");
    TypeAndLeave(w->Gamma1, "1.9");
    TypeAndLeave(w->Gamma2, "2.0");
    TypeAndLeave(w->Cohes, "1.5");
    Press(w->Spin17, true, 15);
    Press(w->Spin3, true);
    Press(w->Spin21, true);
    Press(w->Spin22, true, 4);
    w->Combo1->setCurrentIndex(w->Combo1->findText("280"));
    w->Combo2->setCurrentIndex(w->Combo2->findText("4200"));
    Click(w->Option2, 0);
    Click(w->Option3, 0);
    TypeAndLeave(w->AltDent, "0.60");
    Type(w->AnchDent, "0.35");
    Save(Path("completo.mur"));
    const ProjectState guardado = s;

    // Start again from the default project, then load.
    w->Command5->click();
    w->nuevo()->Command2->click();
    ASSERT_EQ(w->Titulo->text(), "");
    Load(Path("completo.mur"));

    EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();
    EXPECT_EQ(w->Titulo->text(), QString::fromUtf8("Muro \"Norte\", tramo 2"));
    EXPECT_TRUE(w->Option1->isSelected(2));
    EXPECT_TRUE(w->Option5->isSelected(2));
    EXPECT_TRUE(w->Option2->isSelected(0));
    EXPECT_TRUE(w->Option3->isSelected(0));
    EXPECT_EQ(w->Combo1->currentText(), "280");
    EXPECT_EQ(w->Combo2->currentText(), "4200");
    const std::pair<FieldEdit*, const char*> fields[] = {
        {w->Ancho, "0.25"},  {w->Altura, "3.00"}, {w->AltZap, "0.40"}, {w->Dsz, "0.80"},
        {w->Punta, "0.60"},  {w->Talon, "1.60"},  {w->Phi1, "32.00"},  {w->Phi2, "28.00"},
        {w->Gamma1, "1.90"}, {w->Gamma2, "2.00"}, {w->Cohes, "1.50"},  {w->AltDent, "0.60"},
        {w->AnchDent, "0.35"}};
    for (auto [f, text] : fields) EXPECT_EQ(f->text(), text) << f->objectName().toStdString();
    EXPECT_EQ(w->Beta->caption(), "15.00");
    EXPECT_EQ(w->Sobrec->caption(), "1.00");
    EXPECT_EQ(w->Padm->caption(), "1.20");
    for (float ProjectState::*v :
         {&ProjectState::Ancho, &ProjectState::Altura, &ProjectState::AltZap, &ProjectState::Dsz,
          &ProjectState::Punta, &ProjectState::Talon, &ProjectState::Phi1, &ProjectState::Phi2,
          &ProjectState::Gamma1, &ProjectState::Gamma2, &ProjectState::Cohes, &ProjectState::Beta,
          &ProjectState::Sobrec, &ProjectState::Padm, &ProjectState::AltDent,
          &ProjectState::AnchDent, &ProjectState::Fc, &ProjectState::Fy})
        EXPECT_NEAR(s.*v, guardado.*v, 1e-5);
    EXPECT_EQ(s.FormaMuro, 2);
    EXPECT_EQ(s.Pasiva, 1);
    EXPECT_EQ(s.Titulo, guardado.Titulo);
    // The same check as before saving.
    EXPECT_EQ(w->Label18->text().toStdString(), numtext::format(guardado.FsVuelco, "0.00"));
    // The schematic's front ground is drawn for the loaded depth and height.
    Esquema e;
    e.DimenZap();
    EXPECT_EQ(w->esquema().sueloY(), e.SueloFrontal(0.80f, 0.40f, 3.00f));
}

TEST_F(ProjectFilesTest, InclinedWallKeepsItsBaseThickness) {
    Click(w->Option1, 1);
    TypeAndLeave(w->Altura, "2.00");
    Type(w->Centro, "0.60");
    ASSERT_EQ(w->Centro->text(), "0.60");
    Save(Path("inclinado.mur"));
    Click(w->Option1, 2);
    Load(Path("inclinado.mur"));
    EXPECT_EQ(w->Centro->text(), "0.60");
    EXPECT_TRUE(w->Option1->isSelected(1));
    // A file without the line gets the minimum base thickness, as before.
    const QByteArray cuatro = Bytes(Path("inclinado.mur")).split('C').first();
    Write(Path("cuatro.mur"), cuatro);
    Load(Path("cuatro.mur"));
    EXPECT_EQ(w->Centro->text(), "0.30");
}

TEST_F(ProjectFilesTest, SlopeIsComparedWithTheFilesOwnFrictionAngle) {
    // A valid project whose slope is steeper than the angle the window shows now.
    Write(Path("talud.mur"), "Talud\r\n 0  28  0  0  0  0  .2 \r\n .2  1  .25  .5  .3  .3  30  30  1.8  1.8  0 \r\n 2  0  1  0 \r\n");
    TypeAndLeave(w->Phi1, "25");
    Load(Path("talud.mur"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w->Beta->caption(), "28.00");

    // A damaged one whose slope exceeds its own friction angle is brought back to it.
    Write(Path("danado.mur"), "Talud\r\n 0  35  0  0  0  0  .2 \r\n .2  1  .25  .5  .3  .3  30  30  1.8  1.8  0 \r\n 2  0  1  0 \r\n");
    Load(Path("danado.mur"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "ATENCION");
    EXPECT_EQ(w->Beta->caption(), "30.00");
    EXPECT_FLOAT_EQ(s.Beta, 30);
}

TEST_F(ProjectFilesTest, BackfillCohesionAndBarsAreInTheFile) {
    Type(w->Cohes1, "0.5");
    const float vuelco = s.FsVuelco;
    ASSERT_TRUE(w->Command7->isEnabled()) << (messages.empty() ? "" : messages[0].text.toStdString());
    w->Command7->click();
    w->murref()->Combo[4]->setCurrentIndex(1);
    w->murref()->Separ[2]->setText("0.20");
    QTest::keyClick(w->murref()->Separ[2], Qt::Key_Return);
    const QString barra = w->murref()->Resultado[4]->text();
    w->murref()->Geometria->click();
    Save(Path("c.mur"));
    EXPECT_TRUE(Bytes(Path("c.mur")).contains("\r\nCohes1=0.5\r\n"));
    Type(w->Cohes1, "0.4");
    w->Command5->click();
    w->nuevo()->Command2->click();
    Load(Path("c.mur"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w->Cohes1->text(), "0.50");
    EXPECT_FLOAT_EQ(s.Cohes1, 0.5f);
    EXPECT_EQ(s.FsVuelco, vuelco);
    w->Command7->click();
    EXPECT_EQ(w->murref()->Combo[4]->currentIndex(), 1);
    EXPECT_EQ(w->murref()->Separ[2]->text(), "0.20");
    EXPECT_EQ(w->murref()->Resultado[4]->text(), barra);
    w->murref()->Geometria->click();

    // A file without the line keeps the field's value; a line it cannot take is named.
    Write(Path("d.mur"), Bytes(Path("c.mur")).split('C').first() + "Cohes2=1\r\nCohes1=x\r\n");
    Type(w->Cohes1, "0.4");
    Load(Path("d.mur"));
    EXPECT_EQ(w->Cohes1->text(), "0.4");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "ATENCION");
    EXPECT_EQ(messages[0].text.toStdString(),
              "Línea 5 del archivo: \"Cohes2\" no es un dato de Tarelvo; se ignora\n"
              "Línea 6 del archivo: el valor de Cohes1 no es un número: \"x\"; se ignora");
}

TEST_F(ProjectFilesTest, CentredProjectKeepsItsToeAndHeel) {
    TypeAndLeave(w->Talon, "1.00");
    TypeAndLeave(w->Punta, "1.00");
    w->Command8->click();
    Save(Path("centrada.mur"));
    Click(w->Option5, 2);
    TypeAndLeave(w->Punta, "0.40");
    TypeAndLeave(w->Talon, "0.70");
    w->Command8->click();
    Load(Path("centrada.mur"));
    EXPECT_TRUE(w->Option5->isSelected(3));
    EXPECT_EQ(w->Punta->text(), "1.00");
    EXPECT_EQ(w->Talon->text(), "1.00");
    EXPECT_NEAR(s.Punta, 1.0, 1e-6);
}

TEST_F(ProjectFilesTest, LoadedWallGetsBarsOfItsOwn) {
    // Wall A's bars chosen by "&Refuerzo", then a taller wall B with far more steel loaded.
    w->Command7->click();
    ASSERT_TRUE(w->murref()->isVisible());
    w->murref()->Geometria->click();
    Write(Path("b.mur"), "B\r\n 0  0  2  0  0  0  0 \r\n .3  5  .6  1  1.2  2.8  30  30  1.8  1.8  0 "
                         "\r\n 2  0  0  3 \r\n");
    Load(Path("b.mur"));
    ASSERT_TRUE(w->Command7->isEnabled());
    w->Command7->click();
    // The bars the tool chooses for wall B alone.
    std::ostringstream out, err;
    ASSERT_EQ(RunCalcTool({"--bars", Path("b.mur").toStdString()}, out, err), 0) << err.str();
    std::istringstream barras(out.str());
    for (QLabel* l : w->murref()->Resultado) {
        std::string linea;
        std::getline(barras, linea);
        EXPECT_EQ(l->objectName().toStdString() + "=" + l->text().toStdString(), linea);
    }
    EXPECT_EQ(w->murref()->Resultado[0]->text(), QString::fromUtf8("ø 1\" a 0.09"));
}

// The height "C&hequeo" compares with, to design a lowered wall again, is the loaded wall's.
TEST_F(ProjectFilesTest, CheckingALoadedWallKeepsItsFooting) {
    TypeAndLeave(w->Altura, "4.00");
    w->Command8->click();
    Write(Path("bajo.mur"), "Bajo\r\n 0  0  0  0  0  0  0 \r\n .2  2  .3  .5  .8  1.2  30  30  1.8  1.8  0 "
                            "\r\n 2  0  0  0 \r\n");
    Load(Path("bajo.mur"));
    ASSERT_TRUE(w->Command8->isEnabled());
    w->Command8->click();
    EXPECT_EQ(w->Punta->text(), "0.80");
    EXPECT_EQ(w->Talon->text(), "1.20");
    EXPECT_FLOAT_EQ(s.Talon, 1.2f);
    // Lowered from there, it keeps the footing typed: only "&Calculo" designs.
    TypeAndLeave(w->Altura, "1.50");
    w->Command8->click();
    EXPECT_EQ(w->Talon->text(), "1.20");
}

TEST_F(ProjectFilesTest, CancelledOrFailedLoadKeepsTheProjectAsItWas) {
    // A project with a title, a key and its own values.
    Type(w->Titulo, "Muro del patio");
    TypeAndLeave(w->Altura, "2.50");
    Click(w->Option3, 0);
    TypeAndLeave(w->AltDent, "0.40");
    w->Command8->click();
    const CamposMuro antes = w->Campos();
    const float altura = s.Altura, dent = s.AltDent, excent = s.Excent;
    auto igual = [&] {
        EXPECT_TRUE(MismosDatos(w->Campos(), antes));
        EXPECT_FLOAT_EQ(s.Altura, altura);
        EXPECT_FLOAT_EQ(s.AltDent, dent);
        EXPECT_FLOAT_EQ(s.Excent, excent);
        EXPECT_EQ(w->Titulo->text(), "Muro del patio");
        EXPECT_TRUE(w->isEnabled());
    };
    saveAnswer = QMessageBox::No;  // go on without saving

    Load(QString());  // cancelled
    EXPECT_TRUE(messages.empty());
    igual();

    Write(Path("roto.mur"), "Titulo\r\n 0  0  0 \r\n");
    Load(Path("roto.mur"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Tarelvo");
    EXPECT_TRUE(messages[0].text.contains("roto.mur"));
    igual();

    messages.clear();
    Load(Path("no-existe/otro.mur"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("Nombre de Archivo Ilegal"));
    igual();
    // The project keeps no trace of the file that failed: a save asks where.
    EXPECT_EQ(s.NombreArchivo, "");
}

TEST_F(ProjectFilesTest, FailedSaveAsksAndRetries) {
    retries = 2;  // OK once, then Cancel
    Save(Path("no-existe/a.mur"));
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].title, "Tarelvo");
    EXPECT_EQ(questions[0].text, "Nombre de Archivo Ilegal");
    EXPECT_TRUE(w->isEnabled());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    // Cancelling the dialog saves nothing and says nothing.
    questions.clear();
    Save(QString());
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(ProjectFilesTest, AReadOnlyFileIsReplacedOnlyWhenTheUserSaysSo) {
    const QString ruta = Path("firmado.mur");
    Write(ruta, "firmado");
    ASSERT_TRUE(QFile::setPermissions(ruta, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
    Save(ruta);  // No
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, QString::fromUtf8("El archivo firmado.mur es de solo lectura. "
                                                   "¿Desea reemplazarlo?"));
    EXPECT_EQ(Bytes(ruta), "firmado");

    questions.clear();
    retries = 2;  // Yes
    Save(ruta);
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_TRUE(Bytes(ruta).endsWith("\r\n"));  // the project
    EXPECT_EQ(QFile::permissions(ruta) & QFileDevice::WriteOwner, 0);
}

TEST_F(ProjectFilesTest, ValuesNoFileCouldHoldAreNotSaved) {
    // A number above the field's limit never reaches the project.
    TypeAndLeave(w->Talon, "5e6");
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.back().text.contains(QString::fromUtf8("no puede ser mayor que 20.00")))
        << messages.back().text.toStdString();
    messages.clear();
    w->state().Talon = 5e6f;  // as a handler could store it
    Save(Path("grande.mur"));
    ASSERT_FALSE(messages.empty());
    EXPECT_FALSE(QFile::exists(Path("grande.mur")));
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(ProjectFilesTest, SavingOverAFileReplacesItWhole) {
    Write(Path("viejo.mur"), QByteArray(5000, 'x'));
    Save(Path("viejo.mur"));
    const QByteArray nuevo = Bytes(Path("viejo.mur"));
    EXPECT_LT(nuevo.size(), 200);
    EXPECT_TRUE(nuevo.endsWith("\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ProjectFilesTest, NewProjectWithEccentricFooting) {
    Click(w->Option5, 2);
    TypeAndLeave(w->Altura, "2.00");
    Type(w->Cohes1, "0.7");
    // "No" to the save question is the whole question: the new project comes in at once.
    w->Command5->click();
    EXPECT_EQ(saveQuestions, 1);
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(w->nuevo()->isVisible());
    EXPECT_EQ(w->Punta->text(), "0.20");
    EXPECT_EQ(w->Talon->text(), "0.30");
    EXPECT_EQ(w->Altura->text(), "1.00");
    EXPECT_TRUE(w->Option5->isSelected(2));  // the footing position keeps its selection
    EXPECT_EQ(s.BarrasIniciadas, 0);
    // The check ran on the footing the fields show: 0.20 + 0.30 + 0.20, Base/6 0.117.
    EXPECT_EQ(w->Label4->text(), "0.70");
    EXPECT_FLOAT_EQ(s.Punta, 0.20f);
    EXPECT_FLOAT_EQ(s.Base, 0.70f);
    EXPECT_EQ(w->Label31->text(), "0.117");
    // A new project clears the backfill cohesion, in its field as in the state.
    EXPECT_EQ(w->Cohes1->text(), "0.0");
    EXPECT_EQ(s.Cohes1, 0.0f);

    Click(w->Option5, 3);
    w->Command5->click();
    w->nuevo()->Command2->click();
    EXPECT_EQ(w->Punta->text(), "0.30");
    EXPECT_EQ(w->Talon->text(), "0.30");
}

TEST_F(ProjectFilesTest, NewProjectCancelChangesNothing) {
    TypeAndLeave(w->Altura, "2.00");
    saveAnswer = QMessageBox::Cancel;
    w->Command5->click();
    EXPECT_FALSE(w->nuevo()->isVisible());
    EXPECT_EQ(w->Altura->text(), "2.00");
    TypeAndLeave(w->Altura, "1.00");
    w->Command5->click();
    w->nuevo()->Command1->click();
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(w->nuevo()->isVisible());
    // Closing the dialog's window is a cancel too.
    w->Command5->click();
    w->nuevo()->close();
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(ProjectFilesTest, ExitEndsWithoutAskingAnythingElse) {
    int salidas = 0;
    w->setExitHandler([&] { ++salidas; });
    w->Command3->click();
    EXPECT_EQ(w->saleForm()->parentWidget(), w.get());
    EXPECT_EQ(w->saleForm()->Label1->text(), "OK para terminar");
    w->saleForm()->Command1->click();
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(salidas, 0);
    w->Command3->click();
    w->saleForm()->Command2->click();
    EXPECT_EQ(salidas, 1);
    EXPECT_EQ(w->salidaConf(), 1);
    EXPECT_TRUE(questions.empty());
}

TEST_F(ProjectFilesTest, ClosingTheWindowAsksAsTerminaDoes) {
    int salidas = 0;
    w->setExitHandler([&] { ++salidas; w->close(); });
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->saleForm()->isVisible());
    w->saleForm()->Command1->click();
    EXPECT_TRUE(w->isEnabled());
    w->close();
    w->saleForm()->Command2->click();
    EXPECT_EQ(salidas, 1);
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace tarelvo::test
