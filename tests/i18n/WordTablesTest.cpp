#include "i18n/Words.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira {
namespace {

constexpr LanguageIndex AllLanguages[] = {
    LanguageIndex::English,  LanguageIndex::Russian, LanguageIndex::German,  LanguageIndex::French,
    LanguageIndex::Spanish,  LanguageIndex::Chinese, LanguageIndex::Italian, LanguageIndex::Czech,
    LanguageIndex::Japanese, LanguageIndex::Korean,
};

constexpr LanguageIndex WideLetterLanguages[] = {LanguageIndex::Chinese, LanguageIndex::Japanese,
                                                 LanguageIndex::Korean};

bool IsWideLetterLanguage(LanguageIndex language) {
    return std::find(std::begin(WideLetterLanguages), std::end(WideLetterLanguages), language) !=
           std::end(WideLetterLanguages);
}

// Code points of well-formed UTF-8; an empty result for malformed text.
std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80       ? 1
                           : lead >> 5 == 6  ? 2
                           : lead >> 4 == 14 ? 3
                           : lead >> 3 == 30 ? 4
                                             : 0;
        if (length == 0 || i + length > text.size()) {
            return {};
        }
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next >> 6 != 2) {
                return {};
            }
            point = point << 6 | (next & 0x3F);
        }
        out.push_back(point);
        i += length;
    }
    return out;
}

// Cells of a fixed-pitch font: Chinese, Japanese and Korean letters take two.
std::size_t Cells(std::string_view text) {
    std::size_t cells = 0;
    for (const char32_t point : DecodeUtf8(text)) {
        const bool wide =
            (point >= 0x1100 && point <= 0x115F) || (point >= 0x2E80 && point <= 0xA4CF) ||
            (point >= 0xAC00 && point <= 0xD7A3) || (point >= 0xF900 && point <= 0xFAFF) ||
            (point >= 0xFF00 && point <= 0xFF60);
        cells += wide ? 2 : 1;
    }
    return cells;
}

std::string Describe(const WordTable& table) {
    return std::string(table[LanguageIndex::English]);
}

TEST(WordTables, EveryTableHasTenWellFormedColumns) {
    ASSERT_FALSE(AllWordTables().empty());
    for (const WordTable* table : AllWordTables()) {
        for (const LanguageIndex language : AllLanguages) {
            const std::string_view text = (*table)[language];
            EXPECT_FALSE(text.empty())
                << Describe(*table) << " column " << static_cast<int>(language);
            EXPECT_FALSE(DecodeUtf8(text).empty()) << Describe(*table) << ": not UTF-8";
        }
    }
}

TEST(WordTables, RegistryHoldsEveryDeclaredTableOnce) {
    std::size_t declared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TAVLIRA_WORDS_DIR)) {
        std::ifstream file(entry.path());
        std::stringstream source;
        source << file.rdbuf();
        const std::string text = source.str();
        for (std::size_t at = text.find("constexpr WordTable "); at != std::string::npos;
             at = text.find("constexpr WordTable ", at + 1)) {
            ++declared;
        }
    }
    const auto all = AllWordTables();
    EXPECT_EQ(all.size(), declared);
    EXPECT_EQ(std::set<const WordTable*>(all.begin(), all.end()).size(), all.size());
}

// A line break is LF then CR, and a translation keeps every line break of the
// English text.
TEST(WordTables, LineBreaksAreLfCrAndKeptByEveryLanguage) {
    for (const WordTable* table : AllWordTables()) {
        const auto breaks = [](std::string_view text) {
            return std::count(text.begin(), text.end(), '\n');
        };
        for (const LanguageIndex language : AllLanguages) {
            const std::string_view text = (*table)[language];
            EXPECT_EQ(breaks(text), breaks((*table)[LanguageIndex::English])) << Describe(*table);
            EXPECT_EQ(breaks(text), std::count(text.begin(), text.end(), '\r')) << Describe(*table);
            for (std::size_t at = text.find('\n'); at != std::string_view::npos;
                 at = text.find('\n', at + 1)) {
                EXPECT_EQ(text.substr(at, 2), "\n\r") << Describe(*table);
            }
        }
    }
}

