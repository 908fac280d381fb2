#include "ui/main/accel_button.h"

#include <QEvent>

namespace tarelvo {

bool AccelButton::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut && isEnabled() && isVisible()) {
        // Without this the button would press with the focus still in the field: a footing
        // typed as 0.07 would be checked before its limit raised it to 0.25.
        if (focusPolicy() != Qt::NoFocus) setFocus(Qt::ShortcutFocusReason);
        // The leaving rules may have changed what the button may do.
        if (!isEnabled() || !isVisible()) return true;
    }
    return QPushButton::event(e);
}

}  // namespace tarelvo
