#include "game/CaptureSearch.h"

#include "game/Play.h"

#include <bit>
#include <cstdint>

// The fast search walks only the subsets of occupied places, with subset sums
// built incrementally, and looks ratings up in a table. It reproduces the
// literal search exactly: ratings come from the same additions in the same
// order, and a tie goes to the set enumerated first.

namespace tavlira {
namespace {

// Bit p - 1 of a mask stands for table place p.
constexpr int kSubsets = 256;

// Position of every subset in the enumeration order: by size, then
// lexicographic by ascending places.
struct EnumerationOrder {
    std::array<std::uint8_t, kSubsets> rank{};
    EnumerationOrder() {
        int next = 0;
        for (int size = 1; size <= TablePlaces; ++size)
            AssignCombinations(size, 0, 0, next);
    }
    void AssignCombinations(int left, int from, unsigned mask, int& next) {
        if (left == 0) {
            rank[mask] = static_cast<std::uint8_t>(next++);
            return;
        }
        for (int bit = from; bit <= TablePlaces - left; ++bit)
            AssignCombinations(left - 1, bit + 1, mask | (1u << bit), next);
    }
};

// Rating of a capture by its number of cards, clubs, two of clubs and ten of
// diamonds, accumulated term by term as the rating rule does.
struct RatingTable {
    double value[CaptureArea + 1][CaptureArea + 1][2][2]{};
    RatingTable() {
        for (int cards = 0; cards <= CaptureArea; ++cards)
            for (int clubs = 0; clubs <= CaptureArea; ++clubs)
                for (int two = 0; two < 2; ++two)
                    for (int ten = 0; ten < 2; ++ten) {
                        double r = 0.0;
                        for (int i = 0; i < cards; ++i)
                            r += 0.08;
                        for (int i = 0; i < clubs; ++i)
                            r += 0.04;
                        for (int i = 0; i < two; ++i)
                            r += 1.0;
                        for (int i = 0; i < ten; ++i)
                            r += 1.0;
                        value[cards][clubs][two][ten] = r;
                    }
    }
};

const EnumerationOrder kOrder;
const RatingTable kRatings;

struct TableFacts {
    unsigned occupied = 0;
    unsigned clubs = 0;
    unsigned twoOfClubs = 0;
    unsigned tenOfDiamonds = 0;
    std::array<std::uint8_t, TablePlaces> value{};
    std::array<char, TablePlaces> rank{};
    std::array<std::uint16_t, kSubsets> sum{}; // filled for subsets of `occupied`
};

TableFacts Examine(const TableRow& table) {
    TableFacts facts;
    for (int place = 1; place <= TablePlaces; ++place) {
        const CardSlot& slot = table[place];
        if (slot.IsEmpty())
            continue;
        const unsigned bit = 1u << (place - 1);
        facts.occupied |= bit;
        facts.clubs |= slot.code.IsClub() ? bit : 0;
        facts.twoOfClubs |= slot.code.IsTwoOfClubs() ? bit : 0;
        facts.tenOfDiamonds |= slot.code.IsTenOfDiamonds() ? bit : 0;
        facts.value[static_cast<size_t>(place - 1)] = slot.value;
        facts.rank[static_cast<size_t>(place - 1)] = slot.code.rank;
    }
    // Subsets of the occupied places in increasing order, so that the subset
    // without the lowest member is always summed before.
    for (unsigned s = (0u - facts.occupied) & facts.occupied; s != 0;
         s = (s - facts.occupied) & facts.occupied)
        facts.sum[s] = static_cast<std::uint16_t>(
            facts.sum[s & (s - 1)] + facts.value[static_cast<size_t>(std::countr_zero(s))]);
    return facts;
}

bool IsLegal(const CardSlot& played, const TableFacts& facts, unsigned subset,
             bool figuresHavePoints) {
    if (!figuresHavePoints) {
        const char r = played.code.rank;
        if (r == rank::Jack)
            return true;
        if (r == rank::Queen || r == rank::King) {
            const int last = std::bit_width(subset) - 1;
            return std::popcount(subset) == 1 && facts.rank[static_cast<size_t>(last)] == r &&
                   played.value == facts.sum[subset];
        }
    }
    return played.value == facts.sum[subset];
}

double Rating(const CardSlot& played, const TableFacts& facts, unsigned subset) {
    const int cards = 1 + std::popcount(subset);
    const int clubs = (played.code.IsClub() ? 1 : 0) + std::popcount(subset & facts.clubs);
    const int two = (played.code.IsTwoOfClubs() ? 1 : 0) + std::popcount(subset & facts.twoOfClubs);
    const int ten =
        (played.code.IsTenOfDiamonds() ? 1 : 0) + std::popcount(subset & facts.tenOfDiamonds);
    return kRatings.value[cards][clubs][two][ten];
}

PlaceSet ToPlaces(unsigned subset) {
    return PlaceSet::FromMask(static_cast<std::uint16_t>(subset << 1));
}

// The choice among hand cards, from each card's best rating.
void Choose(CaptureChoice& choice, const std::array<PlaceSet, HandPlaces>& bestSets) {
    double max = -2.0;
    for (int i = 1; i <= HandPlaces; ++i) {
        const double best = choice.best[static_cast<size_t>(i - 1)];
        if (best > 0.0)
            choice.capturing.Add(i);
        if (best > max) {
            max = best;
            choice.chosen = i;
        }
    }
    if (max < 0.0)
        choice.chosen = 0;
    else
        choice.bestTakeSet = bestSets[static_cast<size_t>(choice.chosen - 1)];
}

// Calls f(set) for every set of `size` distinct places out of 1..8, in
// lexicographic order of the ascending place numbers.
template <class F> void ForEachCombination(int size, int from, PlaceSet chosen, F&& f) {
    if (size == 0) {
        f(chosen);
        return;
    }
    for (int place = from; place <= TablePlaces - size + 1; ++place) {
        PlaceSet next = chosen;
        next.Add(place);
        ForEachCombination(size - 1, place + 1, next, f);
    }
}

} // namespace

CaptureChoice FindCapture(const HandRow& hand, const TableRow& table, bool figuresHavePoints) {
    const TableFacts facts = Examine(table);
    CaptureChoice choice;
    std::array<PlaceSet, HandPlaces> bestSets{};
    for (int i = 1; i <= HandPlaces; ++i) {
        const CardSlot& played = hand[i];
        if (played.IsEmpty() || facts.occupied == 0)
            continue;
        double best = -1.0; // some set exists, and every illegal set rates -1.0
        unsigned bestSubset = 0;
        for (unsigned s = facts.occupied; s != 0; s = (s - 1) & facts.occupied) {
            if (!IsLegal(played, facts, s, figuresHavePoints))
                continue;
            const double r = Rating(played, facts, s);
            if (r > best || (r == best && kOrder.rank[s] < kOrder.rank[bestSubset])) {
                best = r;
                bestSubset = s;
            }
        }
        choice.best[static_cast<size_t>(i - 1)] = best;
        bestSets[static_cast<size_t>(i - 1)] = ToPlaces(bestSubset);
    }
    Choose(choice, bestSets);
    return choice;
}

bool HasLegalCapture(const CardSlot& played, const TableRow& table, bool figuresHavePoints) {
    if (played.IsEmpty())
        return false;
    const TableFacts facts = Examine(table);
    for (unsigned s = facts.occupied; s != 0; s = (s - 1) & facts.occupied)
        if (IsLegal(played, facts, s, figuresHavePoints))
            return true;
    return false;
}

CaptureChoice FindCaptureReference(const HandRow& hand, const TableRow& table,
                                   bool figuresHavePoints) {
    CaptureChoice choice;
    std::array<PlaceSet, HandPlaces> bestSets{};
    for (int i = 1; i <= HandPlaces; ++i) {
        if (hand[i].IsEmpty())
            continue;
        double best = -2.0;
        PlaceSet bestSet;
        for (int size = 1; size <= TablePlaces; ++size) {
            ForEachCombination(size, 1, PlaceSet{}, [&](PlaceSet set) {
                bool anyEmpty = false;
                set.ForEach([&](int place) { anyEmpty = anyEmpty || table[place].IsEmpty(); });
                if (anyEmpty)
                    return;
                Trial trial;
                trial.Fill(CardSlot::Empty());
                trial[1] = hand[i];
                int next = 2;
                set.ForEach([&](int place) { trial[next++] = table[place]; });
                const double r = CaptureRating(trial, figuresHavePoints);
                if (r > best) {
                    best = r;
                    bestSet = set;
                }
            });
        }
        choice.best[static_cast<size_t>(i - 1)] = best;
        bestSets[static_cast<size_t>(i - 1)] = bestSet;
    }
    Choose(choice, bestSets);
    return choice;
}

} // namespace tavlira
