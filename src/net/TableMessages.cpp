#include "net/TableMessages.h"

#include "net/DeckBlock.h"

#include <charconv>

namespace tavlira::net {
namespace {

constexpr char Padding = '#';

char SeatDigit(TableSeat seat) {
    return static_cast<char>('0' + static_cast<int>(seat));
}

std::optional<TableSeat> ParseSeat(char digit) {
    if (digit == '1')
        return TableSeat::First;
    if (digit == '2')
        return TableSeat::Second;
    return std::nullopt;
}

std::optional<int> ParsePlace(char digit, int first, int last) {
    const int place = digit - '0';
    if (place < first || place > last)
        return std::nullopt;
    return place;
}

bool AllPadding(std::string_view bytes) {
    return bytes.find_first_not_of(Padding) == std::string_view::npos;
}

// A fixed payload: `prefix` followed by padding only.
bool IsExactly(std::string_view payload, std::string_view prefix) {
    return payload.starts_with(prefix) && AllPadding(payload.substr(prefix.size()));
}

// A number right-aligned in five bytes, leading spaces before it.
std::string FiveWide(int number) {
    std::string text = std::to_string(number);
    return std::string(5 - std::min<std::size_t>(5, text.size()), ' ') + text;
}

std::optional<int> ParseFiveWide(std::string_view field) {
    const std::size_t start = field.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    int number = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data() + start, end, number);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return number;
}

std::string MovePayload(const Move& move) {
    switch (move.kind) {
    case Move::Kind::Begin:
        return "hbegin";
    case Move::Kind::Play:
        return std::string("hputs") + static_cast<char>('0' + move.handPlace) +
               static_cast<char>('0' + move.tablePlace);
    case Move::Kind::Toggle:
        return std::string("hsell") + static_cast<char>('0' + move.tablePlace);
    case Move::Kind::Take:
        break;
    }
    return "htake";
}

std::string Payload(const FramePayload& payload) {
    struct {
        std::string operator()(const ConnectFrame& f) {
            return "connect" + std::string(1, SeatDigit(f.seat));
        }
        std::string operator()(const LeaveFrame&) { return "disA"; }
        std::string operator()(const MoveFrame& f) { return MovePayload(f.move); }
        std::string operator()(const TableChat& f) { return "s" + f.text.substr(0, TableChatMax); }
        std::string operator()(const TimeOutFrame&) { return "TOut"; }
        std::string operator()(const ResultFrame& f) {
            return "o" + FiveWide(f.result) + FiveWide(-f.result);
        }
        std::string operator()(const ClosedFrame&) { return "e"; }
        std::string operator()(const LeftFrame&) { return "a"; }
    } visitor;
    return std::visit(visitor, payload);
}

Decoded<FramePayload> DecodeMove(std::string_view payload) {
    if (IsExactly(payload, "hbegin"))
        return MoveFrame{Move::Begin()};
    if (IsExactly(payload, "htake"))
        return MoveFrame{Move::Take()};
    if (payload.starts_with("hputs") && AllPadding(payload.substr(7))) {
        const auto hand = ParsePlace(payload[5], 1, HandPlaces);
        const auto table = ParsePlace(payload[6], 1, CaptureArea);
        if (hand && table)
            return MoveFrame{Move::Play(*hand, *table)};
    }
    if (payload.starts_with("hsell") && AllPadding(payload.substr(6)))
        if (const auto table = ParsePlace(payload[5], 1, TablePlaces))
            return MoveFrame{Move::Toggle(*table)};
    return DuelFault::Malformed;
}

Decoded<FramePayload> DecodeResult(std::string_view payload) {
    const auto result = ParseFiveWide(payload.substr(1, 5));
    const auto negated = ParseFiveWide(payload.substr(6, 5));
    if (!result || !negated || *negated != -*result || *result > ResultMax ||
        *result < -ResultMax || !AllPadding(payload.substr(11)))
        return DuelFault::Malformed;
    return ResultFrame{*result};
}

Decoded<FramePayload> DecodeChat(std::string_view payload) {
    const std::string_view text = payload.substr(1, payload.find(Padding) - 1);
    if (text.empty())
        return DuelFault::Malformed;
    return TableChat{std::string(text)};
}

Decoded<FramePayload> DecodePayload(std::string_view payload) {
    switch (payload[0]) {
    case 'c':
        if (payload.starts_with("connect") && AllPadding(payload.substr(8)))
            if (const auto seat = ParseSeat(payload[7]))
                return ConnectFrame{*seat};
        break;
    case 'd':
        if (IsExactly(payload, "disA"))
            return LeaveFrame{};
        break;
    case 'h':
        return DecodeMove(payload);
    case 's':
        return DecodeChat(payload);
    case 'T':
        if (IsExactly(payload, "TOut"))
            return TimeOutFrame{};
        break;
    case 'o':
        return DecodeResult(payload);
    case 'e':
        if (IsExactly(payload, "e"))
            return ClosedFrame{};
        break;
    case 'a':
        if (IsExactly(payload, "a"))
            return LeftFrame{};
        break;
    default:
        return DuelFault::UnknownMessage;
    }
    return DuelFault::Malformed;
}

} // namespace

