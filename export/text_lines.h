// Reading the small text files of the export formats the way they were always read:
// line by line, each line cut to 79 characters, words separated by blanks or tabs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exporting {

inline constexpr std::size_t MAX_LINE_LENGTH = 79;

// The file's lines without their line ends ("\n" or "\r\n"), each cut to 79
// characters; nullopt when the file cannot be opened or read.
std::optional<std::vector<std::string>> read_text_lines(const std::string& path);

std::vector<std::string_view> split_words(std::string_view line);

}  // namespace exporting