TEST(WordTables, ApostropheIsWrittenAsBackquote) {
    for (const WordTable* table : AllWordTables()) {
        for (const LanguageIndex language : AllLanguages) {
            const std::string_view text = (*table)[language];
            EXPECT_EQ(text.find('\''), std::string_view::npos) << text;
            EXPECT_EQ(text.find("\u2019"), std::string_view::npos) << text;
        }
    }
}

// A text that the caller joins with a value keeps its blank on that side in
// every language (a Chinese or Japanese text may end in a full-width colon,
// which carries its own space).
TEST(WordTables, BlanksForJoinedValuesAreKept) {
    for (const WordTable* table : AllWordTables()) {
        const std::string_view english = (*table)[LanguageIndex::English];
        for (const LanguageIndex language : AllLanguages) {
            const std::string_view text = (*table)[language];
            if (english.starts_with(' ')) {
                EXPECT_TRUE(text.starts_with(' ')) << text;
            }
            if (english.ends_with(' ')) {
                EXPECT_TRUE(text.ends_with(' ') || text.ends_with("\uFF1A")) << text;
            }
        }
    }
}

// Texts that stay the same in Chinese, Japanese and Korean: names, and texts
// that must fit the code page of the record files.
const std::set<const WordTable*>& NamesKeptInEnglish() {
    static const std::set<const WordTable*> names = {
        &words::GameTitle,
        &words::TitleScreenTitle,
        &words::TitleCreditLine,
        &words::DefaultPlayerName,
        &words::Qels,
    };
    return names;
}

TEST(WordTables, WideLetterColumnsAreTranslated) {
    for (const WordTable* table : AllWordTables()) {
        for (const LanguageIndex language : WideLetterLanguages) {
            if (NamesKeptInEnglish().contains(table)) {
                continue;
            }
            EXPECT_NE((*table)[language], (*table)[LanguageIndex::English])
                << Describe(*table) << " column " << static_cast<int>(language);
        }
    }
}

// The club headings are drawn in a fixed-pitch font above the member lines.
TEST(WordTables, ClubHeadingsHaveTheirFixedWidth) {
    for (const WordTable* heading : {&words::ClubHeadingScore, &words::ClubHeadingRating}) {
        for (const LanguageIndex language : AllLanguages) {
            const std::string_view text = (*heading)[language];
            if (IsWideLetterLanguage(language)) {
                EXPECT_EQ(Cells(text), 39u) << text;
                EXPECT_LT(DecodeUtf8(text).size(), 39u) << text;
            } else {
                EXPECT_EQ(DecodeUtf8(text).size(), 39u) << text;
            }
        }
    }
}

struct EnglishText {
    const WordTable* table;
    std::string_view english;
};

