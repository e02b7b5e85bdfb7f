#include "engine/Position.h"

#include "game/CaptureSearch.h"
#include "game/LayOff.h"
#include "game/Play.h"
#include "game/Scoring.h"

#include <algorithm>

namespace tavlira::engine {
namespace {

// Each card's place in the classic opponent's lay-off lists, so the first
// listed card of a hand is found without walking a list of 52.
class LayOffOrder {
  public:
    LayOffOrder() {
        for (int n = 0; n < DeckSize; ++n) {
            const CardCode card = AllCards()[n];
            rankIndex_[static_cast<unsigned char>(card.rank)] = static_cast<std::uint8_t>(n / 4);
            suitIndex_[static_cast<unsigned char>(card.suit)] = static_cast<std::uint8_t>(n % 4);
        }
        for (const bool figures : {false, true}) {
            const auto list = LayOffPriority(figures);
            for (size_t i = 0; i < list.size(); ++i)
                order_[figures ? 1 : 0][Index(list[i])] = static_cast<std::uint8_t>(i);
        }
    }
    // The hand place of the first listed card, as ChooseLayOff finds it.
    int Choose(const HandRow& hand, bool figures) const {
        int chosen = 0;
        int first = DeckSize;
        for (int place = 1; place <= HandPlaces; ++place) {
            if (hand[place].IsEmpty())
                continue;
            const int at = order_[figures ? 1 : 0][Index(hand[place].code)];
            if (at < first) {
                first = at;
                chosen = place;
            }
        }
        return chosen;
    }

