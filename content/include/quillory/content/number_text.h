#pragma once

#include <cstdint>
#include <string>

namespace quillory {

// A value rounded to one decimal place, halves to even, written with a dot and without trailing
// zeros: 31.25 gives "31.2", 66.666... gives "66.7", 100 gives "100", 87.5 gives "87.5".
std::string OneDecimalText(double value);

// The percentage score / total × 100 in that form; the caller makes sure total is above 0.
std::string PercentText(int score, int total);

// Time taken as hours:minutes:seconds without leading zeros ("0:7:5"); the hours run to 23.
std::string TimeTakenText(std::int64_t seconds);

// A date as the short date the result files keep: day/month/four-digit year, "30/12/2005".
std::string ShortDateText(int day, int month, int year);

}  // namespace quillory
