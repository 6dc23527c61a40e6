// Small helpers every dialog, the export and the measurement code share: the yes/no
// question, date and time texts, and two in-place string edits.
#pragma once

#include <ctime>
#include <string>

// Broken-down calendar time, the nine fields of the C library's record in its order.
// A record filled by t_now holds the full year (2003, not 103).
struct CalendarTime {
    int tm_sec;
    int tm_min;
    int tm_hour;
    int tm_mday;
    int tm_mon;  // 0 to 11
    int tm_year;
    int tm_wday;
    int tm_yday;
    int tm_isdst;
};

// Two-button question "Ja"/"Nein" ("Ja" has the focus and answers Enter, Escape answers
// "Nein"). Returns 1 for "Ja", 2 for "Nein".
int LG_ConfirmPopup(const std::string& title, const std::string& message);

// "dd.mm.yyyy"; a day of month of 0 or less is written as 1. Returned by value, so two
// dates can be held at once.
std::string get_date(const CalendarTime& t);
// "hh:mm:ss".
std::string get_time(const CalendarTime& t);

// Fills `t` with the current local time (full year) and returns it; nullptr for nullptr.
CalendarTime* t_now(CalendarTime* t);
// Copies all nine fields; nullptr (copying nothing) if either record is nullptr.
CalendarTime* tm_Copy(CalendarTime* destination, const CalendarTime* source);
CalendarTime* tm_Copy(CalendarTime* destination, const std::tm* source);

// Replaces every `from` by `to`, in place.
char* strtrans(char* text, char from, char to);
std::string& strtrans(std::string& text, char from, char to);

// Removes leading and trailing blanks (the space character only), in place.
char* str_kill_space(char* text);
std::string& str_kill_space(std::string& text);

// Where t_now takes "now" from; nullptr restores the system clock. Lets a test pin the
// dates and times written into export files.
using TimeSource = std::time_t (*)();
void set_time_source(TimeSource source);
