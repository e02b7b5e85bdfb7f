#include "net/DuelReceiver.h"

#include "game/Play.h"

#include <algorithm>

namespace tavlira::net {
namespace {

template <class Message, Decoded<Message> (*decode)(std::string_view)>
Decoded<DuelMessage> DecodeAs(std::string_view bytes) {
    Decoded<Message> decoded = decode(bytes);
    if (const DuelFault* fault = std::get_if<DuelFault>(&decoded))
        return *fault;
    return DuelMessage(std::get<Message>(std::move(decoded)));
}

std::optional<DuelRole> SenderOf(const DuelMessage& message) {
    return std::visit(
        [](const auto& m) -> std::optional<DuelRole> {
            if constexpr (requires { m.sender; })
                return m.sender;
            else
                return std::nullopt;
        },
        message);
}

} // namespace

// One kind of message: how it begins and its size (ChatSize finds where a
// chat line ends), its decoder, and what checks whether it may be handled
// now (none: read and ignored).
struct DuelReceiver::Kind {
    Framing framing;
    Decoded<DuelMessage> (*decode)(std::string_view);
    std::optional<DuelFault> (DuelReceiver::*accept)(const DuelMessage&, const GameState&);
};

const DuelReceiver::Kind* DuelReceiver::KindOf(std::string_view bytes, bool& mayComplete) {
    static constexpr Kind kinds[] = {
        {HelloFraming, DecodeAs<Hello, DecodeHello>, &DuelReceiver::AcceptHello},
        {WelcomeFraming, DecodeAs<Welcome, DecodeWelcome>, &DuelReceiver::AcceptWelcome},
        {DealFraming, DecodeAs<DealMessage, DecodeDeal>, &DuelReceiver::AcceptDeal},
        {BeginFraming, DecodeAs<BeginFrame, DecodeBegin>, &DuelReceiver::AcceptMove},
        {PlayFraming, DecodeAs<PlayFrame, DecodePlay>, &DuelReceiver::AcceptMove},
        {SelectFraming, DecodeAs<SelectFrame, DecodeSelect>, &DuelReceiver::AcceptMove},
        {TakeFraming, DecodeAs<TakeFrame, DecodeTake>, &DuelReceiver::AcceptMove},
        {ChatFraming, DecodeAs<ChatLine, DecodeChat>, &DuelReceiver::AcceptChat},
        {AbortFraming, DecodeAs<AbortMessage, DecodeAbort>, nullptr},
    };
    mayComplete = false;
    for (const Kind& kind : kinds) {
        if (bytes.starts_with(kind.framing.prefix))
            return &kind;
        mayComplete = mayComplete || kind.framing.prefix.starts_with(bytes);
    }
    return nullptr;
}

bool DuelReceiver::WholeMessageAt(std::string_view bytes) {
    bool mayComplete = false;
    const Kind* kind = KindOf(bytes, mayComplete);
    const std::size_t size = kind != nullptr ? kind->framing.size : 0;
    return size != 0 && bytes.size() >= size &&
           std::holds_alternative<DuelMessage>(kind->decode(bytes.substr(0, size)));
}

std::size_t DuelReceiver::ChatSize(std::string_view bytes) {
    if (bytes.size() < 2)
        return 0; // the text holds at least one byte
    const std::size_t longest = std::min(bytes.size(), 1 + ChatTextMax);
    for (std::size_t end = 2; end < longest; ++end)
        if (WholeMessageAt(bytes.substr(end)))
            return end;
    return longest;
}

void DuelReceiver::Feed(std::string_view bytes) {
    if (fault_)
        return;
    pending_.erase(0, handled_);
    handled_ = 0;
    if (pending_.size() + bytes.size() > BufferLimit) {
        End(DuelFault::BufferOverflow);
        return;
    }
    pending_ += bytes;
}

Received DuelReceiver::Next(const GameState& game) {
    while (!fault_) {
        const std::string_view rest = std::string_view(pending_).substr(handled_);
        if (rest.empty())
            return NeedMore{};
        bool mayComplete = false;
        const Kind* kind = KindOf(rest, mayComplete);
        if (kind == nullptr)
            return mayComplete ? Received(NeedMore{}) : End(DuelFault::UnknownMessage);
        const std::size_t size = kind->framing.size != 0 ? kind->framing.size : ChatSize(rest);
        if (size == 0 || rest.size() < size)
            return NeedMore{};
        handled_ += size;

        Decoded<DuelMessage> decoded = kind->decode(rest.substr(0, size));
        if (const DuelFault* fault = std::get_if<DuelFault>(&decoded))
            return End(*fault);
        if (kind->accept == nullptr)
            continue;
        DuelMessage& message = std::get<DuelMessage>(decoded);
        if (const auto fault = (this->*kind->accept)(message, game))
            return End(*fault);
        return std::move(message);
    }
    return Disconnect{*fault_};
}

Received DuelReceiver::End(DuelFault fault) {
    fault_ = fault;
    pending_.clear();
    handled_ = 0;
    return Disconnect{fault};
}

std::optional<DuelFault> DuelReceiver::AcceptHello(const DuelMessage& message, const GameState&) {
    if (self_ != DuelRole::Host || joined_)
        return DuelFault::Unexpected;
    const Hello& hello = std::get<Hello>(message);
    if (hello.gameCode != GameCode)
        return DuelFault::OtherGame;
    if (hello.revision != ProtocolRevision)
        return DuelFault::OtherRevision;
    joined_ = true;
    return std::nullopt;
}

std::optional<DuelFault> DuelReceiver::AcceptWelcome(const DuelMessage&, const GameState&) {
    if (self_ != DuelRole::Client || joined_)
        return DuelFault::Unexpected;
    joined_ = true;
    return std::nullopt;
}

// The host deals when a match starts and when it asks for the next game, so
// a deal never arrives while a game is under way.
std::optional<DuelFault> DuelReceiver::AcceptDeal(const DuelMessage&, const GameState& game) {
    if (self_ != DuelRole::Client || !joined_ || (game.BeginState == UnderWay && !game.GameOver))
        return DuelFault::Unexpected;
    dealt_ = true;
    return std::nullopt;
}

// Moves are the peer's, on seat 1 of this machine; only the host begins, and
// only a game it has dealt.
std::optional<DuelFault> DuelReceiver::AcceptMove(const DuelMessage& message,
                                                  const GameState& game) {
    const bool begin = std::holds_alternative<BeginFrame>(message);
    if (!joined_ || (begin && (self_ != DuelRole::Client || !dealt_)))
        return DuelFault::Unexpected;
    if (const auto sender = SenderOf(message); sender && *sender != PeerRole(self_))
        return DuelFault::WrongRole;
    if (!MoveIsLegal(game, OpponentSeat, *MoveOf(message)))
        return DuelFault::IllegalMove;
    return std::nullopt;
}

std::optional<DuelFault> DuelReceiver::AcceptChat(const DuelMessage&, const GameState&) {
    if (!joined_)
        return DuelFault::Unexpected;
    return std::nullopt;
}

} // namespace tavlira::net
