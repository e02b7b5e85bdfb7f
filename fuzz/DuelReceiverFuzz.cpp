// Arbitrary bytes from a duel peer. The first byte picks the side and the
// moment (a host or a client before the handshake, or a game under way on
// either), the second the deck and how the rest is cut into reads. This
// side's computer plays its own seat between the peer's messages.
//
// Whatever arrives: nothing crashes; every message handed on is one the game
// takes (a move ApplyMove accepts, a deal of 52 different cards); all 52
// cards stay accounted for; an end is final; and, chat lines aside (their
// end is where a read ends), cutting the bytes into reads changes nothing.

#include "CardCount.h"
#include "FuzzCheck.h"
#include "game/Deal.h"
#include "game/GameTick.h"
#include "game/Play.h"
#include "net/DuelReceiver.h"
#include "net/DuelRules.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {
using namespace tavlira;
using namespace tavlira::net;

void StartGame(GameState& state, const DealMessage& deal) {
    for (int a = 1; a <= DeckSize; ++a)
        for (int b = a + 1; b <= DeckSize; ++b)
            FUZZ_CHECK(deal.deck[a].code != deal.deck[b].code);
    DealReceived(state, deal);
    ResetGameFields(state);
    state.Mover = TurnOf(FirstMover(state));
    state.BeginState = Dealt;
    state.TableActive = true;
}

struct Side {
    GameState state;
    DuelReceiver receiver;
    std::vector<DuelMessage> messages;
    Received last;

    Side(std::uint8_t moment, std::uint8_t seed)
        : receiver(moment % 2 == 0 ? DuelRole::Host : DuelRole::Client) {
        const bool host = receiver.Self() == DuelRole::Host;
        state.Mode = host ? PlayMode::DuelHost : PlayMode::DuelClient;
        if (moment % 4 < 2)
            return;
        receiver.Feed(host ? Encode(Hello{GameCode, ProtocolRevision, NameField("peer")})
                           : Encode(Welcome{NameField("peer")}));
        FUZZ_CHECK(std::holds_alternative<DuelMessage>(receiver.Next(state)));
        SeededRandom random(seed);
        state.FiguresHavePoints = seed % 2 == 1;
        Shuffle(state, random);
        StartGame(state, DealOf(state));
        state.BeginState = UnderWay;
    }

    void Settle() {
        SeatPlayers players;
        players[OpponentSeat] = Player::Peer;
        players[LocalSeat] = Player::Computer;
        Outbox out;
        while (GameTick(state, players, out))
            out.clear();
    }

    void Receive(std::string_view bytes) {
        receiver.Feed(bytes);
        for (;;) {
            Settle();
            last = receiver.Next(state);
            const auto* message = std::get_if<DuelMessage>(&last);
            if (message == nullptr)
                break;
            messages.push_back(*message);
            if (const auto* deal = std::get_if<DealMessage>(message)) {
                StartGame(state, *deal);
            } else if (const auto move = MoveOf(*message)) {
                Outbox out;
                FUZZ_CHECK(ApplyMove(state, OpponentSeat, *move, out));
                if (const auto* begin = std::get_if<BeginFrame>(message))
                    state.Mover = TurnOf(ClientLeader(state, *begin));
            } else if (const auto* chat = std::get_if<ChatLine>(message)) {
                FUZZ_CHECK(!chat->text.empty() && chat->text.size() <= ChatTextMax);
            }
            if (state.TableActive)
                FUZZ_CHECK(CardsAccountedFor(state) == DeckSize);
        }
        if (const auto* end = std::get_if<Disconnect>(&last)) {
            receiver.Feed("hputs111");
            FUZZ_CHECK(receiver.Next(state) == Received(*end));
        }
    }
};

bool HoldsChat(const std::vector<DuelMessage>& messages) {
    for (const DuelMessage& m : messages)
        if (std::holds_alternative<ChatLine>(m))
            return true;
    return false;
}

bool Overflowed(const Received& last) {
    const auto* end = std::get_if<Disconnect>(&last);
    return end != nullptr && end->fault == DuelFault::BufferOverflow;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    Side whole(data[0], data[1]);
    whole.Receive(bytes);

    Side cut(data[0], data[1]);
    const std::size_t step = 1 + data[1] % 13;
    for (std::size_t at = 0; at < bytes.size(); at += step)
        cut.Receive(bytes.substr(at, step));

    if (!HoldsChat(whole.messages) && !HoldsChat(cut.messages) && !Overflowed(whole.last) &&
        !Overflowed(cut.last)) {
        FUZZ_CHECK(whole.messages == cut.messages);
        FUZZ_CHECK(whole.last == cut.last);
    }
    return 0;
}
