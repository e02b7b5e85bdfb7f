#pragma once
// The messages of the duel connection between two copies of the game, as
// typed values, each with its encoder and decoder (DuelMessages.cpp documents
// every field where it is written).
//
// On the wire a message is a run of code page 1251 bytes with no length
// prefix and no terminator; its first bytes say what it is, and every
// message but the chat line has a fixed length. Digits are ASCII digits.
// The role digit ending a move frame is the sender's role: "1" host,
// "2" client.
//
// A decoder takes exactly the bytes of one message (the receiver finds where
// a message ends, DuelReceiver.h) and checks every field; it never looks at
// the game. Whether a message may be handled now is the receiver's question.

#include "game/GameState.h"
#include "game/Move.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tavlira::net {

enum class DuelRole : std::uint8_t { Host = 1, Client = 2 };

constexpr DuelRole PeerRole(DuelRole self) {
    return self == DuelRole::Host ? DuelRole::Client : DuelRole::Host;
}
// Each machine is seat 2 to itself and seat 1 to its peer.
constexpr Seat SeatOfRole(DuelRole role, DuelRole self) {
    return role == self ? LocalSeat : OpponentSeat;
}
constexpr DuelRole RoleOfSeat(Seat seat, DuelRole self) {
    return seat == LocalSeat ? self : PeerRole(self);
}

// The number of this game in its family and the revision of the protocol;
// both sides compare them in the handshake.
inline constexpr int GameCode = 66;
inline constexpr int ProtocolRevision = 25;
// A player's name travels as a field of this many bytes, padded with spaces.
inline constexpr std::size_t NameFieldSize = 20;
// A chat line holds at most this many bytes of text (the chat box's limit).
inline constexpr std::size_t ChatTextMax = 15;

// How a message begins on the wire and its whole size in bytes. A chat
// line's size is 0 here: nothing in it says where its text ends.
struct Framing {
    std::string_view prefix;
    std::size_t size;
};
inline constexpr Framing HelloFraming{"qel", 35};
inline constexpr Framing WelcomeFraming{"connect2", 28};
inline constexpr Framing DealFraming{"b", 314};
inline constexpr Framing BeginFraming{"hbegin", 8};
inline constexpr Framing PlayFraming{"hputs", 8};
inline constexpr Framing SelectFraming{"hsell", 8};
inline constexpr Framing TakeFraming{"htake", 8};
inline constexpr Framing ChatFraming{"s", 0};
inline constexpr Framing AbortFraming{"abort", 5};

// The client's handshake, the first message on a connection.
struct Hello {
    int gameCode = GameCode;
    int revision = ProtocolRevision;
    std::string nameField; // NameFieldSize bytes
    friend bool operator==(const Hello&, const Hello&) = default;
};

// The host's answer to a handshake it accepts.
struct Welcome {
    std::string nameField; // NameFieldSize bytes
    friend bool operator==(const Welcome&, const Welcome&) = default;
};

// The whole shuffled deck of a new game, host to client. Deck positions
// 1..4 are the client's hand, 5..8 the host's, 9..12 the table, the rest the
// stock.
struct DealMessage {
    OneBased<CardSlot, DeckSize> deck{};
    bool figuresHavePoints = false;
    friend bool operator==(const DealMessage&, const DealMessage&) = default;
};

// The host got the dealt game under way. `leader` names the seat that moves
// first, by role; a peer that does not name it sends none (see DuelRules.h).
struct BeginFrame {
    std::optional<DuelRole> leader;
    friend bool operator==(const BeginFrame&, const BeginFrame&) = default;
};

// A hand card played to a table place (9, the capture area, to capture).
struct PlayFrame {
    int handPlace = 1;  // 1..4
    int tablePlace = 1; // 1..9
    DuelRole sender = DuelRole::Host;
    friend bool operator==(const PlayFrame&, const PlayFrame&) = default;
};

// A table card selected for the waiting capture, or deselected.
struct SelectFrame {
    int tablePlace = 1; // 1..8
    DuelRole sender = DuelRole::Host;
    friend bool operator==(const SelectFrame&, const SelectFrame&) = default;
};

// The selected cards taken with the card in the capture area.
struct TakeFrame {
    DuelRole sender = DuelRole::Host;
    friend bool operator==(const TakeFrame&, const TakeFrame&) = default;
};

// A line of the chat panel.
struct ChatLine {
    std::string text; // 1..ChatTextMax bytes
    friend bool operator==(const ChatLine&, const ChatLine&) = default;
};

// A message nobody sends; both sides ignore it.
struct AbortMessage {
    friend bool operator==(const AbortMessage&, const AbortMessage&) = default;
};

using DuelMessage = std::variant<Hello, Welcome, DealMessage, BeginFrame, PlayFrame, SelectFrame,
                                 TakeFrame, ChatLine, AbortMessage>;

// Why a connection ends: what was wrong with the bytes or the moment.
enum class DuelFault : std::uint8_t {
    UnknownMessage, // the bytes begin no message
    Malformed,      // a fixed part, a digit or a place number is not what the message holds
    OtherGame,      // a handshake of another game
    OtherRevision,  // a handshake of another revision of the protocol
    BadCardCode,    // a deal names something that is not a card
    DuplicateCard,  // a deal names a card twice
    WrongRankOrder, // a deal's rank order digits contradict the card
    WrongValue,     // a deal's value digits contradict the card and the flag
    BadFlag,        // a deal's last byte is neither of the two flags
    WrongRole,      // a move frame's role digit is not the peer's
    Unexpected,     // a message this side never receives, or not at this moment
    IllegalMove,    // a move the rules do not allow now
    BufferOverflow, // more unhandled bytes than a peer can send by hand
};
std::string_view FaultName(DuelFault fault);

template <class Message> using Decoded = std::variant<Message, DuelFault>;

// Encoders: the exact bytes of one message, from values within their ranges.
std::string Encode(const Hello& hello);
std::string Encode(const Welcome& welcome);
std::string Encode(const DealMessage& deal);
std::string Encode(const BeginFrame& begin);
std::string Encode(const PlayFrame& play);
std::string Encode(const SelectFrame& select);
std::string Encode(const TakeFrame& take);
std::string Encode(const ChatLine& chat);
std::string Encode(const AbortMessage& abort);
std::string Encode(const DuelMessage& message);

// Decoders: the bytes of exactly one message of that kind.
Decoded<Hello> DecodeHello(std::string_view bytes);
Decoded<Welcome> DecodeWelcome(std::string_view bytes);
Decoded<DealMessage> DecodeDeal(std::string_view bytes);
Decoded<BeginFrame> DecodeBegin(std::string_view bytes);
Decoded<PlayFrame> DecodePlay(std::string_view bytes);
Decoded<SelectFrame> DecodeSelect(std::string_view bytes);
Decoded<TakeFrame> DecodeTake(std::string_view bytes);
Decoded<ChatLine> DecodeChat(std::string_view bytes);
Decoded<AbortMessage> DecodeAbort(std::string_view bytes);

// A name as its field: cut or padded with spaces to NameFieldSize bytes.
std::string NameField(std::string_view name);
// The name a receiver shows for a field: all but its last byte, which is
// always padding (the name box holds far fewer bytes than the field).
std::string ShownName(std::string_view nameField);

// Moves and frames: a frame that is a move, and the frame of a move. Begin
// carries no role digit; the leader it names is the caller's (DuelRules.h).
std::optional<Move> MoveOf(const DuelMessage& message);
DuelMessage FrameOf(const Move& move, DuelRole sender, std::optional<DuelRole> leader = {});

} // namespace tavlira::net
