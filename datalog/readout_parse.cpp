#include "datalog/readout_parse.h"

namespace datalog {

namespace {

constexpr int FIELDS_PER_RECORD = 8;

std::vector<std::string_view> comma_fields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        fields.push_back(
            text.substr(start, comma == std::string_view::npos ? text.npos : comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::string joined(const std::vector<std::string_view>& fields, std::size_t first,
                   std::size_t count, char separator) {
    std::string text;
    for (std::size_t i = first; i < first + count; ++i) {
        if (i > first) text += separator;
        text += fields[i];
    }
    return text;
}

bool digits(std::string_view text, std::size_t lowest, std::size_t highest) {
    if (text.size() < lowest || text.size() > highest) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::optional<std::vector<std::string_view>> split_values(std::string_view answer, int count) {
    if (count <= 0 || answer.empty()) return std::nullopt;
    std::vector<std::string_view> fields = comma_fields(answer);
    if (fields.size() != static_cast<std::size_t>(count)) return std::nullopt;
    return fields;
}

std::optional<std::vector<StoredRecord>> split_records(std::string_view answer, int count) {
    if (count <= 0 || answer.empty()) return std::nullopt;
    std::vector<std::string_view> fields = comma_fields(answer);
    if (fields.size() != static_cast<std::size_t>(count) * FIELDS_PER_RECORD) return std::nullopt;
    std::vector<StoredRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (std::size_t first = 0; first < fields.size(); first += FIELDS_PER_RECORD) {
        records.push_back({std::string(fields[first]), joined(fields, first + 1, 3, '.'),
                           joined(fields, first + 4, 4, ':')});
    }
    return records;
}

void widen_year(std::string& date) {
    std::size_t first_dot = date.find('.');
    if (first_dot == std::string::npos) return;
    std::size_t second_dot = date.find('.', first_dot + 1);
    if (second_dot == std::string::npos) return;
    std::string_view text(date);
    if (!digits(text.substr(0, first_dot), 1, 2) ||
        !digits(text.substr(first_dot + 1, second_dot - first_dot - 1), 1, 2) ||
        !digits(text.substr(second_dot + 1), 2, 2))
        return;
    date.insert(second_dot + 1, date[second_dot + 1] == '9' ? "19" : "20");
}

}  // namespace datalog
