// The desktop program: opens the main window on the default project.
#include <QApplication>

#include "engine/project_state.h"
#include "ui/main/murocont1.h"
#include "report/font_names.h"
#include "ui/qt_spanish.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarelvo"));
    QApplication::setApplicationVersion(QStringLiteral(TARELVO_VERSION));
    // Every word on screen is Spanish, the standard dialogs' buttons included.
    tarelvo::InstalaTraduccionQt(app);
    tarelvo::SustituyeArial();
    static tarelvo::ProjectState proyecto;
    tarelvo::MuroCont1 ventana(proyecto);
    ventana.Arranque();
    ventana.resize(ventana.comfortableSize());
    ventana.show();
    // "tarelvo FILE.mur", as a file manager starts it: the project opens as "&Abre" would.
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1) ventana.AbreAlIniciar(args.at(1));
    return app.exec();
}
