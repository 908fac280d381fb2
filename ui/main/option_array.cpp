#include "ui/main/option_array.h"

#include <QRadioButton>

namespace tarelvo {

OptionArray::OptionArray(QObject* parent) : QObject(parent) {
    group_.setExclusive(true);
    connect(&group_, &QButtonGroup::idClicked, this, &OptionArray::clicked);
}

void OptionArray::add(int index, QRadioButton* button) {
    buttons_.insert(index, button);
    group_.addButton(button, index);
    button->setProperty("index", index);
}

int OptionArray::selected() const { return group_.checkedId(); }

bool OptionArray::isSelected(int index) const {
    QRadioButton* b = button(index);
    return b && b->isChecked();
}

void OptionArray::select(int index) {
    QRadioButton* b = button(index);
    if (!b) return;
    b->setChecked(true);
    emit clicked(index);
}

}  // namespace tarelvo
