// Arbitrary bytes from a table server to a seat. The first byte picks the
// seat and whether a game is dealt already, the second the deck and how the
// rest is cut into reads. The seat plays its own moves with the computer's
// choices between the server's messages.
//
// Whatever arrives: nothing crashes; every move handed on is one the game
// took; all 52 cards stay accounted for; an end is final; and cutting the
// bytes into reads changes nothing.

#include "CardCount.h"
#include "FuzzCheck.h"
#include "game/Deal.h"
#include "net/TableSeatGame.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {
using namespace tavlira;
using namespace tavlira::net;

struct SeatSide {
    TableSeatGame game;
    std::vector<SeatEvent> events;
    std::vector<std::string> sent;

    SeatSide(std::uint8_t moment, std::uint8_t seed)
        : game(moment % 2 == 0 ? TableSeat::First : TableSeat::Second) {
        if (moment % 4 < 2)
            return;
        GameState dealer;
        SeededRandom random(seed);
        Shuffle(dealer, random);
        game.Feed(Encode(TableDealOf(dealer.Deck)));
        FUZZ_CHECK(game.Next() == SeatEvent(GameDealt{}));
        PlayOwn();
    }

    void PlayOwn() {
        for (const Move& move : game.ComputerChoice()) {
            const auto frame = game.Play(move);
            FUZZ_CHECK(frame.has_value() && frame->size() == FrameSize);
            sent.push_back(*frame);
        }
        if (const auto end = game.ConfirmEnd())
            sent.push_back(*end);
    }

    void Receive(std::string_view bytes) {
        if (!events.empty() && std::holds_alternative<Disconnect>(events.back()))
            return; // the connection is over
        game.Feed(bytes);
        for (;;) {
            const SeatEvent event = game.Next();
            if (std::holds_alternative<NeedMore>(event))
                break;
            events.push_back(event);
            if (game.Running())
                FUZZ_CHECK(CardsAccountedFor(game.Game()) == DeckSize);
            if (const auto* end = std::get_if<Disconnect>(&event)) {
                game.Feed(std::string(FrameSize, '#'));
                FUZZ_CHECK(game.Next() == SeatEvent(*end));
                FUZZ_CHECK(!game.Running());
                break;
            }
            PlayOwn();
        }
    }
};

bool Overflowed(const std::vector<SeatEvent>& events) {
    return !events.empty() && events.back() == SeatEvent(Disconnect{DuelFault::BufferOverflow});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    SeatSide whole(data[0], data[1]);
    whole.Receive(bytes);

    SeatSide cut(data[0], data[1]);
    const std::size_t step = 1 + data[1] % 29;
    for (std::size_t at = 0; at < bytes.size(); at += step)
        cut.Receive(bytes.substr(at, step));

    if (!Overflowed(whole.events) && !Overflowed(cut.events)) {
        FUZZ_CHECK(whole.events == cut.events);
        FUZZ_CHECK(whole.sent == cut.sent);
    }
    return 0;
}
