#include "i18n/Words.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
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

// English texts as the system's description quotes them.
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
    {&words::BestWindowsPlayer, "Best Windows Player: "},
    {&words::ClubMembers, "Club members: "},
    {&words::RepeatPasswordForCheck, "And once again for check..."},
    {&words::DefaultPlayerName, "Mr.X"},
    {&words::PasswordsDoNotMatch, "The passwords do not coincide!"},
    {&words::ClubHeadingScore, " The members of club    Games    Score "},
    {&words::ClubHeadingRating, " The members of club    Games   Rating "},
};

TEST(WordTables, EnglishColumnIsTheQuotedText) {
    for (const auto& [table, english] : QuotedEnglish) {
        EXPECT_EQ((*table)[LanguageIndex::English], english);
    }
}

} // namespace
} // namespace tavlira
