#include "game/SelfPlay.h"

#include "game/Deal.h"
#include "game/GameTick.h"

#include <cstdio>
#include <type_traits>

namespace tavlira {

void DealSelfPlayGame(GameState& state, RandomSource& random, Outbox& out) {
    ++state.GameCounter;
    ++state.GamesAtTable;
    Shuffle(state, random);
    OpeningDeal(state);
    ResetGameFields(state);
    state.Mover = TurnOf(FirstMover(state));
    state.BeginState = UnderWay;
    state.TableActive = true;
    out.push_back(event::PlaySound{Effect::Shuffle, false});
}

bool SelfPlayTick(GameState& state, Outbox& out) {
    SeatPlayers computers;
    computers.Fill(Player::Computer);
    return GameTick(state, computers, out);
}

void MoveSignature::Mix(std::uint8_t byte) {
    hash_ ^= byte;
    hash_ *= 1099511628211ull; // 64-bit FNV prime
}

void MoveSignature::Absorb(const Outbox& out) {
    for (const Event& e : out) {
        if (const auto* flight = std::get_if<event::FlyCards>(&e)) {
            Mix('F');
            for (int i = 0; i < flight->count; ++i) {
                const auto& card = flight->cards[static_cast<size_t>(i)];
                Mix(static_cast<std::uint8_t>(card.code.rank));
                Mix(static_cast<std::uint8_t>(card.code.suit));
                Mix(static_cast<std::uint8_t>(card.from.kind));
                Mix(static_cast<std::uint8_t>(card.from.seat));
                Mix(card.from.place);
            }
            Mix(static_cast<std::uint8_t>(flight->to.kind));
            Mix(static_cast<std::uint8_t>(flight->to.seat));
            Mix(flight->to.place);
        } else if (const auto* noMove = std::get_if<event::ShowNoMove>(&e)) {
            Mix('N');
            Mix(static_cast<std::uint8_t>(noMove->seat));
        }
    }
}

std::string SignatureText(std::uint64_t signature) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(signature));
    return buffer;
}

SelfPlayTotals PlaySelfGames(int games, std::uint32_t seed, bool figuresHavePoints,
                             GameObserver* observer) {
    SeededRandom random(seed);
    GameState state;
    state.FiguresHavePoints = figuresHavePoints;
    MoveSignature signature;
    SelfPlayTotals totals;
    Outbox out;
    for (int game = 0; game < games; ++game) {
        out.clear();
        DealSelfPlayGame(state, random, out);
        if (observer)
            observer->GameDealt(state);
        do {
            if (observer)
                observer->GameStepped(state, out);
            signature.Absorb(out);
            for (const Event& e : out)
                totals.noMoveEndings += std::holds_alternative<event::ShowNoMove>(e) ? 1 : 0;
            out.clear();
        } while (SelfPlayTick(state, out));
        ++totals.games;
    }
    totals.seat1Points = state.MatchPoints[1];
    totals.seat2Points = state.MatchPoints[2];
    totals.signature = signature.Value();
    return totals;
}

} // namespace tavlira
