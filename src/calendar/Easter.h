#pragma once
// The two Easter dates every movable feast of the holiday table counts from,
// both as dates of the Gregorian calendar.

#include "calendar/CalendarDate.h"

namespace tavlira {

// The Western Easter: the Gregorian computus in Knuth's formulation.
Date WesternEaster(int year);

// The Orthodox Easter: Gauss's formula for the Julian calendar, moved to the
// Gregorian date by the distance between the two calendars in that year.
Date OrthodoxEaster(int year);

// Days the Julian calendar lags behind the Gregorian one from March of
// `year` on: 13 in 1900-2099, 14 in 2100-2199.
int JulianLag(int year);

} // namespace tavlira
