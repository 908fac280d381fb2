#include "ui/diagrams/diagramas_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/diagrams/diagramas_canvas.h"

namespace tarelvo {

DiagramasForm::DiagramasForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("DIAGRAMAS"));
    setWindowTitle(QStringLiteral("DIAGRAMAS"));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(9);
    setFont(f);
    canvas_ = new DiagramasCanvas(this);
    salir_ = new QPushButton(QStringLiteral("&Salir"), this);
    salir_->setObjectName(QStringLiteral("cmdSalir"));
    salir_->setDefault(true);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    abajo->addWidget(salir_);
    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(6, 6, 6, 6);
    todo->addWidget(canvas_, 1);
    todo->addLayout(abajo);
    setMinimumSize(640, 480);
    resize(1000, 720);
    // Escape leaves as "&Salir" does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, salir_, &QPushButton::click);
    connect(salir_, &QPushButton::clicked, this, [this] {
        hide();
        emit cerrado();
    });
}

void DiagramasForm::Muestra(const ProjectState& s) { canvas_->setMuro(s); }

// Closing by the frame is "&Salir": the main window must never stay disabled behind it.
void DiagramasForm::closeEvent(QCloseEvent* e) {
    e->accept();
    emit cerrado();
}

}  // namespace tarelvo
