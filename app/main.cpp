// The desktop program: opens the main window on the default project. Given an output of the
// command-line tool that is drawn with Qt (--pdf), it runs that command line instead, without a
// window. "tarelvo FILE.mur" opens that project.
#include <QApplication>
#include <iostream>

#include "app/calc_mode.h"
#include "engine/project_state.h"
#include "files/safe_save.h"
#include "ui/main/murocont1.h"
#include "report/font_names.h"
#include "ui/qt_spanish.h"

int main(int argc, char** argv) {
    tarelvo::PreparaGuardados();
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    if (tarelvo::EsModoCalculo(args)) return tarelvo::ModoCalculo(args, std::cout, std::cerr);

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
    if (!args.empty()) ventana.AbreAlIniciar(QString::fromLocal8Bit(argv[1]));
    return app.exec();
}