// English texts as the system's description quotes them, spelling, capitals,
// blanks and line breaks included.
const EnglishText QuotedEnglish[] = {
    {&words::GameTitle, "Tavlira-Duo"},
    {&words::NewPlayer, "New Player"},
    {&words::TopTen, "Top Ten"},
    {&words::ExitToMenu, "Exit to menu"},
    {&words::ToBegin, "To Begin"},
    {&words::NextGame, "Next game"},
    {&words::NoMove, "No move"},
    {&words::PointsOfCurrentRound, "Points of a current Round"},
    {&words::GeneralNumberOfGames, "General number of game:"},
    {&words::GameInCurrentCycle, "Number of round in a current cycle:"},
    {&words::GameInCurrentSession, "Number of round in a current session:"},
    {&words::ChangeName, "To change a name"},
    {&words::HelpNotInEnglish, "The file of the help is not translated to the English language."},
    {&words::LeaveToMainMenuQuestion, "You want to leave in the main menu?"},
    {&words::AllDataWillBeLost, "All datas for want of it will be lost!"},
    {&words::PleaseWait, "Please, wait..."},
    {&words::NameChanged, "Your name and/or the password were successfully changed!\n\rNew name: "},
    {&words::WaitingForServer, "Expectation of the server..."},
    {&words::ClubHeadingScore, " The members of club    Games    Score "},
    {&words::ClubHeadingRating, " The members of club    Games   Rating "},
    {&words::RepeatPasswordForCheck, "And once again for check..."},
    {&words::DefaultPlayerName, "Mr.X"},
    {&words::PasswordsDoNotMatch, "The passwords do not coincide!"},
    {&words::IncorrectIpAddress, "Incorrect IP-address!"},
    {&words::ServerCreatesGame, "Server create the game"},
    {&words::PressOkForMainMenu, "Press OK for exit to the main menu..."},
    {&words::HasInterruptedGame, "has interrupted game!"},
    {&words::TimeIsUp, "time is up!"},
    {&words::TakeThePlace, "Take the place of"},
    {&words::TableTakenFromYourIp, "This table is already occupied by a player with your IP!"},
    {&words::BestWindowsPlayer, "Best Windows Player: "},
    {&words::BestAccountPlayer, "The best player of games from under the account: "},
    {&words::ClubMembers, "Club members: "},
    {&words::EMail, "E-Mail:"},
    {&words::NickAlreadyTaken, "The club already has a player with the same Nick!"},
    {&words::PhotoFormatRequired, "The photo must be in jpg format 200x250 pixels in size!"},
    {&words::ProfileVisibleToMembers, "This information may be visible to other club members."},
    {&words::PeopleWonAgainstPc, "Winning people (game with PC)"},
    {&words::StatisticsSinceVersion, "This statistic is maintained since version 5.2"},
    {&words::WorldTopTenUnavailable, "World Top Ten Tournament is temporarily unavailable!"},
    {&words::FlyingCardsOption, "\"Fly\" cards"},
    {&words::ScalePercent, "Scale, %"},
    {&words::DelayBetweenFrames, "Delay between frames, msec."},
    {&words::FontsWarning,
     "Attention!\n\rThese installations should be changed only in case of incorrect map of fonts"},
    {&words::CantSaveOptions, "Can`t save options!"},
    {&words::ColourOrange, "Orang"},
    {&words::DeckSkatTournamentSuits, "Skat - Tournament suits"},
    {&words::CantFindTheFile, "Can`t find the file"},
    {&words::AttributeWarningEnd,
     " has incorrect attributes!\n\rThe work of the program will be incorrect!"},
    {&words::CantSaveHistory, "Cann`t save history!"},
    {&words::Congratulations, "CONGRATULATIONS!!!"},
    {&words::YourResultTheBest, "Your result - the best!"},
    {&words::EnteredTopTen, "You have hitted in top ten players!"},
    {&words::ResultLabel, "Result: "},
    {&words::PlaceLabel, "Place: "},
    {&words::BecomeVicePresident, "You become the Vice-President of the order!"},
    {&words::CantFind, "Can`t find "},
    {&words::CantCreateMusicFile, "Can`t create music file!"},
    {&words::QelInternetRadio, "Qel Internet-Radio"},
    {&words::RadioGermany, "Deutschland"},
    {&words::AnniversarySuffix, "-th anniversary"},
    {&words::YearOfTheRat, "Year Of The Rat"},
    {&words::OrthodoxHoliday, "The Orthodox holiday"},
    {&words::HolidayUnitedStates, "Holiday United States"},
    {&words::FragmentsThanks, "In the program many graphic, sound and musical fragments were "
                              "used.\n\rThank you to their authors."},
    {&words::HappyForFinancialSupport, "and we will be happy to get the financial support!"},
};

TEST(WordTables, EnglishColumnIsTheQuotedText) {
    for (const auto& [table, english] : QuotedEnglish) {
        EXPECT_EQ((*table)[LanguageIndex::English], english);
    }
}

} // namespace
} // namespace tavlira

