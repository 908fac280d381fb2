// Breaking a text into lines that fit a width, at blanks where possible.
#pragma once

#include <QStringList>

#include "report/display_list.h"

namespace tarelvo {

// Lines of `text` in `font`: the first at most `firstWidth` twips wide, the others `width`.
// Line breaks in the text are kept; a word wider than its line is cut between characters;
// every line but an empty one carries at least one character, so a width too narrow for
// anything still ends. An empty text is one empty line.
QStringList WrapText(const PageFont& font, const QString& text, double firstWidth,
                     double width);

}  // namespace tarelvo
