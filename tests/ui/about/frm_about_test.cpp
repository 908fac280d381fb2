#include "ui/about/frm_about.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/QTest>

#include <vector>

namespace {

using tarelvo::FrmAbout;

struct PresenterCall {
    QWidget* parent;
    QString title;
    QString text;
};

template <typename T>
T* Child(const QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

TEST(FrmAbout, ShowsNameVersionAndDescription) {
    FrmAbout about;
    EXPECT_EQ(about.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Acerca de Tarelvo"));

    const QLabel* title = Child<QLabel>(about, "lblTitle");
    const QLabel* version = Child<QLabel>(about, "lblVersion");
    const QLabel* description = Child<QLabel>(about, "lblDescription");
    ASSERT_TRUE(title && version && description);
    EXPECT_EQ(title->text(), QStringLiteral("Tarelvo"));
    EXPECT_TRUE(title->font().bold());
    EXPECT_GT(title->font().pointSizeF(), version->font().pointSizeF());
    EXPECT_EQ(title->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(version->text(),
              QString::fromUtf8("Versión ") + QString::fromLatin1(TARELVO_VERSION));
    EXPECT_EQ(description->text(),
              QString::fromUtf8(
                  "Diseño y chequeo de muros de contención en voladizo de concreto armado"));

    const QPushButton* ok = Child<QPushButton>(about, "cmdOK");
    const QPushButton* sysInfo = Child<QPushButton>(about, "cmdSysInfo");
    ASSERT_TRUE(ok && sysInfo);
    EXPECT_EQ(ok->text(), QStringLiteral("&Aceptar"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(sysInfo->text(), QStringLiteral("&Info. del Sistema..."));
}

TEST(FrmAbout, IsNotModalAndAcceptHidesIt) {
    QWidget mainWindow;
    mainWindow.show();
    auto* about = new FrmAbout(&mainWindow);
    about->show();
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(mainWindow.isEnabled());

    QPushButton* ok = Child<QPushButton>(*about, "cmdOK");
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(mainWindow.isVisible());

    // The main window shows the same box again.
    about->show();
    EXPECT_TRUE(about->isVisible());
}

TEST(FrmAbout, SystemInfoGoesThroughThePresenterOnce) {
    FrmAbout about;
    std::vector<PresenterCall> calls;
    about.setInfoPresenter([&calls](QWidget* parent, const QString& title, const QString& text) {
        calls.push_back({parent, title, text});
    });
    about.show();

    QPushButton* sysInfo = Child<QPushButton>(about, "cmdSysInfo");
    ASSERT_NE(sysInfo, nullptr);
    QTest::mouseClick(sysInfo, Qt::LeftButton);

    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].parent, &about);
    EXPECT_EQ(calls[0].title, QString::fromUtf8("Información del sistema"));
    EXPECT_TRUE(calls[0].text.contains(QStringLiteral("Qt: ") + QString::fromLatin1(qVersion())))
        << calls[0].text.toStdString();
    // The box stays open behind the information.
    EXPECT_TRUE(about.isVisible());
}

TEST(FrmAbout, SystemInfoTextLines) {
    const QStringList lines = tarelvo::SystemInfoText().split(QLatin1Char('\n'));
    const char* const prefixes[] = {"Sistema operativo: ", "Núcleo: ", "Arquitectura: ", "Qt: ",
                                    "Pantalla: "};
    ASSERT_EQ(lines.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(lines[i].startsWith(QString::fromUtf8(prefixes[i]))) << lines[i].toStdString();
    }
    const QRegularExpression screen(
        QString::fromUtf8("^Pantalla: (\\d+x\\d+ píxeles, \\d+ ppp|no disponible)$"));
    EXPECT_TRUE(screen.match(lines[4]).hasMatch()) << lines[4].toStdString();
    if (QGuiApplication::primaryScreen()) {
        EXPECT_NE(lines[4], QString::fromUtf8("Pantalla: no disponible"));
    }
}

}  // namespace
