#include "calendar/Easter.h"

namespace tavlira {

Date WesternEaster(int year) {
    const int golden = year % 19 + 1;
    const int century = year / 100 + 1;
    const int skippedLeapDays = 3 * century / 4 - 12;
    const int moonCorrection = (8 * century + 5) / 25 - 5;
    const int sunday = 5 * year / 4 - skippedLeapDays - 10;
    int epact = (11 * golden + 20 + moonCorrection - skippedLeapDays) % 30;
    if ((epact == 25 && golden > 11) || epact == 24)
        ++epact;
    int fullMoon = 44 - epact;
    if (fullMoon < 21)
        fullMoon += 30;
    const int n = fullMoon + 7 - (sunday + fullMoon) % 7;
    return n > 31 ? Date{year, 4, n - 31} : Date{year, 3, n};
}

int JulianLag(int year) {
    // Each century year not divisible by 400 is a leap year of the Julian
    // calendar only; the lag grows by one after its 28 February.
    const int hundreds = year / 100;
    return hundreds - hundreds / 4 - 2;
}

Date OrthodoxEaster(int year) {
    const int d = (19 * (year % 19) + 15) % 30;
    const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d + 6) % 7;
    // The (22 + d + e)th of March of the Julian calendar; the Gregorian
    // calendar names that day JulianLag days later.
    return AddDays({year, 3, 1}, 21 + d + e + JulianLag(year));
}

} // namespace tavlira
