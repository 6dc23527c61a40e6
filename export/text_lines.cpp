#include "export/text_lines.h"

#include <cstdio>

namespace exporting {

std::optional<std::vector<std::string>> read_text_lines(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string text;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
    bool failed = std::ferror(file) != 0;  // a folder opens, but reading it fails
    std::fclose(file);
    if (failed) return std::nullopt;

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > MAX_LINE_LENGTH) line.resize(MAX_LINE_LENGTH);
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string_view> split_words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while ((i = line.find_first_not_of(" \t", i)) != std::string_view::npos) {
        std::size_t end = line.find_first_of(" \t", i);
        if (end == std::string_view::npos) end = line.size();
        words.push_back(line.substr(i, end - i));
        i = end;
    }
    return words;
}

}  // namespace exporting
