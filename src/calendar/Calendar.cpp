#include "calendar/Calendar.h"

#include "i18n/words/Calendar.h"

#include <array>

namespace tavlira {
namespace {

constexpr std::string_view ProgrammersDay = "День программиста";

std::string Joined(std::string_view a, std::string_view b) {
    std::string text(a);
    text += b;
    return text;
}

} // namespace

std::optional<Date> HolidayDate(const Holiday& holiday, int year) {
    if (holiday.names[static_cast<std::size_t>(LanguageIndex::Russian)] == ProgrammersDay)
        return AddDays({year, 1, 1}, 255);
    return ResolveDateRule(holiday.rule, year);
}

std::vector<const Holiday*> HolidaysOn(const Date& date) {
    std::vector<const Holiday*> found;
    for (const Holiday& holiday : Holidays())
        if (HolidayDate(holiday, date.year) == date)
            found.push_back(&holiday);
    return found;
}

std::string HolidayHint(const Holiday& holiday, int year, LanguageIndex language) {
    std::string years;
    if (const auto* fixed = std::get_if<FixedDay>(&holiday.rule);
        fixed && fixed->originYear != 0 && year > fixed->originYear)
        years = std::to_string(year - fixed->originYear) +
                std::string(words::AnniversarySuffix[language]);
    const WordTable* category = words::HolidayCategoryName(holiday.category);
    std::string hint(holiday.names[static_cast<std::size_t>(language)]);
    if (years.empty() && !category)
        return hint;
    hint += " (" + years;
    if (!years.empty() && category)
        hint += ", ";
    if (category)
        hint += (*category)[language];
    return hint + ")";
}

std::string MonthPicture(int month) {
    return (month < 10 ? "R_0" : "R_") + std::to_string(month);
}

std::string_view YearSignPicture(int year) {
    constexpr std::array<std::string_view, 12> signs{
        "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0", "R_VOSKRIS", "R_VOSBULL",
        "R_VOSTIGR", "R_VOSRABB", "R_VOSDRAG", "R_VOSSNAK", "R_VOSHORS", "R_VOSKOZA"};
    return signs[static_cast<std::size_t>((year % 12 + 12) % 12)];
}

const WordTable& ZodiacSignOf(int month, int day) {
    // The day of each month on which the next sign begins: Aquarius on
    // 20 January, Pisces on 19 February ... Capricorn on 22 December.
    constexpr std::array<int, 12> firstDay{20, 19, 21, 20, 21, 21, 23, 23, 23, 23, 22, 22};
    // Counted from Aquarius, the sign that begins in January: before its
    // first day a month still has the sign that began the month before.
    const int fromAquarius =
        day >= firstDay[static_cast<std::size_t>(month - 1)] ? month - 1 : month - 2;
    // words::ZodiacSigns starts at Aries, two signs after Aquarius.
    return *words::ZodiacSigns[static_cast<std::size_t>((fromAquarius + 10) % 12)];
}

std::string DateText(const Date& date, LanguageIndex language) {
    const std::string_view month = (*words::MonthNames[date.month - 1])[language];
    const std::string day = std::to_string(date.day);
    switch (language) {
    case LanguageIndex::English:
        return Joined(month, " " + day);
    case LanguageIndex::German:
    case LanguageIndex::Czech:
        return day + ". " + std::string(month);
    case LanguageIndex::Chinese:
    case LanguageIndex::Japanese:
        return Joined(month, day + "日");
    case LanguageIndex::Korean:
        return Joined(month, " " + day + "일");
    default:
        return day + " " + std::string(month);
    }
}

CalendarDay CalendarFor(const Date& date, LanguageIndex language) {
    CalendarDay day;
    day.date = date;
    day.sunday = Weekday(date) == 1;
    day.monthName = (*words::MonthNames[date.month - 1])[language];
    day.today = {MonthPicture(date.month),
                 DateText(date, language) + ", " +
                     std::string(ZodiacSignOf(date.month, date.day)[language])};
    day.yearSign = {std::string(YearSignPicture(date.year)),
                    std::string(words::AnimalYearOf(date.year)[language])};
    for (const Holiday* holiday : HolidaysOn(date))
        day.holidays.push_back(
            {std::string(holiday->picture), HolidayHint(*holiday, date.year, language)});
    return day;
}

} // namespace tavlira
