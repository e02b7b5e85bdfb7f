#include "net/TableMessages.h"

#include "game/Deal.h"
#include "game/GameFixtures.h"
#include "net/TableReceiver.h"

#include <gtest/gtest.h>

namespace tavlira::net {
namespace {

using tavlira::testing::Card;

std::string Padded(std::string payload, char seat) {
    payload.resize(FramePayloadMax, '#');
    return payload + seat;
}

TableFrame Frame(FramePayload payload, TableSeat seat) {
    return {std::move(payload), seat};
}

TEST(TableFrames, EncodeAndDecodeByteForByte) {
    const struct {
        TableFrame frame;
        std::string bytes;
    } cases[] = {
        {Frame(ConnectFrame{TableSeat::Second}, TableSeat::Second),
         "connect2" + std::string(11, '#') + "2"},
        {Frame(TableChat{"Hello"}, TableSeat::First), "sHello" + std::string(13, '#') + "1"},
        {Frame(ResultFrame{12}, TableSeat::First), "o   12  -12" + std::string(8, '#') + "1"},
        {Frame(ResultFrame{-3}, TableSeat::First), Padded("o   -3    3", '1')},
        {Frame(MoveFrame{Move::Begin()}, TableSeat::First), Padded("hbegin", '1')},
        {Frame(MoveFrame{Move::Play(4, 9)}, TableSeat::Second), Padded("hputs49", '2')},
        {Frame(MoveFrame{Move::Toggle(8)}, TableSeat::Second), Padded("hsell8", '2')},
        {Frame(MoveFrame{Move::Take()}, TableSeat::First), Padded("htake", '1')},
        {Frame(LeaveFrame{}, TableSeat::Second), Padded("disA", '2')},
        {Frame(TimeOutFrame{}, TableSeat::Second), Padded("TOut", '2')},
        {Frame(ClosedFrame{}, TableSeat::First), Padded("e", '1')},
        {Frame(LeftFrame{}, TableSeat::Second), Padded("a", '2')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Encode(c.frame), c.bytes);
        ASSERT_EQ(c.bytes.size(), FrameSize);
        EXPECT_EQ(DecodeFrame(c.bytes), Decoded<TableFrame>(c.frame)) << c.bytes;
    }
}

TEST(TableFrames, ChatEndsAtItsFirstHash) {
    EXPECT_EQ(DecodeFrame(Padded("sa#b", '2')),
              Decoded<TableFrame>(Frame(TableChat{"a"}, TableSeat::Second)));
    // The longest line a frame holds: 18 bytes of text.
    const std::string longest(TableChatMax, 'x');
    EXPECT_EQ(Encode(Frame(TableChat{longest + "yz"}, TableSeat::First)), "s" + longest + "1");
}

TEST(TableFrames, RefuseWhatNoSeatSends) {
    const std::string refused[] = {
        Padded("connect3", '1'),
        Padded("hbegin", '3'),
        Padded("hputs59", '1'),
        Padded("hputs40", '1'),
        Padded("hsell9", '1'),
        Padded("hsell1x", '1'),
        Padded("htakeX", '1'),
        Padded("s", '1'),
        Padded("o   12   12", '1'),
        Padded("o  x12  -12", '1'),
        Padded("TOutX", '1'),
        Padded("e1", '1'),
        Padded("z", '1'),
        Padded("hbegin", '1') + "#",
        Padded("o99999-99999", '1'),
        "hbegin#1",
    };
    for (const std::string& bytes : refused)
        EXPECT_TRUE(std::holds_alternative<DuelFault>(DecodeFrame(bytes))) << bytes;
}

OneBased<CardSlot, DeckSize> ShuffledDeck(std::uint32_t seed) {
    GameState state;
    SeededRandom random(seed);
    Shuffle(state, random);
    return state.Deck;
}

TEST(TableDeals, CarryTheDeckWithCourtCardsWorthNothing) {
    const TableDeal deal = TableDealOf(ShuffledDeck(4));
    const std::string bytes = Encode(deal);
    ASSERT_EQ(bytes.size(), TableDealSize);
    EXPECT_EQ(DecodeTableDeal(bytes), Decoded<TableDeal>(deal));

    // A server that counts court cards still deals a game where they count nothing.
    std::string courtsCounted = bytes;
    for (int position = 1; position <= DeckSize; ++position)
        if (deal.deck[position].code.IsCourt())
            courtsCounted.replace(209 + 2 * static_cast<std::size_t>(position - 1), 2, "12");
    EXPECT_EQ(DecodeTableDeal(courtsCounted), Decoded<TableDeal>(deal));
}

TEST(TableDeals, RefuseABrokenDeck) {
    const std::string bytes = Encode(TableDealOf(ShuffledDeck(4)));
    std::string twice = bytes;
    twice.replace(3, 2, bytes.substr(1, 2));
    EXPECT_EQ(DecodeTableDeal(twice), Decoded<TableDeal>(DuelFault::DuplicateCard));
    std::string noCard = bytes;
    noCard.replace(1, 2, "##");
    EXPECT_EQ(DecodeTableDeal(noCard), Decoded<TableDeal>(DuelFault::BadCardCode));
    std::string order = bytes;
    order[106] = order[106] == '0' ? '1' : '0';
    EXPECT_EQ(DecodeTableDeal(order), Decoded<TableDeal>(DuelFault::WrongRankOrder));
    EXPECT_EQ(DecodeTableDeal(bytes.substr(0, 312)), Decoded<TableDeal>(DuelFault::Malformed));
}

std::vector<TableReceived> Drain(TableReceiver& receiver) {
    std::vector<TableReceived> got;
    for (;;) {
        TableReceived next = receiver.Next();
        got.push_back(next);
        if (!std::holds_alternative<TableMessage>(next))
            return got;
    }
}

TEST(TableReceiver, CutsFramesWhereverTheReadsEnd) {
    const std::string take = Padded("htake", '2');
    const std::string chat = Padded("sHi", '2');
    TableReceiver seat(TableEnd::Seat);

    // Two frames in one read are both handed on.
    seat.Feed(take + chat);
    EXPECT_EQ(Drain(seat),
              (std::vector<TableReceived>{
                  TableMessage(Frame(MoveFrame{Move::Take()}, TableSeat::Second)),
                  TableMessage(Frame(TableChat{"Hi"}, TableSeat::Second)), NeedMore{}}));
    // Exactly 20 bytes are one frame; 19 are none yet.
    seat.Feed(take.substr(0, 19));
    EXPECT_EQ(Drain(seat), std::vector<TableReceived>{NeedMore{}});
    seat.Feed(take.substr(19) + take);
    EXPECT_EQ(Drain(seat).size(), 3u);

    // A deal split over reads and followed by a frame in the same read.
    const std::string deal = Encode(TableDealOf(ShuffledDeck(1)));
    seat.Feed(deal.substr(0, 100));
    EXPECT_EQ(Drain(seat), std::vector<TableReceived>{NeedMore{}});
    seat.Feed(deal.substr(100) + take);
    const auto got = Drain(seat);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<TableDeal>(std::get<TableMessage>(got[0])));
    EXPECT_EQ(seat.Unhandled(), 0u);
}

TEST(TableReceiver, EndsOnWhatThisEndNeverReceives) {
    const struct {
        TableEnd end;
        std::string bytes;
        DuelFault fault;
    } cases[] = {
        {TableEnd::Seat, Padded("connect1", '1'), DuelFault::Unexpected},
        {TableEnd::Seat, Padded("o   12  -12", '1'), DuelFault::Unexpected},
        {TableEnd::Server, Padded("e", '1'), DuelFault::Unexpected},
        {TableEnd::Server, Padded("a", '1'), DuelFault::Unexpected},
        {TableEnd::Server, Encode(TableDealOf(ShuffledDeck(2))), DuelFault::Malformed},
        {TableEnd::Server, "GET / HTTP/1.1\r\nHost: x\r\n", DuelFault::Malformed},
        {TableEnd::Server, Padded("GET", '1'), DuelFault::UnknownMessage},
    };
    for (const auto& c : cases) {
        TableReceiver receiver(c.end);
        receiver.Feed(c.bytes);
        EXPECT_EQ(receiver.Next(), TableReceived(Disconnect{c.fault})) << c.bytes;
        receiver.Feed(Padded("htake", '1'));
        EXPECT_EQ(receiver.Next(), TableReceived(Disconnect{c.fault}));
    }
}

TEST(TableReceiver, AFloodEndsTheConnection) {
    TableReceiver receiver(TableEnd::Seat);
    receiver.Feed("b");
    receiver.Feed(std::string(TableReceiver::BufferLimit, 'x'));
    EXPECT_EQ(receiver.Next(), TableReceived(Disconnect{DuelFault::BufferOverflow}));
}

} // namespace
} // namespace tavlira::net
