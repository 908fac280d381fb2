// The hint shown in the main window's hint box when the mouse moves over a control.
#pragma once

#include <QString>

namespace tarelvo {

enum class HintAction {
    Keep,   // the control has no hint: the box keeps its text
    Clear,  // the box is emptied
    Show,   // the box shows Hint::text
};

struct Hint {
    HintAction action;
    QString text;  // only for Show
};

// The hint of the control with this objectName. Controls that are arrays share one name for
// all their elements.
Hint HintFor(const QString& controlName);

}  // namespace tarelvo
