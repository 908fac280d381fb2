// A control array of option buttons addressed by index (indices need not start at 0).
// Exactly one is selected. Selecting one from the program runs the click handler whether or
// not it was already selected, as a click by the user does.
#pragma once

#include <QButtonGroup>
#include <QMap>
#include <QObject>

class QRadioButton;

namespace tarelvo {

class OptionArray : public QObject {
    Q_OBJECT
public:
    explicit OptionArray(QObject* parent = nullptr);
    void add(int index, QRadioButton* button);
    QRadioButton* button(int index) const { return buttons_.value(index); }
    QList<int> indices() const { return buttons_.keys(); }
    // The selected index, or -1.
    int selected() const;
    bool isSelected(int index) const;
    void select(int index);
signals:
    void clicked(int index);

private:
    QButtonGroup group_;
    QMap<int, QRadioButton*> buttons_;
};

}  // namespace tarelvo