// --- A frame, either way, 20 bytes:
//   1..19  the payload, padded on the right with "#":
//            "connect" + seat digit       a seat takes its place (seat to server)
//            "disA"                       the seat leaves (seat to server)
//            "hbegin"                     seat 1 got the dealt game under way
//            "hputs" + hand + table place a hand card (1..4) to a table place (1..9)
//            "hsell" + table place        a table card (1..8) selected or deselected
//            "htake"                      the selected cards taken
//            "s" + text                   a chat line, 1..18 bytes up to the first "#"
//            "TOut"                       the move clock of the frame's seat ran out
//            "o" + result + negation      seat 1 confirms the end of the game; each
//                                         number right-aligned in 5 bytes with spaces
//            "e"                          the server closed the game (server to seat)
//            "a"                          the frame's seat left the game (server to seat)
//   20     the seat digit: the sender's seat; in the server's own frames the
//          seat that left ("a"), ran out of time ("TOut") or closed the game ("e")
std::string Encode(const TableFrame& frame) {
    std::string bytes = Payload(frame.payload);
    bytes.resize(FramePayloadMax, Padding);
    bytes += SeatDigit(frame.seat);
    return bytes;
}

Decoded<TableFrame> DecodeFrame(std::string_view bytes) {
    if (bytes.size() != FrameSize)
        return DuelFault::Malformed;
    const auto seat = ParseSeat(bytes[FrameSize - 1]);
    if (!seat)
        return DuelFault::Malformed;
    Decoded<FramePayload> payload = DecodePayload(bytes.substr(0, FramePayloadMax));
    if (const DuelFault* fault = std::get_if<DuelFault>(&payload))
        return *fault;
    return TableFrame{std::get<FramePayload>(std::move(payload)), *seat};
}

// --- Deal, server to both seats, 313 bytes (no frame, no seat digit):
//   1        "b"
//   2..313   the deck block (DeckBlock.h); deck cards 1..4 are seat 1's hand,
//            5..8 seat 2's, 9..12 the table; a seat counts court cards as
//            nothing whatever the values say, so a reader checks only that
//            they are digits
std::string Encode(const TableDeal& deal) {
    return "b" + EncodeDeckBlock(deal.deck);
}

Decoded<TableDeal> DecodeTableDeal(std::string_view bytes) {
    if (bytes.size() != TableDealSize || bytes[0] != 'b')
        return DuelFault::Malformed;
    Decoded<DeckCards> deck = DecodeDeckBlock(bytes.substr(1), false, DeckValues::DigitsOnly);
    if (const DuelFault* fault = std::get_if<DuelFault>(&deck))
        return *fault;
    return TableDeal{std::get<DeckCards>(deck)};
}

TableDeal TableDealOf(const OneBased<CardSlot, DeckSize>& deck) {
    TableDeal deal;
    for (int position = 1; position <= DeckSize; ++position) {
        const CardCode card = deck[position].code;
        deal.deck[position] = {card, RankOrder(card), GameValue(card, false)};
    }
    return deal;
}

std::string Encode(const TableMessage& message) {
    return std::visit([](const auto& m) { return Encode(m); }, message);
}

} // namespace tavlira::net
