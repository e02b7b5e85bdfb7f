#include "net/TableSeatGame.h"

#include "game/Deal.h"

#include <gtest/gtest.h>

namespace tavlira::net {
namespace {

std::string Frame(std::string payload, char seat) {
    payload.resize(FramePayloadMax, '#');
    return payload + seat;
}

std::string Deal(std::uint32_t seed) {
    GameState dealer;
    SeededRandom random(seed);
    Shuffle(dealer, random);
    return Encode(TableDealOf(dealer.Deck));
}

SeatEvent Receive(TableSeatGame& seat, const std::string& bytes) {
    seat.Feed(bytes);
    SeatEvent last = NeedMore{};
    for (SeatEvent e = seat.Next(); !std::holds_alternative<NeedMore>(e); e = seat.Next()) {
        last = e;
        if (std::holds_alternative<Disconnect>(e))
            break; // and stays so
    }
    return last;
}

TEST(TableSeatGame, EachSeatHoldsItsOwnHandOfTheDeal) {
    const std::string deal = Deal(3);
    TableSeatGame one(TableSeat::First);
    TableSeatGame two(TableSeat::Second);
    EXPECT_EQ(Receive(one, deal), SeatEvent(GameDealt{}));
    EXPECT_EQ(Receive(two, deal), SeatEvent(GameDealt{}));
    // Deck cards 1..4 are seat 1's, 5..8 seat 2's; both see the same table.
    EXPECT_EQ(one.Game().Hand[LocalSeat], two.Game().Hand[OpponentSeat]);
    EXPECT_EQ(one.Game().Hand[OpponentSeat], two.Game().Hand[LocalSeat]);
    EXPECT_EQ(one.Game().Hand[LocalSeat][1].code.Bytes(), deal.substr(1, 2));
    EXPECT_EQ(one.Game().Table, two.Game().Table);
    // Seat 1 alone begins; seat 2 then leads.
    EXPECT_EQ(two.Play(Move::Begin()), std::nullopt);
    EXPECT_EQ(one.ComputerChoice(), std::vector<Move>{Move::Begin()});
    EXPECT_EQ(Receive(two, *one.Play(Move::Begin())), SeatEvent(OpponentMoved{Move::Begin()}));
    EXPECT_EQ(two.Game().Mover, LocalSeat);
    EXPECT_EQ(one.Game().Mover, OpponentSeat);
    // Seat 1 confirms only a game that is over.
    EXPECT_EQ(one.ConfirmEnd(), std::nullopt);
}

TEST(TableSeatGame, EndsOnWhatTheServerMayNotSend) {
    const struct {
        const char* what;
        bool dealt;
        std::string bytes;
        DuelFault fault;
    } cases[] = {
        {"a move before the deal", false, Frame("hbegin", '1'), DuelFault::Unexpected},
        {"a close before the deal", false, Frame("e", '1'), DuelFault::Unexpected},
        {"a second deal", true, Deal(8), DuelFault::Unexpected},
        {"this seat's own digit on a move", true, Frame("hbegin", '2'), DuelFault::WrongRole},
        {"a move out of turn", true, Frame("hputs15", '1'), DuelFault::IllegalMove},
        {"a frame only a seat sends", true, Frame("connect1", '1'), DuelFault::Unexpected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TableSeatGame two(TableSeat::Second);
        if (c.dealt)
            Receive(two, Deal(5));
        EXPECT_EQ(Receive(two, c.bytes), SeatEvent(Disconnect{c.fault}));
        EXPECT_FALSE(two.Running());
        EXPECT_EQ(two.Play(Move::Take()), std::nullopt);
    }
}

TEST(TableSeatGame, TellsHowTheGameClosed) {
    const struct {
        std::string bytes;
        GameClosed::Why why;
    } cases[] = {
        {Frame("e", '1'), GameClosed::Why::Closed},
        {Frame("a", '1'), GameClosed::Why::OpponentLeft},
        {Frame("TOut", '1'), GameClosed::Why::OpponentTimedOut},
    };
    for (const auto& c : cases) {
        TableSeatGame two(TableSeat::Second);
        Receive(two, Deal(5) + Frame("sHi#there", '1'));
        EXPECT_EQ(Receive(two, c.bytes), SeatEvent(GameClosed{c.why}));
        EXPECT_FALSE(two.Running());
    }
    TableSeatGame chat(TableSeat::First);
    EXPECT_EQ(Receive(chat, Frame("sHi#there", '2')), SeatEvent(ChatArrived{"Hi"}));
}

} // namespace
} // namespace tavlira::net
