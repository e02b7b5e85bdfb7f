#pragma once
// Every text the system shows exists in ten languages as one constant word
// table, compiled into the program: there are no language files and no
// fallback chain. Switching the language changes only the current column.
//
// Conventions inside the tables: a line break is LF then CR ("\n\r"), the
// apostrophe is written as a backquote ("Can`t"), and a text that the caller
// joins with a value keeps its leading or trailing blank ("Result: ").

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavlira {

// The column of a word table; also the item index of the options dialog's
// language list and the digit stored in the settings file.
enum class LanguageIndex : std::uint8_t {
    English,
    Russian,
    German,
    French,
    Spanish,
    Chinese,
    Italian,
    Czech,
    Japanese,
    Korean,
};

inline constexpr std::size_t LanguageCount = 10;

// The language of a list index or stored digit; none outside 0..9.
constexpr std::optional<LanguageIndex> LanguageAt(int index) {
    if (index < 0 || index >= static_cast<int>(LanguageCount)) {
        return std::nullopt;
    }
    return static_cast<LanguageIndex>(index);
}

// One text in the ten languages, UTF-8, in the column order of LanguageIndex.
struct WordTable {
    std::array<std::string_view, LanguageCount> columns;

    constexpr std::string_view operator[](LanguageIndex language) const {
        return columns[static_cast<std::size_t>(language)];
    }
};

// A heading that has the shape of a word table but one text only, in the
// first slot: it is shown in English whatever the language.
struct EnglishOnlyHeading {
    WordTable table; // not "slots", which Qt reserves as a keyword
};

// The language every caption is built in.
LanguageIndex CurrentLanguage();

// Only three places change the language: the settings loader, the start
// screen's check of the club file and the options dialog's language list.
void SetLanguage(LanguageIndex language);

// The text of `table` in the current language.
std::string_view Text(const WordTable& table);

// The one text of an English-only heading, whatever the language.
constexpr std::string_view Text(const EnglishOnlyHeading& heading) {
    return heading.table[LanguageIndex::English];
}

// The items of the options dialog's language list, each in its own language.
inline constexpr std::array<std::string_view, LanguageCount> LanguageNames{
    "English", "Русский",  "Deutsche", "Français", "Español",
    "中文",    "Italiano", "Čeština",  "日本",     "한국인",
};

// The three-letter code of each language where it names a resource, such as
// the spoken card names.
inline constexpr std::array<std::string_view, LanguageCount> LanguageCodes{
    "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor",
};

// The suffix of the localized pictures ("Cap" + suffix). Japanese and Korean
// have no pictures of their own and use the English ones.
inline constexpr std::array<std::string_view, LanguageCount> LanguageSuffix{
    "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Eng", "Eng",
};

// The ISO 639-1 code of each language, as command lines name them.
inline constexpr std::array<std::string_view, LanguageCount> LanguageIsoCodes{
    "en", "ru", "de", "fr", "es", "zh", "it", "cs", "ja", "ko",
};

// The language of an ISO code ("ru"); none for any other text.
constexpr std::optional<LanguageIndex> LanguageOfIsoCode(std::string_view code) {
    for (std::size_t i = 0; i < LanguageCount; ++i)
        if (LanguageIsoCodes[i] == code)
            return static_cast<LanguageIndex>(i);
    return std::nullopt;
}

} // namespace tavlira
