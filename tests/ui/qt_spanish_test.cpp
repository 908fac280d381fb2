// Qt's standard dialogs speak Spanish once its translation is installed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt_spanish.h"

namespace tarelvo::test {
namespace {

TEST(TraduccionQt, MessageBoxAndDialogButtonsReadInSpanish) {
    ASSERT_TRUE(InstalaTraduccionQt(*qApp)) << "falta qtbase_es.qm (qt6-translations-l10n)";
    EXPECT_TRUE(InstalaTraduccionQt(*qApp));  // a second call adds nothing
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tarelvo"), QStringLiteral("¿Guardar?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel |
                        QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
    auto texto = [&box](QMessageBox::StandardButton b) {
        return box.button(b)->text().remove(QLatin1Char('&'));
    };
    EXPECT_EQ(texto(QMessageBox::Cancel), "Cancelar");
    EXPECT_EQ(texto(QMessageBox::Save), "Guardar");
    EXPECT_EQ(texto(QMessageBox::Ok), "Aceptar");
    EXPECT_EQ(texto(QMessageBox::Yes), "Sí");
    EXPECT_EQ(texto(QMessageBox::No), "No");
    QDialogButtonBox botones(QDialogButtonBox::Open | QDialogButtonBox::Close);
    EXPECT_EQ(botones.button(QDialogButtonBox::Open)->text().remove(QLatin1Char('&')), "Abrir");
    EXPECT_EQ(botones.button(QDialogButtonBox::Close)->text().remove(QLatin1Char('&')), "Cerrar");
    // A folder's kind in the file dialog's list, which Qt's translation leaves in English.
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), "Carpeta");
}

}  // namespace
}  // namespace tarelvo::test
