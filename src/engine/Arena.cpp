#include "engine/Arena.h"

#include "game/GameTick.h"
#include "game/Play.h"
#include "game/SelfPlay.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tavlira::engine {
namespace {

std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
    std::uint64_t z = a ^ (b + 0x9E3779B97F4A7C15ull + (a << 6) + (a >> 2));
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A game runs well under this many steps; the bound turns a fault into an
// error instead of an endless loop.
constexpr int MostSteps = 1000;

} // namespace

GameState PlayArenaGame(GameState state, Seat expertSeat, const ExpertOptions& expert,
                        ArenaTotals* totals) {
    SeatPlayers players;
    players[expertSeat] = Player::Person; // moved here, not by the tick
    players[OtherSeat(expertSeat)] = Player::Computer;
    Outbox out;
    for (int step = 0; step < MostSteps && !state.GameOver; ++step) {
        out.clear();
        if (MayBeginTurn(state, expertSeat)) {
            ExpertOptions turn = expert;
            turn.seed = Mix(expert.seed, static_cast<std::uint64_t>(step));
            SearchFigures figures;
            const ExpertChoice choice = ExpertDecide(ViewOf(state, expertSeat), turn, &figures);
            if (totals != nullptr) {
                totals->playouts += figures.playouts;
                totals->searchedTurns += figures.playouts > 0 ? 1 : 0;
            }
            const std::vector<Move> moves = MovesFor(state, expertSeat, choice);
            for (const Move& move : moves)
                if (!ApplyMove(state, expertSeat, move, out))
                    throw std::logic_error("the expert chose a move the rules refuse");
            if (!moves.empty())
                continue;
        }
        if (!GameTick(state, players, out))
            break;
    }
    if (!state.GameOver)
        throw std::logic_error("an arena game did not come to its end");
    return state;
}

ArenaTotals PlayArena(const ArenaOptions& options,
                      const std::function<void(int deal, const PairedDeal&)>& played) {
    SeededRandom decks(options.seed);
    ArenaTotals totals;
    double sum = 0.0;
    double squares = 0.0;
    for (int deal = 1; deal <= options.deals; ++deal) {
        GameState dealt;
        dealt.FiguresHavePoints = options.figuresHavePoints;
        dealt.GameCounter = deal - 1; // the lead alternates from deal to deal
        Outbox out;
        DealSelfPlayGame(dealt, decks, out);

        PairedDeal pair;
        for (int game = 0; game < 2; ++game) {
            const Seat expertSeat = game == 0 ? OpponentSeat : LocalSeat;
            ExpertOptions expert = options.expert;
            expert.seed = Mix(Mix(options.expert.seed, static_cast<std::uint64_t>(deal)),
                              static_cast<std::uint64_t>(game));
            pair.games[game] = PlayArenaGame(dealt, expertSeat, expert, &totals);
            const GamePoints points = ScoreGame(pair.games[game]);
            pair.expertPoints[game] = expertSeat == OpponentSeat ? points.seat1 : points.seat2;
            pair.classicPoints[game] = expertSeat == OpponentSeat ? points.seat2 : points.seat1;
            totals.expertPoints += pair.expertPoints[game];
            totals.classicPoints += pair.classicPoints[game];
        }
        ++totals.deals;
        sum += pair.Margin();
        squares += pair.Margin() * pair.Margin();
        if (played)
            played(deal, pair);
    }
    const double n = totals.deals;
    if (n > 0)
        totals.margin = sum / n;
    if (n > 1) {
        const double variance = std::max(0.0, (squares - sum * sum / n) / (n - 1));
        totals.ci95 = 1.96 * std::sqrt(variance / n);
    }
    return totals;
}

} // namespace tavlira::engine
