#include "ui/table/TableLayout.h"

#include "ui/common/ToScreen.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavlira {
namespace {

// Base rectangles on the 760 x 500 design.
constexpr QRect BaseOpponentHand(200, 10, 360, 96);
constexpr QRect BasePlayerHand(100, 394, 560, 96);
constexpr QRect BaseOpponentPanel(10, 120, 130, 60);
constexpr QRect BasePlayerPanel(10, 320, 130, 60);
constexpr QRect BaseGamePlate(10, 220, 130, 60);
constexpr QRect BaseOpponentBanner(300, 115, 160, 20);
constexpr QRect BasePlayerBanner(300, 370, 160, 20);
constexpr QRect BaseTable(149, 140, 462, 220);
constexpr QRect BaseStock(614, 150, 150, 150);
constexpr QRect BaseChatPanel(620, 10, 130, 90);
constexpr int ButtonLeft = 615;
constexpr int ButtonTop = 310;
constexpr int ButtonWidth = 140;
constexpr int ButtonHeight = 30;

// Slot corners inside the table picture, in base pixels.
constexpr std::array<QPoint, CaptureArea> BaseSlots{{{20, 9},
                                                     {109, 9},
                                                     {287, 9},
                                                     {376, 9},
                                                     {20, 116},
                                                     {109, 116},
                                                     {287, 116},
                                                     {376, 116},
                                                     {198, 65}}};

// A hand picture is as wide as its design and one card high.
QRect PlaceHand(const TableScale& scale, QRect base, int cardHeight) {
    QRect placed = scale.Place(base);
    placed.setHeight(cardHeight);
    return placed;
}

// The two game buttons stretch with the window in full screen rather than
// keeping their uniform size.
QRect PlaceGameButton(const TableScale& scale, int row) {
    const double top = scale.ScaleY() * ButtonTop + row * scale.ScaleY() * ButtonHeight;
    return QRect(Round(scale.ScaleX() * ButtonLeft), Round(top),
                 Round(scale.ScaleX() * ButtonWidth), scale.S(ButtonHeight));
}

// A move clock has the size of its banner and stands S(10) to its right.
QRect PlaceClock(const TableScale& scale, QRect banner) {
    return banner.translated(banner.width() + scale.S(10), 0);
}

} // namespace

TableLayout ComputeTableLayout(const TableScale& scale, QSize card) {
    TableLayout layout;
    layout.opponentHand = PlaceHand(scale, BaseOpponentHand, card.height());
    layout.playerHand = PlaceHand(scale, BasePlayerHand, card.height());
    layout.opponentPanel = scale.Place(BaseOpponentPanel);
    layout.playerPanel = scale.Place(BasePlayerPanel);
    layout.gamePlate = scale.Place(BaseGamePlate);
    layout.opponentBanner = scale.Place(BaseOpponentBanner);
    layout.playerBanner = scale.Place(BasePlayerBanner);
    layout.table = scale.Place(BaseTable);
    layout.stock = scale.Place(BaseStock);
    layout.chatPanel = scale.Place(BaseChatPanel);

    // The entry field is centred in a strip S(35) high under the chat lines,
    // beside its square send button.
    const QRect& memo = layout.chatPanel;
    const int memoBottom = memo.y() + memo.height();
    const int strip = scale.S(35);
    const int entryHeight = scale.S(20);
    layout.chatEdit = QRect(memo.x(), memoBottom + scale.S(1) + Round((strip - entryHeight) / 2.0),
                            memo.width() - scale.S(36), entryHeight);
    layout.chatSend = QRect(memo.x() + memo.width() - strip, memoBottom + scale.S(1), strip, strip);

    layout.startButton = PlaceGameButton(scale, 0);
    layout.secondButton = PlaceGameButton(scale, 1);
    layout.opponentMoveClock = PlaceClock(scale, layout.opponentBanner);
    layout.playerMoveClock = PlaceClock(scale, layout.playerBanner);
    return layout;
}

QPoint DeckPileCardOrigin(const TableScale& scale, int i) {
    const int rise = 2 * std::min((i - 1) / 6, 4);
    return QPoint(scale.S(36), scale.S(48 - rise));
}

std::vector<int> SpreadHand(int left, int right, int count, int cardWidth) {
    std::vector<int> x;
    if (count <= 0)
        return x;
    const double span = right - left;
    const double step = cardWidth + 3;
    const double share = span / count;
    if (share >= step) {
        const double centre = left + Round(span / 2);
        for (int i = 0; i < count; ++i)
            x.push_back(Round(centre - count * step / 2 + i * step));
    } else if (count == 1) {
        // A single card wider than its picture starts at the left edge.
        x.push_back(left);
    } else {
        const int overlapStep = static_cast<int>(std::trunc(share - (step - share) / (count - 1)));
        for (int i = 0; i < count; ++i)
            x.push_back(left + i * overlapStep);
    }
    return x;
}

int HandPlaceAt(const std::vector<int>& handX, const std::vector<bool>& holdsCard, int cardWidth,
                int x) {
    const int n = static_cast<int>(handX.size());
    for (int i = 0; i < n; ++i) {
        const int last = i + 1 < n ? handX[i + 1] - 1 : handX[i] + cardWidth - 1;
        if (x >= handX[i] && x <= last) {
            const bool holds = i < static_cast<int>(holdsCard.size()) && holdsCard[i];
            return holds ? i + 1 : 0;
        }
    }
    return 0;
}

QRect VisibleHandCard(const std::vector<int>& handX, int place, QSize card, int handWidth) {
    const int count = static_cast<int>(handX.size());
    const int left = handX.at(place - 1);
    const bool overlapping = handWidth < count * card.width();
    if (place == count || !overlapping)
        return QRect(QPoint(left, 0), card);
    return QRect(left, 0, handX.at(place) - left, card.height());
}

TableSlots::TableSlots(const TableScale& tableScale, QSize cardSize, int narrowDeckOffset)
    : scale(tableScale), card(cardSize), offset(narrowDeckOffset) {}

QPoint TableSlots::CardOrigin(int slot) const {
    const QPoint base = BaseSlots.at(slot - 1);
    return QPoint(scale.S(base.x() + offset), scale.S(base.y()));
}

QRect TableSlots::CardRect(int slot) const {
    return QRect(CardOrigin(slot), card);
}

QRect TableSlots::GlowRect(int slot) const {
    const QPoint origin = CardOrigin(slot);
    const QPoint topLeft = origin - QPoint(scale.S(11), scale.S(10));
    const QPoint end =
        origin + QPoint(card.width(), card.height()) + QPoint(scale.S(10), scale.S(10));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

int TableSlots::TablePlaceAt(QPoint point) const {
    for (int slot = CaptureArea; slot >= 1; --slot) {
        const QPoint origin = CardOrigin(slot);
        // Both bounds inclusive: one pixel wider and higher than the card.
        if (point.x() >= origin.x() && point.x() <= origin.x() + card.width() &&
            point.y() >= origin.y() && point.y() <= origin.y() + card.height())
            return slot;
    }
    return 0;
}

QPoint OpponentFlightStart(const TableLayout& layout, QSize card) {
    const QRect& hand = layout.opponentHand;
    return QPoint(Round(hand.x() + hand.width() / 2.0 - card.width() / 2.0), hand.y());
}

QPoint CaptureFlightEnd(int seat, QSize client, QSize card) {
    const int x = Round(client.width() / 2.0 - card.width() / 2.0);
    return QPoint(x, seat == 1 ? -card.height() : client.height() + 1);
}

} // namespace tavlira
