#include "game/LayOff.h"

#include "util/Cp1251.h"

#include <array>
#include <string_view>
#include <vector>

namespace tavlira {
namespace {

// The lists as written in the rules, comma-separated card codes.
constexpr std::string_view kCourtCardsWorthless = // "Figures has points" off
    "1п,1ч,"
    "9п,9б,9ч,8п,8б,8ч,7п,7б,7ч,6п,6б,6ч,5п,5б,5ч,4п,4б,4ч,3п,3б,3ч,2п,2б,2ч,"
    "1к,9к,8к,7к,6к,5к,4к,3к,"
    "Тп,Тб,Тч,Тк,"
    "Кп,Кб,Кч,Кк,"
    "Дп,Дб,Дч,Дк,"
    "1б,2к,"
    "Вп,Вб,Вч,Вк";

constexpr std::string_view kCourtCardsCount = // "Figures has points" on
    "Кп,Кб,Кч,Дп,Дб,Дч,Вп,Вб,Вч,"
    "1п,1ч,"
    "9п,9б,9ч,8п,8б,8ч,7п,7б,7ч,6п,6б,6ч,5п,5б,5ч,4п,4б,4ч,3п,3б,3ч,2п,2б,2ч,"
    "Кк,Дк,Вк,"
    "1к,9к,8к,7к,6к,5к,4к,3к,"
    "Тп,Тб,Тч,Тк,"
    "1б,2к";

std::vector<CardCode> ParseList(std::string_view utf8) {
    const std::string bytes = Utf8ToCp1251(utf8);
    std::vector<CardCode> cards;
    for (size_t i = 0; i + 1 < bytes.size(); i += 3)
        cards.push_back(*CardCode::FromBytes(std::string_view(bytes).substr(i, 2)));
    return cards;
}

} // namespace

std::span<const CardCode> LayOffPriority(bool figuresHavePoints) {
    static const std::vector<CardCode> worthless = ParseList(kCourtCardsWorthless);
    static const std::vector<CardCode> counting = ParseList(kCourtCardsCount);
    return figuresHavePoints ? counting : worthless;
}

int ChooseLayOff(const HandRow& hand, bool figuresHavePoints) {
    for (CardCode card : LayOffPriority(figuresHavePoints))
        for (int place = 1; place <= HandPlaces; ++place)
            if (hand[place].code == card)
                return place;
    return 0;
}

} // namespace tavlira