namespace tavlira {
namespace {

// Columns that the description gives itself, in languages other than English.
TEST(WordTables, GivenColumnsAreKept) {
    EXPECT_EQ(words::SmallWindow[LanguageIndex::Russian], "Маленькое окно");
    EXPECT_EQ(words::Send[LanguageIndex::Russian], "Отправить");
    EXPECT_EQ(words::Refresh[LanguageIndex::Russian], "Обновить");
    EXPECT_EQ(words::UpdateInfo[LanguageIndex::Russian], "Обновить информацию");
    EXPECT_EQ(words::RefreshPhoto[LanguageIndex::Russian], "Обновить фото");
    EXPECT_EQ(words::Passport[LanguageIndex::Russian], "Личные данные");
    EXPECT_EQ(words::StatisticsSinceVersion[LanguageIndex::Russian],
              "Эта статистика ведется начиная с версии 5.2");
    EXPECT_EQ(words::CantSaveOptions[LanguageIndex::Japanese], "オプションを保存できません！");
    EXPECT_EQ(words::TopTen[LanguageIndex::Czech], "Šampioni");
    EXPECT_EQ(words::January[LanguageIndex::Russian], "января");
}

// The seven board headings are English in every language.
TEST(WordTables, BoardHeadingsAreEnglishOnly) {
    SetLanguage(LanguageIndex::Japanese);
    EXPECT_EQ(Text(words::WindowsLocalGamesWithPc), "WINDOWS. LOCAL GAMES WITH PC");
    SetLanguage(LanguageIndex::English);
    const std::string_view expected[] = {
        "ACCOUNT. RATING. ALL GAMES",
        "ACCOUNT. SCORE. GAMES IN CYCLE",
        "WINDOWS. SCORE. GAMES IN CYCLE",
        "ANDROID. SCORE. GAMES IN CYCLE",
        "WINDOWS. ONLINE TOURNAMENT",
        "WINDOWS. LOCAL GAMES WITH PC",
        "WINDOWS. NET GAMES",
    };
    ASSERT_EQ(std::size(words::BoardHeadings), std::size(expected));
    for (std::size_t board = 0; board < std::size(expected); ++board) {
        const EnglishOnlyHeading& heading = *words::BoardHeadings[board];
        EXPECT_EQ(Text(heading), expected[board]);
        for (const LanguageIndex language : AllLanguages) {
            if (language != LanguageIndex::English) {
                EXPECT_TRUE(heading.table[language].empty()) << expected[board];
            }
        }
    }
}

struct ListCase {
    std::span<const WordTable* const> list;
    std::size_t size;
    std::string_view first;
    std::string_view last;
};

// The lists of the options and radio dialogs, whose item index is a setting.
TEST(WordTables, ListsHaveTheirItemsInOrder) {
    const ListCase cases[] = {
        {words::DeckNames, 48, "Classical-1", "Czech"},
        {words::BackDesignNames, 13, "Classical-1", "Russian"},
        {words::BackgroundDesignNames, 10, "Sun", "Ornament"},
        {words::BackgroundColourNames, 7, "Green", "Violet"},
        {words::WindowSizeNames, 5, "Small window", "Large window"},
        {words::RadioCountryNames, 28, "Russian Federation", "South Korea"},
        {words::MonthNames, 12, "January", "December"},
        {words::ZodiacSigns, 12, "Aries", "Pisces"},
        {words::AnimalYears, 12, "Year Of The Rat", "Year Of The Pig"},
    };
    for (const auto& [list, size, first, last] : cases) {
        ASSERT_EQ(list.size(), size) << first;
        EXPECT_EQ((*list.front())[LanguageIndex::English], first);
        EXPECT_EQ((*list.back())[LanguageIndex::English], last);
    }
    EXPECT_EQ((*words::DeckNames[23])[LanguageIndex::English], "Medieval-2");
    EXPECT_EQ(words::BackDesignNames[2], &words::Medieval2);
    EXPECT_EQ(words::BackgroundDesignNames[4], words::BackDesignNames[3]);
    EXPECT_EQ((*words::RadioCountryNames[16])[LanguageIndex::English], "Deutschland");
}

TEST(WordTables, AnimalYearFollowsTheTwelveYearCycle) {
    EXPECT_EQ(&words::AnimalYearOf(2020), &words::YearOfTheRat);
    EXPECT_EQ(&words::AnimalYearOf(2031), &words::YearOfThePig);
    EXPECT_EQ(&words::AnimalYearOf(2026), &words::YearOfTheHorse);
    EXPECT_EQ(&words::AnimalYearOf(2016), &words::YearOfTheMonkey);
    EXPECT_EQ(&words::AnimalYearOf(1900), &words::YearOfTheRat);
}

TEST(WordTables, HolidayCategoryTagsHaveNames) {
    EXPECT_EQ(words::HolidayCategoryName("ENG"), &words::HolidayUk);
    EXPECT_EQ(words::HolidayCategoryName("KAT"), &words::CatholicFeast);
    EXPECT_EQ(words::HolidayCategoryName("ALL"), nullptr);
    EXPECT_EQ(words::HolidayCategoryName(""), nullptr);
    EXPECT_EQ(words::HolidayCategoryName("XYZ"), nullptr);
}

} // namespace
} // namespace tavlira
