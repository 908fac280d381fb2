#include "ui/alt_keys.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tarelvo {

namespace {

class FiltroAlt : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        // Ctrl+Alt is AltGr on some keyboards, which writes characters of its own.
        const Qt::KeyboardModifiers m = k->modifiers();
        if (!(m & Qt::AltModifier) || (m & Qt::ControlModifier)) return false;
        if (k->text().isEmpty() || !k->text().at(0).isPrint()) return false;
        return qobject_cast<QLineEdit*>(o) || qobject_cast<QAbstractSpinBox*>(o) ||
               qobject_cast<QPlainTextEdit*>(o) || qobject_cast<QTextEdit*>(o);
    }
};

}  // namespace

void SinLetrasDeAlt(QCoreApplication& app) {
    const QString nombre = QStringLiteral("FiltroAlt");
    if (app.findChild<QObject*>(nombre, Qt::FindDirectChildrenOnly)) return;
    auto* filtro = new FiltroAlt(&app);
    filtro->setObjectName(nombre);
    app.installEventFilter(filtro);
}

}  // namespace tarelvo
