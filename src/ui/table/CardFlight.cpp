#include "ui/table/CardFlight.h"

#include "ui/common/ToScreen.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace tavlira {
namespace {

// The positions of a line that are drawn: every `stride`-th one and always
// the last.
std::vector<QPoint> DrawnPositions(const std::vector<QPoint>& line, int stride) {
    std::vector<QPoint> drawn;
    for (std::size_t i = stride - 1; i < line.size(); i += stride)
        drawn.push_back(line[i]);
    if (!line.empty() && (drawn.empty() || drawn.back() != line.back()))
        drawn.push_back(line.back());
    return drawn;
}

QRect Grown(QRect rect, int by) {
    return rect.adjusted(-by, -by, by, by);
}

// Box around all cards with a 10-pixel margin, wide enough to hold every card
// after its next move.
QRect GroupBox(const std::vector<QPoint>& cards, QSize card) {
    int left = cards.front().x(), right = left;
    int top = cards.front().y(), bottom = top;
    for (const QPoint& p : cards) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRect(left - 10, top - 10, right + card.width() - left + 20,
                 bottom + card.height() - top + 20);
}

} // namespace

std::vector<QPoint> FlightLine(QPoint from, QPoint to) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    std::vector<QPoint> line;
    if (std::abs(dx) >= std::abs(dy)) {
        const int step = dx > 0 ? 1 : -1;
        for (int x = from.x(); x != to.x();) {
            x += step;
            line.emplace_back(x, Round(double(dy) * (x - from.x()) / dx + from.y()));
        }
    } else {
        const int step = dy > 0 ? 1 : -1;
        for (int y = from.y(); y != to.y();) {
            y += step;
            line.emplace_back(Round(double(dx) * (y - from.y()) / dy + from.x()), y);
        }
    }
    return line;
}

int StepsPerFrame(int speed) {
    return speed >= FastestFlightSpeed ? 2 : 1;
}

std::vector<FlightFrame> PlanCardFlight(CardPath path, QSize card, int speed, bool eraseAtEnd) {
    QRect shown(path.from, card);
    std::vector<FlightFrame> frames{{{path.from}, shown, Grown(shown, 2), false}};
    for (QPoint p : DrawnPositions(FlightLine(path.from, path.to), StepsPerFrame(speed))) {
        frames.push_back({{p}, shown, Grown(shown, 2), true});
        shown = QRect(p, card);
    }
    if (eraseAtEnd)
        frames.push_back({{}, shown, shown.adjusted(-2, -2, 0, 0), false});
    return frames;
}

std::vector<FlightFrame> PlanGroupFlight(const std::vector<CardPath>& paths, QSize card,
                                         int speed) {
    std::vector<FlightFrame> frames;
    if (paths.empty())
        return frames;
    std::vector<std::vector<QPoint>> lines;
    std::vector<QPoint> cards;
    for (const CardPath& path : paths) {
        lines.push_back(FlightLine(path.from, path.to));
        cards.push_back(path.from);
    }
    const std::size_t stride = StepsPerFrame(speed);
    QRect box = GroupBox(cards, card);
    for (std::size_t taken = stride;; taken += stride) {
        bool moving = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].empty() || cards[i] == lines[i].back())
                continue;
            cards[i] = lines[i][std::min(taken, lines[i].size()) - 1];
            moving = true;
        }
        if (!moving)
            break;
        frames.push_back({cards, box, box, true});
        box = GroupBox(cards, card);
    }
    // Restore the box around the last drawn frame: the cards disappear.
    const QRect last = frames.empty() ? box : frames.back().restore;
    frames.push_back({{}, last, last, false});
    return frames;
}

CardFlight::CardFlight(std::vector<FlightFrame> planned) : frames(std::move(planned)) {}

int FlightPacer::PauseAfter(const FlightFrame& frame, int speed) {
    if (!frame.moved)
        return 0;
    switch (speed) {
    case 1:
        return 2;
    case 2:
        return 1;
    case 3:
        return ++stepCounter % 2 == 0 ? 1 : 0;
    case 4:
        return ++stepCounter % 3 == 0 ? 1 : 0;
    default:
        return 0;
    }
}

FlightCanvas::FlightCanvas(QImage cleanPicture, std::vector<QImage> cardSprites)
    : clean(cleanPicture.convertToFormat(QImage::Format_ARGB32_Premultiplied)), work(clean),
      sprites(std::move(cardSprites)) {}

QRect FlightCanvas::Apply(const FlightFrame& frame) {
    QPainter painter(&work);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect restore = frame.restore.intersected(clean.rect());
    painter.drawImage(restore.topLeft(), clean, restore);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (std::size_t i = 0; i < frame.cards.size() && i < sprites.size(); ++i) {
        if (!sprites[i].isNull())
            painter.drawImage(frame.cards[i], sprites[i]);
    }
    return frame.show.intersected(work.rect());
}

} // namespace tavlira
