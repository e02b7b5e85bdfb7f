#include "net/DuelMessages.h"

#include "util/Cp1251.h"

#include <gtest/gtest.h>

namespace tavlira::net {
namespace {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

template <class Message>
void ExpectRoundTrip(const Message& value, const std::string& bytes,
                     Decoded<Message> (*decode)(std::string_view)) {
    EXPECT_EQ(Encode(value), bytes);
    EXPECT_EQ(Encode(DuelMessage(value)), bytes);
    const Decoded<Message> decoded = decode(bytes);
    ASSERT_TRUE(std::holds_alternative<Message>(decoded)) << bytes;
    EXPECT_EQ(std::get<Message>(decoded), value) << bytes;
}

template <class Message> std::optional<DuelFault> FaultOf(const Decoded<Message>& decoded) {
    if (const DuelFault* fault = std::get_if<DuelFault>(&decoded))
        return *fault;
    return std::nullopt;
}

TEST(DuelMessages, EveryKindRoundTripsByteForByte) {
    const std::string pad16(16, ' ');
    ExpectRoundTrip(Hello{66, 25, NameField("Mr.X")}, "qel6625connect1Mr.X" + pad16, DecodeHello);
    ExpectRoundTrip(Hello{6, 25, NameField(Cp("Оля"))}, "qel0625connect1" + Cp("Оля") + pad16 + " ",
                    DecodeHello);
    ExpectRoundTrip(Welcome{NameField("Anna")}, "connect2Anna" + pad16, DecodeWelcome);
    ExpectRoundTrip(BeginFrame{}, "hbegin##", DecodeBegin);
    ExpectRoundTrip(BeginFrame{DuelRole::Host}, "hbegin#1", DecodeBegin);
    ExpectRoundTrip(BeginFrame{DuelRole::Client}, "hbegin#2", DecodeBegin);
    ExpectRoundTrip(PlayFrame{2, 9, DuelRole::Client}, "hputs292", DecodePlay);
    ExpectRoundTrip(PlayFrame{4, 1, DuelRole::Host}, "hputs411", DecodePlay);
    ExpectRoundTrip(SelectFrame{3, DuelRole::Host}, "hsell3#1", DecodeSelect);
    ExpectRoundTrip(SelectFrame{8, DuelRole::Client}, "hsell8#2", DecodeSelect);
    ExpectRoundTrip(TakeFrame{DuelRole::Client}, "htake##2", DecodeTake);
    ExpectRoundTrip(ChatLine{"hi"}, "shi", DecodeChat);
    // Fifteen bytes of text travel as sixteen; a text may begin with "h".
    ExpectRoundTrip(ChatLine{"hputs191 and so"}, "shputs191 and so", DecodeChat);
    ExpectRoundTrip(ChatLine{Cp("Привет")}, "s" + Cp("Привет"), DecodeChat);
    ExpectRoundTrip(AbortMessage{}, "abort", DecodeAbort);
}

TEST(DuelMessages, NamesAndChatAreCutToTheirFields) {
    EXPECT_EQ(NameField("a-name-of-twenty-four-ch"), "a-name-of-twenty-fou");
    EXPECT_EQ(Encode(ChatLine{"sixteen letters!"}), "ssixteen letters");
    // The receiver drops the field's last byte: "Mr.X" and 16 spaces arrive
    // as "Mr.X" and 15 spaces.
    EXPECT_EQ(ShownName(NameField("Mr.X")), "Mr.X" + std::string(15, ' '));
}

// A deck in card-number order: 2ч 2б 2к 2п 3ч ... Тп.
DealMessage OrderedDeal(bool figures) {
    DealMessage deal;
    for (int n = 1; n <= DeckSize; ++n) {
        const CardCode card = CardFromNumber(n);
        deal.deck[n] = {card, RankOrder(card), GameValue(card, figures)};
    }
    deal.figuresHavePoints = figures;
    return deal;
}

TEST(DuelMessages, DealIsThreeBlocksAndAFlag) {
    for (const bool figures : {false, true}) {
        const std::string bytes = Encode(OrderedDeal(figures));
        ASSERT_EQ(bytes.size(), 314u);
        EXPECT_EQ(bytes.substr(0, 17), "b" + Cp("2ч2б2к2п3ч3б3к3п"));
        EXPECT_EQ(bytes.substr(97, 8), Cp("ТчТбТкТп"));
        EXPECT_EQ(bytes.substr(105, 10), "0101010102");
        EXPECT_EQ(bytes.substr(201, 8), "13131313");
        EXPECT_EQ(bytes.substr(209, 10), "0202020203");
        // Jacks (deck 37..40), queens and kings carry 00 without points.
        EXPECT_EQ(bytes.substr(209 + 72, 24),
                  figures ? "111111111212121213131313" : std::string(24, '0'));
        EXPECT_EQ(bytes.substr(305, 8), "01010101");
        EXPECT_EQ(bytes.substr(313), figures ? Cp("И") : Cp("Л"));
        const auto decoded = DecodeDeal(bytes);
        ASSERT_TRUE(std::holds_alternative<DealMessage>(decoded));
        EXPECT_EQ(std::get<DealMessage>(decoded), OrderedDeal(figures));
    }
}

// The ordered deal's bytes with `replacement` written at `offset`.
std::string DealWith(std::size_t offset, const std::string& replacement, bool figures = false) {
    std::string bytes = Encode(OrderedDeal(figures));
    return bytes.replace(offset, replacement.size(), replacement);
}

TEST(DuelMessages, HostileDealsAreRefused) {
    const struct {
        const char* what;
        std::string bytes;
        DuelFault fault;
    } cases[] = {
        {"truncated", Encode(OrderedDeal(false)).substr(0, 313), DuelFault::Malformed},
        {"oversized", Encode(OrderedDeal(false)) + "h", DuelFault::Malformed},
        {"empty place as a card", DealWith(1, "##"), DuelFault::BadCardCode},
        {"unknown rank", DealWith(3, Cp("Zб")), DuelFault::BadCardCode},
        {"unknown suit", DealWith(3, "2x"), DuelFault::BadCardCode},
        {"a card twice", DealWith(3, Cp("2ч")), DuelFault::DuplicateCard},
        {"rank order of another rank", DealWith(105, "02"), DuelFault::WrongRankOrder},
        {"rank order not digits", DealWith(105, " 1"), DuelFault::WrongRankOrder},
        {"rank order of the empty mark", DealWith(105, "99"), DuelFault::WrongRankOrder},
        {"value of another rank", DealWith(209, "03"), DuelFault::WrongValue},
        {"jack with points, flag off", DealWith(209 + 72, "11"), DuelFault::WrongValue},
        {"jack without points, flag on", DealWith(209 + 72, "00", true), DuelFault::WrongValue},
        {"ace counting 14", DealWith(305, "14"), DuelFault::WrongValue},
        {"flag neither И nor Л", DealWith(313, "#"), DuelFault::BadFlag},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaultOf(DecodeDeal(c.bytes)), c.fault) << c.what;
}

TEST(DuelMessages, HostileFramesAndHandshakesAreRefused) {
    const std::string pad20(20, ' ');
    const struct {
        const char* what;
        std::optional<DuelFault> got;
    } cases[] = {
        {"play from hand place 0", FaultOf(DecodePlay("hputs091"))},
        {"play from hand place 5", FaultOf(DecodePlay("hputs511"))},
        {"play to table place 0", FaultOf(DecodePlay("hputs101"))},
        {"play with role 3", FaultOf(DecodePlay("hputs113"))},
        {"play with role #", FaultOf(DecodePlay("hputs11#"))},
        {"play cut short", FaultOf(DecodePlay("hputs11"))},
        {"play too long", FaultOf(DecodePlay("hputs1111"))},
        {"select the capture area", FaultOf(DecodeSelect("hsell9#1"))},
        {"select place 0", FaultOf(DecodeSelect("hsell0#1"))},
        {"select without #", FaultOf(DecodeSelect("hsell3x1"))},
        {"select with role 0", FaultOf(DecodeSelect("hsell3#0"))},
        {"take with a digit", FaultOf(DecodeTake("htake#12"))},
        {"take with role 9", FaultOf(DecodeTake("htake##9"))},
        {"begin naming role 3", FaultOf(DecodeBegin("hbegin#3"))},
        {"begin without #", FaultOf(DecodeBegin("hbegin1#"))},
        {"chat without text", FaultOf(DecodeChat("s"))},
        {"chat of 16 bytes of text", FaultOf(DecodeChat("s0123456789abcdef"))},
        {"hello without connect1", FaultOf(DecodeHello("qel6625connect9" + pad20))},
        {"hello with letters for the code", FaultOf(DecodeHello("qelxx25connect1" + pad20))},
        {"hello with a short name", FaultOf(DecodeHello("qel6625connect1" + pad20.substr(1)))},
        {"welcome with a long name", FaultOf(DecodeWelcome("connect2" + pad20 + " "))},
        {"abort of other bytes", FaultOf(DecodeAbort("abortx"))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, DuelFault::Malformed) << c.what;
}

TEST(DuelMessages, FramesAreMovesAndBack) {
    const struct {
        DuelMessage frame;
        Move move;
    } cases[] = {
        {BeginFrame{DuelRole::Client}, Move::Begin()},
        {PlayFrame{3, 9, DuelRole::Host}, Move::Play(3, 9)},
        {SelectFrame{5, DuelRole::Host}, Move::Toggle(5)},
        {TakeFrame{DuelRole::Host}, Move::Take()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MoveOf(c.frame), c.move) << Encode(c.frame);
        EXPECT_EQ(FrameOf(c.move, DuelRole::Host, DuelRole::Client), c.frame);
    }
    EXPECT_EQ(MoveOf(ChatLine{"hi"}), std::nullopt);
    EXPECT_EQ(MoveOf(Hello{}), std::nullopt);
}

} // namespace
} // namespace tavlira::net
