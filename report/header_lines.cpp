#include "report/header_lines.h"

#include <algorithm>

#include "report/text_metrics.h"
#include "report/text_wrap.h"

namespace tarelvo {

namespace {

// Between two parts on the same line.
constexpr double kGapBetweenParts = 240;
// Narrower than this a part still gets this much, so that its wrapping ends.
constexpr double kNarrowest = 200;

double Widest(const PageFont& font, const QString& text) {
    double w = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) w = std::max(w, TextWidth(font, line));
    return w;
}

// The room of each part: the centre part is centred on the page, the side parts keep clear
// of it and of each other.
std::array<double, 3> Rooms(const std::array<double, 3>& need, double width) {
    const bool left = need[0] > 0, centre = need[1] > 0, right = need[2] > 0;
    std::array<double, 3> room{width, width, width};
    if (centre && (left || right)) {
        const double sides = std::min(std::max(need[0], need[2]), width / 3);
        room[1] = std::min(need[1], width - 2 * (sides + kGapBetweenParts));
        const double side = (width - room[1]) / 2 - kGapBetweenParts;
        room[0] = room[2] = side;
    } else if (left && right && need[0] + kGapBetweenParts + need[2] > width) {
        const double half = (width - kGapBetweenParts) / 2;
        const int shorter = need[0] <= need[2] ? 0 : 2;
        room[static_cast<std::size_t>(shorter)] = std::min(need[static_cast<std::size_t>(shorter)], half);
        room[static_cast<std::size_t>(2 - shorter)] =
            width - kGapBetweenParts - room[static_cast<std::size_t>(shorter)];
    }
    for (double& r : room) r = std::max(r, kNarrowest);
    return room;
}

// Cuts the lines to `maxLines`, the last one ending in an ellipsis within `room`.
void Cut(const PageFont& font, QStringList& lines, double room, int maxLines) {
    if (lines.size() <= maxLines) return;
    lines = lines.mid(0, maxLines);
    const QString ellipsis = QString(QChar(0x2026));
    QString last = lines.back();
    while (!last.isEmpty() && TextWidth(font, last + ellipsis) > room) last.chop(1);
    lines.back() = last.trimmed() + ellipsis;
}

}  // namespace

std::array<QStringList, 3> HeaderLines(const PageFont& font, const QStringList& parts,
                                       double width, int maxLines) {
    std::array<double, 3> need{};
    for (int i = 0; i < std::min<int>(3, parts.size()); ++i)
        if (!parts[i].isEmpty()) need[static_cast<std::size_t>(i)] = std::max(1.0, Widest(font, parts[i]));
    const std::array<double, 3> room = Rooms(need, width);
    std::array<QStringList, 3> out;
    for (int i = 0; i < std::min<int>(3, parts.size()); ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (parts[i].isEmpty()) continue;
        out[k] = need[k] <= room[k] ? parts[i].split(QLatin1Char('\n'))
                                    : WrapText(font, parts[i], room[k], room[k]);
        Cut(font, out[k], room[k], std::max(1, maxLines));
    }
    return out;
}

}  // namespace tarelvo
