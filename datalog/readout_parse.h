// Taking apart the instrument's answers to the datalogger's block reads. An answer is
// accepted only when it has exactly the fields asked for; anything else is not data.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace datalog {

// Values per "DA?" request and stored records (value, date, time) per "DV?" request.
inline constexpr int VALUES_PER_REQUEST = 20;
inline constexpr int RECORDS_PER_REQUEST = 7;

// The `count` value texts of a values-only answer, or nullopt when it does not hold
// exactly `count` comma-separated fields.
std::optional<std::vector<std::string_view>> split_values(std::string_view answer, int count);

struct StoredRecord {
    std::string value;
    std::string date;  // day.month.year, as the instrument wrote the numbers
    std::string time;  // hour:minute:second:hundredths
};

// The `count` records of an answer with date and time. Each record is eight comma
// fields: the value, day, month and year, then four time fields. The fields are taken
// by their commas, never by position, so a year of two or four digits cannot shift the
// records behind it. nullopt when the answer does not hold exactly 8 x count fields.
std::optional<std::vector<StoredRecord>> split_records(std::string_view answer, int count);

// The older firmware writes the year with two digits. A well-formed date of that kind
// ("d.m.yy", day and month one or two digits) gets its century: 19 for a year
// beginning with 9, 20 otherwise ("31.12.98" -> "31.12.1998", "01.01.05" ->
// "01.01.2005"). Any other text is left as it is.
void widen_year(std::string& date);

}  // namespace datalog
