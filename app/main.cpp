// The desktop program: opens the main window on the default project. Given an output of the
// command-line tool that is drawn with Qt (--pdf), it runs that command line instead, without a
// window.
#include <QApplication>
#include <iostream>

#include "app/calc_mode.h"
#include "engine/project_state.h"
#include "ui/main/murocont1.h"
#include "ui/qt_spanish.h"

int main(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    if (tarelvo::EsModoCalculo(args)) return tarelvo::ModoCalculo(args, std::cout, std::cerr);

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
