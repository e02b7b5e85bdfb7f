#pragma once
// Whom the person at this machine plays, and from which side. The mode fixes
// who receives first in a refill, who moves first, and whether moves are
// sent to a peer. Also the kinds of match the records count, and the lengths
// of a cycle and of a series.

#include <cstdint>

namespace tavlira {

enum class PlayMode : std::uint8_t {
    Computer,       // against the built-in opponent
    DuelHost,       // network duel, this machine listens and deals
    DuelClient,     // network duel, this machine connects
    TablePosition1, // online tournament table, position 1
    TablePosition2, // online tournament table, position 2
};

constexpr bool IsNetworkDuel(PlayMode m) {
    return m == PlayMode::DuelHost || m == PlayMode::DuelClient;
}
constexpr bool IsOnlineTable(PlayMode m) {
    return m == PlayMode::TablePosition1 || m == PlayMode::TablePosition2;
}
// The sides on which seat 1 receives first in a refill and the game counter
// alone decides the first mover: the computer game, the duel host, table
// position 1.
constexpr bool IsFirstSide(PlayMode m) {
    return m == PlayMode::Computer || m == PlayMode::DuelHost || m == PlayMode::TablePosition1;
}
// The duel role digit that ends each duel move message: 1 host, 2 client.
constexpr char DuelRoleDigit(PlayMode m) {
    return m == PlayMode::DuelClient ? '2' : '1';
}

// A member's record counts games in cycles of this many; the 20th ends one.
inline constexpr int CycleGames = 20;
// A network duel or a rated online series offers to stop after this many games.
inline constexpr int SeriesGames = 2;

// The kinds of match the records tell apart; the numbers are the ones the
// history stores.
enum class PlayKind : std::uint8_t {
    Computer = 0,    // offline against the computer
    RatedOnline = 1, // a rated online series against the computer
    Tournament = 2,  // an online table game of the tournament
    NetworkDuel = 3, // offline network duel
};

constexpr PlayKind KindOf(PlayMode mode, bool ratedSeries) {
    if (IsNetworkDuel(mode))
        return PlayKind::NetworkDuel;
    if (IsOnlineTable(mode))
        return PlayKind::Tournament;
    return ratedSeries ? PlayKind::RatedOnline : PlayKind::Computer;
}

} // namespace tavlira
