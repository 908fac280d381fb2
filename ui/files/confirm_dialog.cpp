#include "ui/files/confirm_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarelvo {

ConfirmDialog::ConfirmDialog(const char* name, const QString& message, QWidget* owner)
    : QDialog(owner) {
    // Modal to the window it serves, and kept over it: the window takes no input meanwhile,
    // and a click on it cannot bury the dialog behind it.
    setWindowModality(Qt::WindowModal);
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QStringLiteral("Tarelvo"));
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(9);
    setFont(f);

    Label1 = new QLabel(message, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Command2 = new QPushButton(QStringLiteral("OK"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setAutoDefault(false);
    Command1 = new QPushButton(QStringLiteral("Cancela"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    // Enter keeps the data: "OK" discards the project, so it is never the default.
    Command1->setDefault(true);

    auto* botones = new QHBoxLayout;
    botones->addWidget(Command2);
    botones->addWidget(Command1);
    auto* box = new QVBoxLayout(this);
    box->addWidget(Label1);
    box->addLayout(botones);
    setFixedSize(300, 110);

    connect(Command2, &QPushButton::clicked, this, [this] { emit aceptado(); });
    connect(Command1, &QPushButton::clicked, this, [this] { emit cancelado(); });
}

// Closing the dialog by its frame or with Escape is the same as "Cancela": the main window
// must never stay disabled behind a vanished dialog.
void ConfirmDialog::closeEvent(QCloseEvent* e) {
    e->ignore();
    emit cancelado();
}

void ConfirmDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Command1->setFocus(Qt::OtherFocusReason);
}

// Once answered, the window it served takes the keyboard back: typing and leaving its fields
// must reach them, not a dialog no longer on screen.
void ConfirmDialog::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (QWidget* v = parentWidget(); v && v->isVisible()) v->activateWindow();
}

void ConfirmDialog::reject() { emit cancelado(); }

void ConfirmDialog::Muestra(QWidget* ventana) {
    if (parentWidget() != ventana) setParent(ventana, windowFlags());
    setWindowModality(Qt::WindowModal);
    show();
    raise();
    activateWindow();
}

}  // namespace tarelvo
