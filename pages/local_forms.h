#pragma once

// How each language of our pages writes numbers, dates, durations and bands.
// Both group the digits of numbers from four digits on, so that the numbers
// of a table's column line up: Russian with a narrow no-break space
// ("10 220"), English with a comma ("10,220"). Russian writes dates as
// 18.02.2024, English as 2024-02-18. Results are UTF-8, not yet escaped.

#include <string>
#include <string_view>

#include "logs/text/report_language.h"

namespace pages {

std::string GroupedNumber(long long value, logs::ReportLanguage language);

// The date of the calendar day given by its year, month (1..12) and day.
std::string LocalDate(int year, int month, int day, logs::ReportLanguage language);

// A length of time in whole minutes: "3 ч 07 мин", "3 h 07 min", "25 min".
std::string LocalDuration(long long seconds, logs::ReportLanguage language);

// A band as the host names it, with its unit after a no-break space: "160" as
// "160 м" or "160 m", "70cm" as "70 см" or "70 cm"; any other name as it is. The name is bytes of
// the plug-in's world (see DisplayUtf8).
std::string BandLabel(std::string_view hostBand, logs::ReportLanguage language);

}  // namespace pages
