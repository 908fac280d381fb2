#include "ui/about/frm_about.h"

#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QSysInfo>
#include <QVBoxLayout>
#include <QtGlobal>

#include <cmath>
#include <utility>

namespace tarelvo {

namespace {

FrmAbout::InfoPresenter DefaultInfoPresenter() {
    return [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::information(parent, title, text);
    };
}

QString ScreenLine() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return QString::fromUtf8("Pantalla: no disponible");
    // Device pixels, so that a scaled desktop still reports its real resolution.
    const qreal ratio = screen->devicePixelRatio();
    const long width = std::lround(screen->size().width() * ratio);
    const long height = std::lround(screen->size().height() * ratio);
    const long dpi = std::lround(screen->logicalDotsPerInch());
    return QString::fromUtf8("Pantalla: %1x%2 píxeles, %3 ppp").arg(width).arg(height).arg(dpi);
}

QFont ArialFont(int pointSize, bool bold) {
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QString SystemInfoText() {
    QStringList lines;
    lines << QString::fromUtf8("Sistema operativo: ") + QSysInfo::prettyProductName();
    lines << QString::fromUtf8("Núcleo: ") + QSysInfo::kernelType() + QLatin1Char(' ') +
                 QSysInfo::kernelVersion();
    lines << QString::fromUtf8("Arquitectura: ") + QSysInfo::currentCpuArchitecture();
    lines << QString::fromUtf8("Qt: ") + QString::fromLatin1(qVersion());
    lines << ScreenLine();
    return lines.join(QLatin1Char('\n'));
}

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent), infoPresenter_(DefaultInfoPresenter()) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8("Acerca de Tarelvo"));
    setModal(false);

    auto* title = new QLabel(QStringLiteral("Tarelvo"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFont(ArialFont(20, true));

    auto* version = new QLabel(QString::fromUtf8("Versión ") +
                                   QString::fromLatin1(TARELVO_VERSION),
                               this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setFont(ArialFont(10, false));

    auto* description = new QLabel(
        QString::fromUtf8("Diseño y chequeo de muros de contención en voladizo de concreto armado"),
        this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setFont(ArialFont(10, false));

    auto* ok = new QPushButton(QString::fromUtf8("&Aceptar"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setFont(ArialFont(9, false));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* sysInfo = new QPushButton(QString::fromUtf8("&Info. del Sistema..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setFont(ArialFont(9, false));
    // Not a default button: Enter in the box means "&Aceptar".
    sysInfo->setAutoDefault(false);
    connect(sysInfo, &QPushButton::clicked, this, &FrmAbout::showSystemInfo);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(description);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmAbout::setInfoPresenter(InfoPresenter presenter) {
    infoPresenter_ = presenter ? std::move(presenter) : DefaultInfoPresenter();
}

void FrmAbout::showSystemInfo() {
    infoPresenter_(this, QString::fromUtf8("Información del sistema"), SystemInfoText());
}

}  // namespace tarelvo
