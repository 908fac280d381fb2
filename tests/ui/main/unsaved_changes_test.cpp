// Nothing is lost without the user choosing it: the question before replacing a changed
// project, the focus after "&Calculo", the confirmation dialogs' default buttons, ".mur".
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/files/confirm_dialog.h"
#include "main_window_fixture.h"

namespace tarelvo::test {
namespace {

class UnsavedTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        w->setFileChooser([this](QWidget*, bool guardar, const QString&) {
            ++(guardar ? saveDialogs : openDialogs);
            return guardar ? savePath : openPath;
        });
        w->setQuestionPresenter([this](QWidget*, const QString&, const QString& text) {
            questions << text;
            return true;
        });
        w->setExitHandler([this] { ++exits; });
    }
    QString Path(const char* n) const { return dir.filePath(QString::fromLatin1(n)); }
    // The four commands that replace the project; each shows its own dialog or file dialog.
    enum Camino { Nuevo, Abre, Termina, Cierra };
    void Ejecuta(Camino c) {
        switch (c) {
            case Nuevo: w->Command5->click(); break;
            case Abre: w->Command4->click(); break;
            case Termina: w->Command3->click(); break;
            case Cierra: w->close(); break;
        }
    }
    // Whether the command went on: its dialog shows, or the file dialog was asked for, or,
    // once the save question was answered, it did its work without asking more.
    bool Siguio(Camino c) {
        switch (c) {
            case Nuevo: return w->nuevo()->isVisible() || w->Altura->text() == "1.00";
            case Abre: return openDialogs > 0;
            default: return w->saleForm()->isVisible() || exits > 0;
        }
    }
    void CierraDialogos() {
        for (ConfirmDialog* d : {w->nuevo(), w->saleForm()})
            if (d->isVisible()) d->Command1->click();
    }

    QTemporaryDir dir;
    QString savePath, openPath;
    int saveDialogs = 0, openDialogs = 0, exits = 0;
    QStringList questions;
};

TEST_F(UnsavedTest, AnUnchangedProjectGoesStraightOn) {
    for (Camino c : {Nuevo, Abre, Termina, Cierra}) {
        Ejecuta(c);
        EXPECT_EQ(saveQuestions, 0) << c;
        EXPECT_TRUE(Siguio(c)) << c;
        CierraDialogos();
        EXPECT_TRUE(w->isEnabled()) << c;
    }
    // A check is not a change of the data.
    w->Command8->click();
    w->Command5->click();
    EXPECT_EQ(saveQuestions, 0);
    CierraDialogos();
}

TEST_F(UnsavedTest, CancelAbortsNoGoesOnYesSavesFirst) {
    // A confirmed exit lets the frame close the window at once, so closing by the frame is
    // not tried after it in the same window.
    for (Camino c : {Nuevo, Abre, Termina}) {
        SCOPED_TRACE(c);
        const QString altura = QString::number(2 + c) + QStringLiteral(".00");
        TypeAndLeave(w->Altura, altura);
        ASSERT_TRUE(w->Cambiado());

        // Cancelar: nothing happens, nothing is lost.
        saveQuestions = 0;
        openDialogs = 0;
        saveAnswer = QMessageBox::Cancel;
        Ejecuta(c);
        EXPECT_EQ(saveQuestions, 1);
        EXPECT_FALSE(Siguio(c));
        EXPECT_EQ(w->Altura->text(), altura);
        EXPECT_TRUE(w->isEnabled());
        EXPECT_TRUE(w->isVisible());

        // No: the command goes on without saving.
        saveAnswer = QMessageBox::No;
        const int dialogos = saveDialogs;
        Ejecuta(c);
        EXPECT_TRUE(Siguio(c));
        EXPECT_EQ(saveDialogs, dialogos);
        // The answered question was the only one.
        EXPECT_FALSE(w->nuevo()->isVisible() || w->saleForm()->isVisible());
        CierraDialogos();
        exits = 0;
        TypeAndLeave(w->Altura, altura);

        // Sí on a project without a file: "&Salva" asks where; a cancelled save stops the
        // command, a good one lets it go on.
        saveAnswer = QMessageBox::Yes;
        openDialogs = 0;
        savePath.clear();
        Ejecuta(c);
        EXPECT_EQ(saveDialogs, dialogos + 1);
        EXPECT_FALSE(Siguio(c));
        EXPECT_EQ(w->Altura->text(), altura);
        savePath = Path("guardado");
        Ejecuta(c);
        EXPECT_TRUE(QFile::exists(Path("guardado.mur")));  // ".mur" added
        EXPECT_TRUE(Siguio(c));
        EXPECT_FALSE(w->Cambiado());
        CierraDialogos();
        exits = 0;
        QFile::remove(Path("guardado.mur"));
        // The next round starts from a project without a file again.
        w->state().NombreArchivo.clear();
    }
}

