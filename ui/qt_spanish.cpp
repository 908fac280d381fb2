#include "ui/qt_spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarelvo {

namespace {

// What Qt's Spanish translation leaves in English: the kinds of entry of the file dialog's list.
class TiposDeArchivo : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* texto, const char* /*desambiguacion*/,
                      int /*n*/) const override {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
        static const char* const kTipos[][2] = {{"Folder", "Carpeta"},
                                                {"File", "Archivo"},
                                                {"%1 File", "Archivo %1"},
                                                {"Drive", "Unidad"},
                                                {"Shortcut", "Acceso directo"},
                                                {"Alias", "Alias"}};
        for (const auto& t : kTipos)
            if (qstrcmp(texto, t[0]) == 0) return QString::fromUtf8(t[1]);
        return {};
    }
};

}  // namespace

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
    // Searched before Qt's own, which it completes.
    QCoreApplication::installTranslator(new TiposDeArchivo(&app));
    traductor = t;
    return true;
}

}  // namespace tarelvo
