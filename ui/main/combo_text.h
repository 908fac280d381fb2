// Putting a text into a list with an editable text.
#pragma once

#include <QComboBox>

namespace tarelvo {

// The matching entry is selected; any other text is typed in.
inline void PonLista(QComboBox* c, const QString& text) {
    const int i = c->findText(text);
    if (i >= 0 && i != c->currentIndex())
        c->setCurrentIndex(i);
    else if (c->currentText() != text)
        c->setEditText(text);
}

}  // namespace tarelvo
