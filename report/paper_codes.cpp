#include "report/paper_codes.h"

#include <array>
#include <cmath>

namespace tarelvo {

namespace {

// Indexed by the code; the backslashed digits are part of the names, as the list shows them.
const std::array<const char*, kPaperLast + 1> kNombres = {
    "",
    "Letter 8 1/2 x 11 in",
    "Letter Small 8 1/2 x 11 in",
    "Tabloid 11 x 17 in",
    "Ledger 17 x 11 in",
    "Legal 8 1/2 x 14 in",
    "Statement 5 1/2 x 8 1/2 in",
    "Executive 7 1/4 x 10 1/2 in",
    "A3 297 x 420 mm",
    "A4 210 x 297 mm",
    "A4 Small 210 x 297 mm",
    "A5 148 x 210 mm",
    "B4 (JIS) 250 x 354",
    "B5 (JIS) 182 x 257 mm",
    "Folio 8 1/2 x 13 in",
    "Quarto 215 x 275 mm",
    "10x14 in",
    "11x17 in",
    "Note 8 1/2 x 11 in",
    "Envelope #9 3 7/8 x 8 7/8",
    "Envelope #10 4 1/8 x 9 1/2",
    "Envelope #11 4 1/2 x 10 3/8",
    "Envelope #12 4 \\276 x 11",
    "Envelope #14 5 x 11 1/2",
    "C size sheet",
    "D size sheet",
    "E size sheet",
    "Envelope DL 110 x 220mm",
    "Envelope C5 162 x 229 mm",
    "Envelope C3  324 x 458 mm",
    "Envelope C4  229 x 324 mm",
    "Envelope C6  114 x 162 mm",
    "Envelope C65 114 x 229 mm",
    "Envelope B4  250 x 353 mm",
    "Envelope B5  176 x 250 mm",
    "Envelope B6  176 x 125 mm",
    "Envelope 110 x 230 mm",
    "Envelope Monarch 3.875 x 7.5 in",
    "6 3/4 Envelope 3 5/8 x 6 1/2 in",
    "US Std Fanfold 14 7/8 x 11 in",
    "German Std Fanfold 8 1/2 x 12 in",
    "German Legal Fanfold 8 1/2 x 13 in",
    "B4 (ISO) 250 x 353 mm",
    "Japanese Postcard 100 x 148 mm",
    "9 x 11 in",
    "10 x 11 in",
    "15 x 11 in",
    "Envelope Invite 220 x 220 mm",
    "",
    "",
    "Letter Extra 9 \\275 x 12 in",
    "Legal Extra 9 \\275 x 15 in",
    "Tabloid Extra 11.69 x 18 in",
    "A4 Extra 9.27 x 12.69 in",
    "Letter Transverse 8 \\275 x 11 in",
    "A4 Transverse 210 x 297 mm",
    "Letter Extra Transverse 9\\275 x 12 in",
    "SuperA/SuperA/A4 227 x 356 mm",
    "SuperB/SuperB/A3 305 x 487 mm",
    "Letter Plus 8.5 x 12.69 in",
    "A4 Plus 210 x 330 mm",
    "A5 Transverse 148 x 210 mm",
    "B5 (JIS) Transverse 182 x 257 mm",
    "A3 Extra 322 x 445 mm",
    "A5 Extra 174 x 235 mm",
    "B5 (ISO) Extra 201 x 276 mm",
    "A2 420 x 594 mm",
    "A3 Transverse 297 x 420 mm",
    "A3 Extra Transverse 322 x 445 mm",
};

constexpr int kFolio = 14;  // 8 1/2 x 13 in, a size Qt knows under no Windows number

}  // namespace

QString PaperName(int code) {
    if (code == kPaperCustom) return QStringLiteral("Custom");
    if (code < 1 || code > kPaperLast) return QString();
    return QString::fromUtf8(kNombres[static_cast<std::size_t>(code)]);
}

std::optional<QPageSize> PaperPageSize(int code, const QSizeF& custom) {
    if (code == kPaperCustom) {
        if (!(custom.width() > 0 && custom.height() > 0)) return std::nullopt;
        return QPageSize(QSizeF(custom.width() / 20, custom.height() / 20), QPageSize::Point,
                         QStringLiteral("Custom"), QPageSize::ExactMatch);
    }
    if (PaperName(code).isEmpty()) return std::nullopt;
    if (code == kFolio)
        return QPageSize(QSizeF(8.5, 13), QPageSize::Inch, PaperName(code),
                         QPageSize::ExactMatch);
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (id == QPageSize::Custom) return std::nullopt;
    return QPageSize(id);
}

std::optional<QSizeF> PaperTwips(int code, const QSizeF& custom) {
    if (code == kPaperCustom && custom.width() > 0 && custom.height() > 0) return custom;
    const std::optional<QPageSize> p = PaperPageSize(code, custom);
    if (!p) return std::nullopt;
    // From the size the paper is defined in: the converted sizes are rounded.
    const QSizeF d = p->definitionSize();
    switch (p->definitionUnits()) {
        case QPageSize::Millimeter: return d * (1440.0 / 25.4);
        case QPageSize::Inch: return d * 1440.0;
        default: return p->size(QPageSize::Point) * 20.0;
    }
}

int PaperCodeOf(const QPageSize& size) {
    if (!size.isValid()) return 0;
    const int code = size.windowsId();
    if (!PaperName(code).isEmpty() && code != kPaperCustom) return code;
    const QSizeF inches = size.size(QPageSize::Inch);
    if (std::abs(inches.width() - 8.5) < 0.01 && std::abs(inches.height() - 13) < 0.01)
        return kFolio;
    return 0;
}

}  // namespace tarelvo
