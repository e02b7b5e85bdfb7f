// The club's rules for the account's boxes, the country codes, and the
// characters a chat line may carry.

#include "ui/dialogs/online/AccountRules.h"
#include "ui/dialogs/online/Countries.h"

#include <gtest/gtest.h>
#include <string>

namespace tavlira {
namespace {

TEST(AccountRules, LampsOfTheBoxes) {
    struct Case {
        AccountField field;
        std::string text;
        Lamp lamp;
    };
    // Russian letters in code page 1251: "Москва" and "Ёж".
    const std::string moscow = "\xCC\xEE\xF1\xEA\xE2\xE0";
    const Case cases[] = {
        {AccountField::Nick, "ab", Lamp::Green},
        {AccountField::Nick, "a", Lamp::Red},
        {AccountField::Nick, "", Lamp::Red},
        {AccountField::Nick, "abcdefghijkl", Lamp::Green},
        {AccountField::Nick, "abcdefghijklm", Lamp::Red},
        {AccountField::Nick, "\xA8\xE6", Lamp::Red}, // Russian letters: yellow counts as red
        {AccountField::Nick, "a b", Lamp::Red},
        {AccountField::Nick, "a$b", Lamp::Red},
        {AccountField::Nick, "Mr.X_(1)!", Lamp::Green},
        {AccountField::City, moscow, Lamp::Yellow},
        {AccountField::City, "a", Lamp::Red},
        {AccountField::City, "Oslo", Lamp::Green},
        {AccountField::City, "abcdefghijklmnop", Lamp::Red},
        {AccountField::Password, "abc", Lamp::Red},
        {AccountField::Password, "abcd", Lamp::Green},
        {AccountField::Password, "abcdefghijklm", Lamp::Red},
        {AccountField::EMail, "a@b", Lamp::Green},
        {AccountField::EMail, "@ab", Lamp::Red},
        {AccountField::EMail, "ab@", Lamp::Red},
        {AccountField::EMail, "abc", Lamp::Red},
        {AccountField::EMail, "\xE0@b", Lamp::Red},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LampOf(c.field, c.text), c.lamp)
            << static_cast<int>(c.field) << " '" << c.text << "'";
}

TEST(AccountRules, TypingAndThePassport) {
    EXPECT_TRUE(MayType(AccountField::Nick, '\xE0'));
    EXPECT_FALSE(MayType(AccountField::Password, '\xE0'));
    EXPECT_FALSE(MayType(AccountField::EMail, '\xB8'));
    EXPECT_FALSE(MayType(AccountField::City, ' '));
    EXPECT_FALSE(MayType(AccountField::Nick, '?'));

    EXPECT_TRUE(PassportNickValid("\xCC\xE8\xF0")); // "Мир": Russian letters are fine here
    EXPECT_FALSE(PassportNickValid("M"));
    EXPECT_FALSE(PassportNickValid("abcdefghijklm"));
    EXPECT_TRUE(PassportCityValid("abcdefghijklmno"));
    EXPECT_FALSE(PassportCityValid("abcdefghijklmnop"));
    EXPECT_FALSE(PassportCityValid("New York"));

    std::string line = "Hi all & = $*";
    EXPECT_EQ(ReplaceUnsafe(line), 8u);
    EXPECT_EQ(line, "Hi_all_______");
}

TEST(Countries, CodesNameAnEntryOfTheirContinent) {
    EXPECT_EQ(RegionCode(2, 5), "2-005");
    EXPECT_STREQ(CountryAt({2, 5}).name, "Bangladesh");
    EXPECT_STREQ(CountryAt({1, 7}).token, "Bosnia_Herz.");
    EXPECT_STREQ(CountryAt({1, 48}).token, "United_Kingdom");
    EXPECT_EQ(ParseRegion("1-001"), (Region{1, 1}));
    EXPECT_EQ(ParseRegion("6-054"), (Region{6, 54}));
    for (const char* bad : {"6-055", "7-001", "0-001", "1001", "1-0a1", ""})
        EXPECT_EQ(ParseRegion(bad), std::nullopt) << bad;
    int countries = 0;
    for (int continent = 1; continent <= Continents; ++continent) {
        EXPECT_STREQ(CountriesOf(continent)[0].name, "Unknown");
        countries += static_cast<int>(CountriesOf(continent).size()) - 1;
        for (const Country& country : CountriesOf(continent))
            EXPECT_EQ(std::string(country.token).find(' '), std::string::npos) << country.token;
    }
    EXPECT_EQ(countries, 225);
}

// Every country has its name in each language; a code that the ISO lists do
// not know would leave it English, which the Russian column shows.
TEST(Countries, NamesInTheTenLanguages) {
    const Country& germany = CountryAt({1, 16});
    EXPECT_EQ(CountryName(germany, LanguageIndex::English), "Germany");
    EXPECT_EQ(CountryName(germany, LanguageIndex::German), "Deutschland");
    EXPECT_EQ(CountryName(germany, LanguageIndex::Japanese), "ドイツ");
    // The game's own English names stay, whatever the ISO list calls them.
    EXPECT_EQ(CountryName(CountryAt({1, 40}), LanguageIndex::English), "Serbia-Montenegro");
    EXPECT_EQ(CountryName(CountryAt({1, 40}), LanguageIndex::Italian), "Serbia e Montenegro");
    EXPECT_EQ(CountryName(CountryAt({1, 0}), LanguageIndex::English), "Unknown");
    EXPECT_EQ(CountryName(CountryAt({1, 0}), LanguageIndex::German), "Unbekannt");
    for (int continent = 1; continent <= Continents; ++continent)
        for (const Country& country : CountriesOf(continent)) {
            EXPECT_NE(CountryName(country, LanguageIndex::Russian), country.name) << country.name;
            for (std::size_t language = 0; language < LanguageCount; ++language)
                EXPECT_FALSE(CountryName(country, static_cast<LanguageIndex>(language)).empty())
                    << country.name << " " << language;
        }
}

} // namespace
} // namespace tavlira
