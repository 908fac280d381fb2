#include "ui/export/desktop_open.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tarelvo {

namespace {
constexpr int kEsperaMs = 5000;  // a query that takes longer is not waited for
}

bool HayProgramaPara(const QString& ruta) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return true;
    const QString tipo = QMimeDatabase().mimeTypeForFile(ruta, QMimeDatabase::MatchExtension).name();
    QProcess consulta;
    consulta.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), tipo});
    if (!consulta.waitForFinished(kEsperaMs)) {
        consulta.kill();
        consulta.waitForFinished();
        return true;
    }
    // The program's desktop file, e.g. "librecad.desktop"; nothing when there is none.
    return consulta.exitStatus() == QProcess::NormalExit && consulta.exitCode() == 0 &&
           !consulta.readAllStandardOutput().trimmed().isEmpty();
}

bool AbreConElEscritorio(const QString& ruta) {
    return HayProgramaPara(ruta) && QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
}

}  // namespace tarelvo
