#include "media/CardVoice.h"

#include <array>

namespace tavlira {
namespace {

// The suits in the order hearts, diamonds, clubs, spades; nothing else is a suit.
int SuitIndex(char suit) {
    switch (suit) {
    case suit::Hearts:
        return 0;
    case suit::Diamonds:
        return 1;
    case suit::Clubs:
        return 2;
    case suit::Spades:
        return 3;
    default:
        return -1;
    }
}

// 0 for the two .. 12 for the ace; -1 for no card.
int RankIndex(CardCode card) {
    const int order = RankOrder(card);
    return order == EmptyMark || SuitIndex(card.suit) < 0 ? -1 : order - 1;
}

constexpr std::array<std::string_view, 4> SuitPrefixes{"Ch", "Bu", "Kr", "Pi"};
constexpr std::array<std::string_view, 13> RankParts{"02", "03", "04", "05", "06", "07", "08",
                                                     "09", "10", "2J", "3Q", "4K", "5A"};

enum class Order : std::uint8_t { RankFirst, SuitFirst };

// How one language names a card: the rank word and the suit word joined in
// the language's order. Czech names the suit by an adjective that agrees
// with the rank's gender ("srdcová dáma", "srdcový král", "srdcové eso"):
// its suits are stems and `suitEndings` gives each rank's ending.
struct CardWords {
    std::string_view voice;
    std::array<std::string_view, 13> ranks;
    std::array<std::string_view, 4> suits;
    Order order;
    std::string_view joint;
    std::array<std::string_view, 13> suitEndings{};
};

// Columns in the order of LanguageIndex; ranks two .. ace, suits hearts,
// diamonds, clubs, spades.
const std::array<CardWords, LanguageCount> Languages{{
    {"en",
     {"two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "jack", "queen",
      "king", "ace"},
     {"hearts", "diamonds", "clubs", "spades"},
     Order::RankFirst,
     " of "},
    {"ru",
     {"двойка", "тройка", "четвёрка", "пятёрка", "шестёрка", "семёрка", "восьмёрка", "девятка",
      "десятка", "валет", "дама", "король", "туз"},
     {"червей", "бубён", "треф", "пик"},
     Order::RankFirst,
     " "},
    {"de",
     {"Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame",
      "König", "Ass"},
     {"Herz", "Karo", "Kreuz", "Pik"},
     Order::SuitFirst,
     " "},
    {"fr",
     {"deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf", "dix", "valet", "dame",
      "roi", "as"},
     {"cœur", "carreau", "trèfle", "pique"},
     Order::RankFirst,
     " de "},
    {"es",
     {"dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "diez", "jota", "reina",
      "rey", "as"},
     {"corazones", "diamantes", "tréboles", "picas"},
     Order::RankFirst,
     " de "},
    {"cmn-latn-pinyin",
     {"二", "三", "四", "五", "六", "七", "八", "九", "十", "杰克", "皇后", "国王", "尖"},
     {"红桃", "方块", "梅花", "黑桃"},
     Order::SuitFirst,
     ""},
    {"it",
     {"due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove", "dieci", "fante", "regina",
      "re", "asso"},
     {"cuori", "quadri", "fiori", "picche"},
     Order::RankFirst,
     " di "},
    {"cs",
     {"dvojka", "trojka", "čtyřka", "pětka", "šestka", "sedmička", "osmička", "devítka", "desítka",
      "kluk", "dáma", "král", "eso"},
     {"srdcov", "károv", "křížov", "pikov"},
     Order::SuitFirst,
     " ",
     {"á", "á", "á", "á", "á", "á", "á", "á", "á", "ý", "á", "ý", "é"}},
    {"ja",
     {"に", "さん", "よん", "ご", "ろく", "なな", "はち", "きゅう", "じゅう", "ジャック",
      "クイーン", "キング", "エース"},
     {"ハート", "ダイヤ", "クラブ", "スペード"},
     Order::SuitFirst,
     "の"},
    {"ko",
     {"이", "삼", "사", "오", "육", "칠", "팔", "구", "십", "잭", "퀸", "킹", "에이스"},
     {"하트", "다이아몬드", "클로버", "스페이드"},
     Order::SuitFirst,
     " "},
}};

} // namespace

std::string VoiceResourceName(CardCode card, LanguageIndex language) {
    const int rank = RankIndex(card);
    if (rank < 0)
        return {};
    std::string name(SuitPrefixes[static_cast<std::size_t>(SuitIndex(card.suit))]);
    name += RankParts[static_cast<std::size_t>(rank)];
    name += "Voice";
    name += LanguageCodes[static_cast<std::size_t>(language)];
    return name;
}

std::string SpokenCardName(CardCode card, LanguageIndex language) {
    const int rank = RankIndex(card);
    if (rank < 0)
        return {};
    const CardWords& words = Languages[static_cast<std::size_t>(language)];
    const std::string rankWord(words.ranks[static_cast<std::size_t>(rank)]);
    std::string suitWord(words.suits[static_cast<std::size_t>(SuitIndex(card.suit))]);
    suitWord += words.suitEndings[static_cast<std::size_t>(rank)];
    const std::string joint(words.joint);
    return words.order == Order::RankFirst ? rankWord + joint + suitWord
                                           : suitWord + joint + rankWord;
}

std::string_view SynthesiserVoice(LanguageIndex language) {
    return Languages[static_cast<std::size_t>(language)].voice;
}

} // namespace tavlira
