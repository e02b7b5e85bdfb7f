#include "net/DuelMessages.h"

#include "net/DeckBlock.h"

namespace tavlira::net {
namespace {

// "И" and "Л", the last byte of a deal: court cards carry points, or not.
constexpr char FiguresOnFlag = '\xC8';
constexpr char FiguresOffFlag = '\xCB';

// A number 0..99 as two digits, with a leading "0" below 10.
std::string TwoDigits(int number) {
    return {static_cast<char>('0' + number / 10 % 10), static_cast<char>('0' + number % 10)};
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> ParseTwoDigits(std::string_view two) {
    if (!IsDigit(two[0]) || !IsDigit(two[1]))
        return std::nullopt;
    return (two[0] - '0') * 10 + (two[1] - '0');
}

char Digit(int number) {
    return static_cast<char>('0' + number);
}

// A place digit within first..last, or nothing.
std::optional<int> ParsePlace(char digit, int first, int last) {
    const int place = digit - '0';
    if (place < first || place > last)
        return std::nullopt;
    return place;
}

char RoleDigit(DuelRole role) {
    return Digit(static_cast<int>(role));
}

std::optional<DuelRole> ParseRole(char digit) {
    if (digit == '1')
        return DuelRole::Host;
    if (digit == '2')
        return DuelRole::Client;
    return std::nullopt;
}

bool HasShape(std::string_view bytes, Framing framing) {
    return bytes.size() == framing.size && bytes.starts_with(framing.prefix);
}

std::string Prefix(Framing framing) {
    return std::string(framing.prefix);
}

// The deck block (DeckBlock.h) stands behind the "b", the flag behind it.
constexpr std::size_t DeckAt = 1;
constexpr std::size_t FlagAt = DeckAt + DeckBlockSize;

} // namespace

std::string_view FaultName(DuelFault fault) {
    switch (fault) {
    case DuelFault::UnknownMessage:
        return "unknown message";
    case DuelFault::Malformed:
        return "malformed message";
    case DuelFault::OtherGame:
        return "handshake of another game";
    case DuelFault::OtherRevision:
        return "handshake of another revision";
    case DuelFault::BadCardCode:
        return "deal with a bad card code";
    case DuelFault::DuplicateCard:
        return "deal with a card twice";
    case DuelFault::WrongRankOrder:
        return "deal with a wrong rank order";
    case DuelFault::WrongValue:
        return "deal with a wrong value";
    case DuelFault::BadFlag:
        return "deal with a bad flag";
    case DuelFault::WrongRole:
        return "frame with the wrong role digit";
    case DuelFault::Unexpected:
        return "message out of place";
    case DuelFault::IllegalMove:
        return "illegal move";
    case DuelFault::BufferOverflow:
        return "too much unhandled input";
    }
    return "unknown fault";
}

std::string NameField(std::string_view name) {
    std::string field(name.substr(0, NameFieldSize));
    field.resize(NameFieldSize, ' ');
    return field;
}

std::string ShownName(std::string_view nameField) {
    return std::string(nameField.substr(0, nameField.empty() ? 0 : nameField.size() - 1));
}

// --- Hello, client to host, 35 bytes:
//   1..3   "qel"
//   4..5   the game code, two digits ("66")
//   6..7   the protocol revision, two digits ("25")
//   8..15  "connect1"
//   16..35 the client's name field, padded with spaces
std::string Encode(const Hello& hello) {
    return Prefix(HelloFraming) + TwoDigits(hello.gameCode) + TwoDigits(hello.revision) +
           "connect1" + NameField(hello.nameField);
}

Decoded<Hello> DecodeHello(std::string_view bytes) {
    if (!HasShape(bytes, HelloFraming) || bytes.substr(7, 8) != "connect1")
        return DuelFault::Malformed;
    const auto code = ParseTwoDigits(bytes.substr(3, 2));
    const auto revision = ParseTwoDigits(bytes.substr(5, 2));
    if (!code || !revision)
        return DuelFault::Malformed;
    return Hello{*code, *revision, std::string(bytes.substr(15))};
}

// --- Welcome, host to client, 28 bytes:
//   1..8   "connect2"
//   9..28  the host's name field, padded with spaces
std::string Encode(const Welcome& welcome) {
    return Prefix(WelcomeFraming) + NameField(welcome.nameField);
}

Decoded<Welcome> DecodeWelcome(std::string_view bytes) {
    if (!HasShape(bytes, WelcomeFraming))
        return DuelFault::Malformed;
    return Welcome{std::string(bytes.substr(8))};
}

// --- Deal, host to client, 314 bytes:
//   1        "b"
//   2..313   the deck block (DeckBlock.h): codes, rank orders and values
//   314      "И" when court cards carry points, "Л" when not
std::string Encode(const DealMessage& deal) {
    return Prefix(DealFraming) + EncodeDeckBlock(deal.deck) +
           (deal.figuresHavePoints ? FiguresOnFlag : FiguresOffFlag);
}

Decoded<DealMessage> DecodeDeal(std::string_view bytes) {
    if (!HasShape(bytes, DealFraming))
        return DuelFault::Malformed;
    DealMessage deal;
    const char flag = bytes[FlagAt];
    if (flag != FiguresOnFlag && flag != FiguresOffFlag)
        return DuelFault::BadFlag;
    deal.figuresHavePoints = flag == FiguresOnFlag;
    Decoded<DeckCards> deck = DecodeDeckBlock(bytes.substr(DeckAt, DeckBlockSize),
                                              deal.figuresHavePoints, DeckValues::Checked);
    if (const DuelFault* fault = std::get_if<DuelFault>(&deck))
        return *fault;
    deal.deck = std::get<DeckCards>(deck);
    return deal;
}

// --- Begin, host to client, 8 bytes:
//   1..6   "hbegin"
//   7      "#"
//   8      the role digit of the seat that leads this game, or "#" when the
//          host does not name it (a receiver that reads only "hbegin" is
//          not disturbed by either)
std::string Encode(const BeginFrame& begin) {
    return Prefix(BeginFraming) + '#' + (begin.leader ? RoleDigit(*begin.leader) : '#');
}

Decoded<BeginFrame> DecodeBegin(std::string_view bytes) {
    if (!HasShape(bytes, BeginFraming) || bytes[6] != '#')
        return DuelFault::Malformed;
    if (bytes[7] == '#')
        return BeginFrame{};
    const auto leader = ParseRole(bytes[7]);
    if (!leader)
        return DuelFault::Malformed;
    return BeginFrame{leader};
}

// --- Play, either way, 8 bytes:
//   1..5   "hputs"
//   6      the hand place, "1".."4"
//   7      the table place, "1".."9" (9 the capture area)
//   8      the sender's role digit
std::string Encode(const PlayFrame& play) {
    return Prefix(PlayFraming) + Digit(play.handPlace) + Digit(play.tablePlace) +
           RoleDigit(play.sender);
}

Decoded<PlayFrame> DecodePlay(std::string_view bytes) {
    if (!HasShape(bytes, PlayFraming))
        return DuelFault::Malformed;
    const auto hand = ParsePlace(bytes[5], 1, HandPlaces);
    const auto table = ParsePlace(bytes[6], 1, CaptureArea);
    const auto sender = ParseRole(bytes[7]);
    if (!hand || !table || !sender)
        return DuelFault::Malformed;
    return PlayFrame{*hand, *table, *sender};
}

// --- Select, either way, 8 bytes:
//   1..5   "hsell"
//   6      the table place, "1".."8"
//   7      "#"
//   8      the sender's role digit
std::string Encode(const SelectFrame& select) {
    return Prefix(SelectFraming) + Digit(select.tablePlace) + '#' + RoleDigit(select.sender);
}

Decoded<SelectFrame> DecodeSelect(std::string_view bytes) {
    if (!HasShape(bytes, SelectFraming) || bytes[6] != '#')
        return DuelFault::Malformed;
    const auto table = ParsePlace(bytes[5], 1, TablePlaces);
    const auto sender = ParseRole(bytes[7]);
    if (!table || !sender)
        return DuelFault::Malformed;
    return SelectFrame{*table, *sender};
}

// --- Take, either way, 8 bytes:
//   1..7   "htake##"
//   8      the sender's role digit
std::string Encode(const TakeFrame& take) {
    return Prefix(TakeFraming) + "##" + RoleDigit(take.sender);
}

Decoded<TakeFrame> DecodeTake(std::string_view bytes) {
    if (!HasShape(bytes, TakeFraming) || bytes.substr(5, 2) != "##")
        return DuelFault::Malformed;
    const auto sender = ParseRole(bytes[7]);
    if (!sender)
        return DuelFault::Malformed;
    return TakeFrame{*sender};
}

// --- Chat, either way, 2 to 16 bytes:
//   1      "s"
//   2..    the text, 1 to 15 bytes, as typed (longer text is cut)
std::string Encode(const ChatLine& chat) {
    return Prefix(ChatFraming) + chat.text.substr(0, ChatTextMax);
}

Decoded<ChatLine> DecodeChat(std::string_view bytes) {
    if (!bytes.starts_with(ChatFraming.prefix) || bytes.size() < 2 ||
        bytes.size() > 1 + ChatTextMax)
        return DuelFault::Malformed;
    return ChatLine{std::string(bytes.substr(1))};
}

// --- Abort, 5 bytes: "abort". Never sent; a receiver ignores it.
std::string Encode(const AbortMessage&) {
    return Prefix(AbortFraming);
}

Decoded<AbortMessage> DecodeAbort(std::string_view bytes) {
    if (!HasShape(bytes, AbortFraming))
        return DuelFault::Malformed;
    return AbortMessage{};
}

std::string Encode(const DuelMessage& message) {
    return std::visit([](const auto& m) { return Encode(m); }, message);
}

std::optional<Move> MoveOf(const DuelMessage& message) {
    if (std::holds_alternative<BeginFrame>(message))
        return Move::Begin();
    if (const auto* play = std::get_if<PlayFrame>(&message))
        return Move::Play(play->handPlace, play->tablePlace);
    if (const auto* select = std::get_if<SelectFrame>(&message))
        return Move::Toggle(select->tablePlace);
    if (std::holds_alternative<TakeFrame>(message))
        return Move::Take();
    return std::nullopt;
}

DuelMessage FrameOf(const Move& move, DuelRole sender, std::optional<DuelRole> leader) {
    switch (move.kind) {
    case Move::Kind::Begin:
        return BeginFrame{leader};
    case Move::Kind::Play:
        return PlayFrame{move.handPlace, move.tablePlace, sender};
    case Move::Kind::Toggle:
        return SelectFrame{move.tablePlace, sender};
    case Move::Kind::Take:
        break;
    }
    return TakeFrame{sender};
}

} // namespace tavlira::net
