// Paper codes: the Windows paper numbers 1 to 68 and 256 (a size of the user's own) that the
// page setup keeps, their names as the paper list shows them, and their sizes.
#pragma once

#include <optional>

#include <QPageSize>
#include <QSizeF>
#include <QString>

namespace tarelvo {

constexpr int kPaperLetter = 1;
constexpr int kPaperA4 = 9;
constexpr int kPaperLast = 68;
constexpr int kPaperCustom = 256;

// The paper list's name for a code; empty for the codes never offered (0, 48, 49, and any code
// outside 1 to 68 other than 256, which is "Custom").
QString PaperName(int code);

// The paper of a code, as the code defines it (Ledger is wider than tall); `custom` gives the
// size, in twips, of code 256. Nothing for a code without a paper.
std::optional<QPageSize> PaperPageSize(int code, const QSizeF& custom);

// The paper of a code in twips, or nothing.
std::optional<QSizeF> PaperTwips(int code, const QSizeF& custom);

// The code of a paper size, or 0 when none of 1 to 68 is that paper.
int PaperCodeOf(const QPageSize& size);

}  // namespace tarelvo