  private:
    size_t Index(CardCode card) const {
        return 4u * rankIndex_[static_cast<unsigned char>(card.rank)] +
               suitIndex_[static_cast<unsigned char>(card.suit)];
    }
    std::array<std::uint8_t, 256> rankIndex_{};
    std::array<std::uint8_t, 256> suitIndex_{};
    std::array<std::uint8_t, DeckSize> order_[2]{};
};

const LayOffOrder kLayOffOrder;

int LowestFreePlace(const TableRow& table) {
    for (int place = 1; place <= TablePlaces; ++place)
        if (table[place].IsEmpty())
            return place;
    return 0;
}

} // namespace

Position::Position(const PlayerView& view, const std::vector<CardSlot>& unseen)
    : table_(view.table), refillFirst_(view.refillFirst), taken_(view.taken),
      takenClubs_(view.takenClubs), takenBonus_(view.takenBonus), lastTaker_(view.lastTaker),
      mover_(view.seat), figures_(view.figuresHavePoints) {
    const Seat self = view.seat;
    const Seat opponent = OtherSeat(self);
    hand_[self] = view.hand;
    for (const CardSlot& slot : view.hand)
        handCount_[self] += slot.IsEmpty() ? 0 : 1;
    hand_[opponent].Fill(CardSlot::Empty());
    size_t next = 0;
    for (; next < unseen.size() && handCount_[opponent] < view.opponentCards; ++next)
        hand_[opponent][++handCount_[opponent]] = unseen[next];
    for (; next < unseen.size() && stockEnd_ < DeckSize; ++next)
        stock_[static_cast<size_t>(stockEnd_++)] = unseen[next];
}

void Position::LegalActions(std::vector<Action>& actions, int capturesPerCard) const {
    actions.clear();
    if (over_)
        return;
    const HandRow& hand = hand_[mover_];
    const int free = LowestFreePlace(table_);
    unsigned occupied = 0;
    for (int place = 1; place <= TablePlaces; ++place)
        occupied |= table_[place].IsEmpty() ? 0u : 1u << place;

    struct Rated {
        double rating;
        std::uint16_t take;
    };
    std::vector<Rated> captures;
    for (int place = 1; place <= HandPlaces; ++place) {
        const CardSlot& played = hand[place];
        if (played.IsEmpty())
            continue;
        if (free != 0)
            actions.push_back({played.code, static_cast<std::uint8_t>(place), 0,
                               static_cast<std::uint8_t>(free)});
        if (!HasLegalCapture(played, table_, figures_))
            continue;
        captures.clear();
        Trial trial;
        for (unsigned s = occupied; s != 0; s = (s - 1) & occupied) {
            trial.Fill(CardSlot::Empty());
            trial[1] = played;
            for (int p = 1; p <= TablePlaces; ++p)
                if (s & (1u << p))
                    trial[p + 1] = table_[p];
            const double rating = CaptureRating(trial, figures_);
            if (rating > 0.0)
                captures.push_back({rating, static_cast<std::uint16_t>(s)});
        }
        // The best rated first; among equals the smaller set, then the lower places.
        std::sort(captures.begin(), captures.end(), [](const Rated& a, const Rated& b) {
            if (a.rating != b.rating)
                return a.rating > b.rating;
            return a.take < b.take;
        });
        const size_t kept =
            std::min(captures.size(), static_cast<size_t>(std::max(capturesPerCard, 1)));
        for (size_t i = 0; i < kept; ++i)
            actions.push_back({played.code, static_cast<std::uint8_t>(place), captures[i].take, 0});
    }
}

bool Position::ClassicAction(Action& action) const {
    if (over_ || handCount_[mover_] == 0)
        return false;
    const HandRow& hand = hand_[mover_];
    const CaptureChoice choice = FindCapture(hand, table_, figures_);
    if (choice.chosen != 0) {
        action = {hand[choice.chosen].code, static_cast<std::uint8_t>(choice.chosen),
                  choice.bestTakeSet.Mask(), 0};
        return true;
    }
    const int free = LowestFreePlace(table_);
    if (free == 0)
        return false;
    const int place = kLayOffOrder.Choose(hand, figures_);
    action = {hand[place].code, static_cast<std::uint8_t>(place), 0,
              static_cast<std::uint8_t>(free)};
    return true;
}

void Position::Apply(const Action& action) {
    const Seat seat = mover_;
    HandRow& hand = hand_[seat];
    const CardSlot played = hand[action.handPlace];
    for (int i = action.handPlace; i < HandPlaces; ++i)
        hand[i] = hand[i + 1];
    hand[HandPlaces] = CardSlot::Empty();
    --handCount_[seat];

    if (action.IsCapture()) {
        Tally(seat, played.code);
        for (int place = 1; place <= TablePlaces; ++place) {
            if (action.take & (1u << place)) {
                Tally(seat, table_[place].code);
                table_[place] = CardSlot::Empty(0);
            }
        }
        lastTaker_ = TurnOf(seat);
    } else {
        table_[action.layOffPlace] = played;
    }
    mover_ = OtherSeat(seat);
    AfterTurn();
}

void Position::Tally(Seat seat, CardCode card) {
    ++taken_[seat];
    takenClubs_[seat] = static_cast<std::uint8_t>(takenClubs_[seat] + (card.IsClub() ? 1 : 0));
    takenBonus_[seat] = static_cast<std::uint8_t>(takenBonus_[seat] + (card.IsBonus() ? 1 : 0));
}

void Position::AfterTurn() {
    if (handCount_[1] != 0 || handCount_[2] != 0)
        return;
    if (stockNext_ < stockEnd_) {
        for (int pass = 1; pass <= HandPlaces; ++pass) {
            for (const Seat seat : {refillFirst_, OtherSeat(refillFirst_)}) {
                if (stockNext_ >= stockEnd_)
                    break;
                hand_[seat][pass] = stock_[static_cast<size_t>(stockNext_++)];
                ++handCount_[seat];
            }
        }
        return;
    }
    // The final sweep: the last taker takes what is left on the table.
    if (IsSeatTurn(lastTaker_)) {
        const Seat taker = SeatOf(lastTaker_);
        for (int place = 1; place <= TablePlaces; ++place) {
            const CardSlot& slot = table_[place];
            if (slot.IsEmpty())
                continue;
            Tally(taker, slot.code);
            table_[place] = CardSlot::Empty(0);
        }
    }
    over_ = true;
}

void Position::PlayOut() {
    Action action;
    while (!over_) {
        if (ClassicAction(action))
            Apply(action);
        else
            EndByNoMove();
    }
}

OneBased<int, 2> Position::Points() const {
    GameState tallies;
    tallies.Taken = taken_;
    tallies.TakenClubs = takenClubs_;
    tallies.TakenBonus = takenBonus_;
    const GamePoints points = ScoreGame(tallies);
    OneBased<int, 2> result;
    result[1] = points.seat1;
    result[2] = points.seat2;
    return result;
}

} // namespace tavlira::engine
