// Every project the main window can hold is saved and loaded back: titles pasted with control
// characters or at any length, and values within what the fields take.
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "ui/files/confirm_dialog.h"
#include "files/mur_title.h"
#include "main_window_fixture.h"

namespace tarelvo::test {
namespace {

class ProjectTitlesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        w->setFileChooser([this](QWidget*, bool, const QString&) { return nextPath; });
        w->setQuestionPresenter([this](QWidget*, const QString&, const QString& text) {
            questions.push_back(text);
            return false;
        });
    }
    void Save(const QString& path) {
        nextPath = path;
        w->Command2->click();
    }
    void NewThenLoad(const QString& path) {
        w->Command5->click();
        w->nuevo()->Command2->click();
        nextPath = path;
        w->Command4->click();
        // The dialog took the activation; fields store what is typed only when left.
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    // What a file keeps of a title the field holds.
    static QString Kept(const QString& title) {
        return QString::fromStdString(TituloParaArchivo(title.toStdString()));
    }

    QTemporaryDir dir;
    QString nextPath;
    std::vector<QString> questions;
};

TEST_F(ProjectTitlesTest, APastedControlCharacterNoLongerLosesTheProject) {
    Type(w->Titulo, QString::fromUtf8("Muro\u0085Norte\u009Ftramo 2"));
    TypeAndLeave(w->Altura, "2.50");
    const QString path = dir.filePath("c1.mur");
    Save(path);
    ASSERT_TRUE(questions.empty());
    NewThenLoad(path);
    EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();
    EXPECT_EQ(w->Titulo->text(), "Muro Norte tramo 2");
    EXPECT_EQ(w->Altura->text(), "2.50");
}

TEST_F(ProjectTitlesTest, TheTitleFieldHoldsWhatAFileKeeps) {
    EXPECT_EQ(w->Titulo->maxLength(), static_cast<int>(kLargoTitulo));
    // The field once took 32,767 characters, which made a file the reader refused.
    Type(w->Titulo, QString(32767, QChar(0x20AC)));
    EXPECT_EQ(w->Titulo->text().size(), static_cast<int>(kLargoTitulo));
    TypeAndLeave(w->Altura, "3.00");
    const QString path = dir.filePath("largo.mur");
    Save(path);
    ASSERT_TRUE(questions.empty());
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
    NewThenLoad(path);
    EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();
    EXPECT_EQ(w->Titulo->text(), QString(250, QChar(0x20AC)));
    EXPECT_EQ(w->Altura->text(), "3.00");
    EXPECT_EQ(s.Titulo, w->Titulo->text().toStdString());
}

TEST_F(ProjectTitlesTest, AnOlderFileWithALongerTitleLoadsAsTheFieldShowsIt) {
    const QString path = dir.filePath("viejo.mur");
    Save(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray numbers = f.readAll().mid(2);  // after the empty title's line end
    f.close();
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(400, 'L') + "\r\n" + numbers);
    f.close();
    NewThenLoad(path);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w->Titulo->text(), QString(250, 'L'));
    EXPECT_EQ(s.Titulo, std::string(250, 'L'));
    // Again, over the same title in the field: its text does not change this time.
    nextPath = path;
    w->Command4->click();
    EXPECT_EQ(s.Titulo, std::string(250, 'L'));
    Save(dir.filePath("otra.mur"));
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(messages.empty());
}

// A random title as a paste may bring it: every plane, controls of both kinds, line ends and
// byte order marks; longer than the field at times.
QString RandomTitle(QRandomGenerator& r) {
    QString t;
    const int length = r.bounded(320);
    while (t.size() < length) {
        switch (r.bounded(8)) {
            case 0: t += QChar(r.bounded(0x20)); break;
            case 1: t += QChar(0x7F + r.bounded(0x21)); break;
            case 2: t += QChar(0xFEFF); break;
            case 3: t += QString::fromUcs4(std::array<char32_t, 1>{char32_t(0x10000 + r.bounded(0xFFFF))}.data(), 1); break;
            case 4: t += QChar(0xA0 + r.bounded(0xD7FF - 0xA0)); break;
            default: t += QChar(0x20 + r.bounded(0x5F));
        }
    }
    return t;
}

TEST_F(ProjectTitlesTest, EveryProjectTheWindowHoldsIsSavedAndLoadedBack) {
    QRandomGenerator r(20240611);
    const struct { FieldEdit* field; double low, high; } fields[] = {
        {w->Altura, 1, 8},   {w->Ancho, 0.15, 0.5}, {w->AltZap, 0.2, 1},   {w->Dsz, 0.3, 2},
        {w->Punta, 0.1, 2},  {w->Talon, 0.2, 4},    {w->Phi1, 25, 40},     {w->Phi2, 20, 40},
        {w->Gamma1, 1.5, 2.2}, {w->Gamma2, 1.5, 2.2}, {w->Cohes, 0, 2}};
    const QString path = dir.filePath("azar.mur");
    for (int round = 0; round < 25; ++round) {
        Type(w->Titulo, RandomTitle(r));
        for (const auto& f : fields)
            TypeAndLeave(f.field, QString::number(f.low + (f.high - f.low) * r.generateDouble(), 'f', 2));
        const QString title = w->Titulo->text();
        ASSERT_LE(title.size(), static_cast<int>(kLargoTitulo));
        messages.clear();
        Save(path);
        ASSERT_TRUE(questions.empty()) << questions.front().toStdString();
        ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
        // As the save left them: it runs the check, which may settle the footing.
        std::vector<QString> texts;
        for (const auto& f : fields) texts.push_back(f.field->text());
        NewThenLoad(path);
        for (const Message& m : messages)
            ASSERT_NE(m.title, "Tarelvo") << m.text.toStdString();  // a refused file
        EXPECT_EQ(w->Titulo->text(), Kept(title)) << round;
        EXPECT_EQ(s.Titulo, Kept(title).toStdString()) << round;
        for (std::size_t i = 0; i < texts.size(); ++i)
            EXPECT_EQ(fields[i].field->text().toStdString(), texts[i].toStdString())
                << fields[i].field->objectName().toStdString() << " " << round;
    }
}

}  // namespace
}  // namespace tarelvo::test
