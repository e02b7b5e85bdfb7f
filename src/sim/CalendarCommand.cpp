#include "sim/CalendarCommand.h"

#include "calendar/Calendar.h"
#include "calendar/Easter.h"
#include "sim/Arguments.h"

namespace tavlira::sim {

void CalendarCommand(const std::vector<std::string>& args, std::ostream& out) {
    const Arguments a(args, {"date", "language"}, {});
    const std::optional<Date> date = ParseIsoDate(a.Text("date"));
    if (!date)
        throw UsageError("the date is YYYY-MM-DD, not '" + a.Text("date") + "'");
    std::optional<LanguageIndex> language = LanguageIndex::English;
    if (a.Has("language")) {
        language = LanguageOfIsoCode(a.Text("language"));
        if (!language)
            throw UsageError("unknown language '" + a.Text("language") + "'");
    }
    out << "western.easter=" << IsoDate(WesternEaster(date->year)) << '\n'
        << "orthodox.easter=" << IsoDate(OrthodoxEaster(date->year)) << '\n';
    for (const Holiday* holiday : HolidaysOn(*date))
        out << "holiday=" << HolidayHint(*holiday, date->year, *language) << '\n';
}

} // namespace tavlira::sim
