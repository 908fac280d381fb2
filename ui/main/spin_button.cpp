#include "ui/main/spin_button.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace tarelvo {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        box->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, &SpinButton::up);
    connect(down_, &QToolButton::clicked, this, &SpinButton::down);
}

}  // namespace tarelvo
