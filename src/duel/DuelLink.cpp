#include "duel/DuelLink.h"

#include "net/DuelRules.h"

#include <utility>

namespace tavlira {

using namespace net;

DuelLink::DuelLink(DuelRole self, std::string_view ownName)
    : receiver_(self), nameField_(NameField(ownName)) {}

void DuelLink::Connected() {
    if (Role() == DuelRole::Client)
        outgoing_ += Encode(Hello{GameCode, ProtocolRevision, nameField_});
}

void DuelLink::Feed(std::string_view bytes) {
    receiver_.Feed(bytes);
}

DuelLink::Step DuelLink::Next(Match& match) {
    if (ended_)
        return Idle{};
    const bool atTable = match.CurrentScreen() == Screen::Table;
    if (Joined() && !atTable)
        return Idle{};
    if (atTable && match.Tick())
        return GameStep{};
    Received received = receiver_.Next(match.State());
    awaitsRest_ = std::holds_alternative<NeedMore>(received) && receiver_.Unhandled() > 0;
    if (const auto* end = std::get_if<Disconnect>(&received)) {
        ended_ = true;
        return Ended{end->fault};
    }
    const auto* message = std::get_if<DuelMessage>(&received);
    if (message == nullptr)
        return Idle{};
    Step step = Handle(*message, match);
    ended_ = std::holds_alternative<Ended>(step);
    return step;
}

DuelLink::Step DuelLink::Handle(const DuelMessage& message, Match& match) {
    if (const auto* hello = std::get_if<Hello>(&message)) {
        peerName_ = ShownName(hello->nameField);
        outgoing_ += Encode(Welcome{nameField_});
        return PeerJoined{};
    }
    if (const auto* welcome = std::get_if<Welcome>(&message)) {
        peerName_ = ShownName(welcome->nameField);
        return PeerJoined{};
    }
    if (const auto* chat = std::get_if<ChatLine>(&message))
        return Chat{chat->text};
    // The receiver checked each move against the rules; the match checks the
    // moment once more (a deal while the dealt game waits for its begin).
    bool applied = false;
    if (const auto* deal = std::get_if<DealMessage>(&message))
        applied = match.PeerDeal(deal->deck, deal->figuresHavePoints);
    else if (const auto* begin = std::get_if<BeginFrame>(&message))
        applied = match.PeerBegin(ClientLeader(match.State(), *begin));
    else if (const auto move = MoveOf(message))
        applied = match.PeerMove(*move);
    if (!applied)
        return Ended{DuelFault::Unexpected};
    return GameStep{};
}

void DuelLink::Send(const MatchOutbox& events, const Match& match) {
    for (const MatchEvent& e : events) {
        if (std::holds_alternative<match_event::HostDealt>(e)) {
            outgoing_ += Encode(DealOf(match.State()));
            continue;
        }
        const auto* gameEvent = std::get_if<Event>(&e);
        const auto* made = gameEvent ? std::get_if<event::MoveMade>(gameEvent) : nullptr;
        if (made != nullptr && made->seat == LocalSeat)
            outgoing_ += EncodeLocalMove(made->move, match.State(), Role());
    }
}

bool DuelLink::SendChat(std::string_view text) {
    if (text.empty() || text.size() > ChatTextMax)
        return false;
    outgoing_ += Encode(ChatLine{std::string(text)});
    return true;
}

std::string DuelLink::TakeOutgoing() {
    return std::exchange(outgoing_, {});
}

} // namespace tavlira
