#include "ui/glob.h"

#include <cstdio>
#include <cstring>

#include "ui/ui.h"

namespace {

TimeSource time_source = nullptr;

std::string two_digit_fields(const char* format, int a, int b, int c) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

}  // namespace

int LG_ConfirmPopup(const std::string& title, const std::string& message) {
    return ui::confirm(title, message) ? 1 : 2;
}

std::string get_date(const CalendarTime& t) {
    int day = t.tm_mday <= 0 ? 1 : t.tm_mday;
    return two_digit_fields("%02d.%02d.%04d", day, t.tm_mon + 1, t.tm_year);
}

std::string get_time(const CalendarTime& t) {
    return two_digit_fields("%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
}

CalendarTime* t_now(CalendarTime* t) {
    if (!t) return nullptr;
    std::time_t now = time_source ? time_source() : std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    tm_Copy(t, &local);
    t->tm_year += 1900;
    return t;
}

CalendarTime* tm_Copy(CalendarTime* destination, const CalendarTime* source) {
    if (!destination || !source) return nullptr;
    *destination = *source;
    return destination;
}

CalendarTime* tm_Copy(CalendarTime* destination, const std::tm* source) {
    if (!destination || !source) return nullptr;
    *destination = CalendarTime{source->tm_sec,  source->tm_min,  source->tm_hour,
                                source->tm_mday, source->tm_mon,  source->tm_year,
                                source->tm_wday, source->tm_yday, source->tm_isdst};
    return destination;
}

char* strtrans(char* text, char from, char to) {
    for (char* p = text; p && *p; ++p)
        if (*p == from) *p = to;
    return text;
}

std::string& strtrans(std::string& text, char from, char to) {
    for (char& c : text)
        if (c == from) c = to;
    return text;
}

char* str_kill_space(char* text) {
    if (!text) return text;
    std::size_t length = std::strlen(text);
    while (length > 0 && text[length - 1] == ' ') --length;
    std::size_t start = 0;
    while (start < length && text[start] == ' ') ++start;
    std::memmove(text, text + start, length - start);
    text[length - start] = '\0';
    return text;
}

std::string& str_kill_space(std::string& text) {
    std::size_t end = text.find_last_not_of(' ');
    if (end == std::string::npos) {
        text.clear();
        return text;
    }
    text.erase(end + 1);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

void set_time_source(TimeSource source) {
    time_source = source;
}
