#include "ui/report/murprev_updown.h"

#include <algorithm>
#include <cmath>

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/number_text.h"

namespace tarelvo {

MurPrevUpDown::MurPrevUpDown(QLineEdit* buddy, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setArrowType(b == up_ ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(18, 11);
        column->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

int MurPrevUpDown::Numero(const QString& text) {
    const double v = numtext::read(text.toStdString());
    // Page numbers are small; anything beyond is as good as the clamp.
    return static_cast<int>(std::lround(std::clamp(v, -1e6, 1e6)));
}

void MurPrevUpDown::step(int delta) {
    const int before = Numero(buddy_->text());
    // Limits that cross (a first page typed past the last) leave the lower one in force.
    const int after = std::max(min_, std::min(before + delta, max_));
    const QString text = QString::number(after);
    if (text == buddy_->text()) return;
    buddy_->setText(text);
    emit changed();
}

}  // namespace tarelvo