TEST_F(UnsavedTest, YesOnAProjectWithItsFileSavesThereWithoutADialog) {
    savePath = Path("muro.mur");
    w->Command2->click();
    ASSERT_TRUE(QFile::exists(savePath));
    EXPECT_FALSE(w->Cambiado());
    TypeAndLeave(w->Altura, "3.00");
    saveAnswer = QMessageBox::Yes;
    const int dialogos = saveDialogs;
    w->Command5->click();
    EXPECT_EQ(saveDialogs, dialogos);
    QFile f(savePath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains(" 3 "));
    // The answered question was the only one; after the new project, a save asks where: the
    // old file is never overwritten by it.
    EXPECT_FALSE(w->nuevo()->isVisible());
    EXPECT_EQ(w->state().NombreArchivo, "");
}

TEST_F(UnsavedTest, AFailedSaveStopsTheCommand) {
    w->setQuestionPresenter([](QWidget*, const QString&, const QString&) { return false; });
    TypeAndLeave(w->Altura, "2.00");
    saveAnswer = QMessageBox::Yes;
    savePath = Path("no-existe/muro.mur");
    w->Command3->click();
    EXPECT_FALSE(w->saleForm()->isVisible());
    EXPECT_EQ(w->Altura->text(), "2.00");
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(UnsavedTest, LoadingOrSavingMakesTheProjectUnchanged) {
    savePath = Path("a.mur");
    TypeAndLeave(w->Altura, "2.00");
    w->Command2->click();
    EXPECT_FALSE(w->Cambiado());
    openPath = savePath;
    w->Command4->click();
    EXPECT_FALSE(w->Cambiado());
    EXPECT_EQ(saveQuestions, 0);
    Type(w->Titulo, "otro");
    EXPECT_TRUE(w->Cambiado());
}

TEST_F(UnsavedTest, ANameWithoutExtensionGetsMurAndAnExistingOneIsAskedAbout) {
    savePath = Path("muro");
    w->Command2->click();
    EXPECT_TRUE(QFile::exists(Path("muro.mur")));
    EXPECT_FALSE(QFile::exists(Path("muro")));
    EXPECT_TRUE(questions.isEmpty());
    // Saved again under the bare name: "muro.mur" exists and is asked about first.
    w->Command2->click();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("muro.mur"));
    // A name with its own extension is kept.
    savePath = Path("muro.v2");
    w->Command2->click();
    EXPECT_TRUE(QFile::exists(Path("muro.v2")));
}

TEST_F(UnsavedTest, EnterNeverWipesTheProject) {
    // After "&Calculo" the focus is on "C&hequeo", not on "&Nuevo".
    TypeAndLeave(w->Altura, "3.00");
    w->Command8->click();
    ASSERT_TRUE(w->Command1->isEnabled());
    w->Command1->setFocus();
    w->Command1->click();
    ASSERT_FALSE(w->Command1->isEnabled());
    EXPECT_TRUE(w->Command8->hasFocus());
    EXPECT_FALSE(w->Command5->hasFocus());
    // The confirmation dialogs default to "Cancela".
    for (ConfirmDialog* d : {w->nuevo(), w->saleForm()}) {
        EXPECT_TRUE(d->Command1->isDefault());
        EXPECT_FALSE(d->Command2->isDefault());
    }
    // A saved project is asked about by the dialog alone.
    savePath = Path("enter.mur");
    w->Command2->click();
    ASSERT_FALSE(w->Cambiado());
    w->Command5->click();
    ASSERT_TRUE(w->nuevo()->isVisible());
    QTest::keyClick(w->nuevo(), Qt::Key_Return);
    EXPECT_FALSE(w->nuevo()->isVisible());
    EXPECT_EQ(w->Altura->text(), "3.00");
}

TEST_F(UnsavedTest, AFileGivenAtStartUpOpensAsAbreWould) {
    QFile f(Path("inicio.mur"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Muro de inicio\r\n 0  0  0  0  0  0  0 \r\n .2  2.5  .3  .5  .5  1.2  30  30 "
            " 1.8  1.8  0 \r\n 2  0  0  0 \r\n");
    f.close();
    w->AbreAlIniciar(Path("inicio.mur"));
    EXPECT_EQ(w->Titulo->text(), "Muro de inicio");
    EXPECT_EQ(w->Altura->text(), "2.50");
    EXPECT_FALSE(w->Cambiado());
    EXPECT_EQ(w->state().NombreArchivo, Path("inicio.mur").toStdString());
    EXPECT_EQ(openDialogs, 0);
    // A file that cannot be read says so and leaves the project it found.
    w->AbreAlIniciar(Path("no-esta.mur"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("no-esta.mur"));
    EXPECT_EQ(w->Titulo->text(), "Muro de inicio");
    EXPECT_TRUE(w->isEnabled());
}

}  // namespace
}  // namespace tarelvo::test
