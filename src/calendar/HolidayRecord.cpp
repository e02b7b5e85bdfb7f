#include "calendar/HolidayTable.h"

#include <vector>

namespace tavlira {
namespace {

constexpr std::size_t RuleLength = 10;
constexpr std::size_t CategoryLength = 3;
constexpr std::size_t PictureLength = 9;
// The rule, the category, the picture, ten names and the countries.
constexpr std::size_t FieldCount = 3 + LanguageCount + 1;

std::vector<std::string_view> Fields(std::string_view entry) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = entry.find('#', start);
        fields.push_back(entry.substr(start, end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

} // namespace

std::optional<Holiday> ParseHoliday(std::string_view entry) {
    const std::vector<std::string_view> fields = Fields(entry);
    if (fields.size() != FieldCount || fields[0].size() != RuleLength ||
        fields[1].size() != CategoryLength || fields[2].size() != PictureLength)
        return std::nullopt;
    const std::optional<DateRule> rule = ParseDateRule(fields[0]);
    if (!rule)
        return std::nullopt;
    Holiday holiday{fields[0], *rule, fields[1], fields[2], {}, fields.back()};
    for (std::size_t i = 0; i < LanguageCount; ++i) {
        if (fields[3 + i].empty())
            return std::nullopt;
        holiday.names[i] = fields[3 + i];
    }
    std::swap(holiday.names[static_cast<std::size_t>(LanguageIndex::English)],
              holiday.names[static_cast<std::size_t>(LanguageIndex::Russian)]);
    return holiday;
}

std::span<const Holiday> Holidays() {
    // An entry that does not read is left out; the tests read every one.
    static const std::vector<Holiday> holidays = [] {
        std::vector<Holiday> read;
        for (std::string_view entry : HolidayEntries)
            if (std::optional<Holiday> holiday = ParseHoliday(entry))
                read.push_back(*holiday);
        return read;
    }();
    return holidays;
}

} // namespace tavlira
