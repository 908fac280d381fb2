#include "ui/qt_spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarelvo {

bool InstalaTraduccionQt(QCoreApplication& app) {
    // Kept for the whole run; the application does not own its translators.
    static QTranslator* traductor = nullptr;
    if (traductor) return true;
    auto* t = new QTranslator(&app);
    if (!t->load(QStringLiteral("qtbase_es"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    traductor = t;
    return true;
}

}  // namespace tarelvo
