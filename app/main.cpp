// The desktop program: opens the main window on the default project.
#include <QApplication>

#include "engine/project_state.h"
#include "ui/main/murocont1.h"
#include "ui/qt_spanish.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarelvo"));
    QApplication::setApplicationVersion(QStringLiteral(TARELVO_VERSION));
    // Every word on screen is Spanish, the standard dialogs' buttons included.
    tarelvo::InstalaTraduccionQt(app);
    static tarelvo::ProjectState proyecto;
    tarelvo::MuroCont1 ventana(proyecto);
    ventana.Arranque();
    ventana.resize(ventana.comfortableSize());
    ventana.show();
    return app.exec();
}
