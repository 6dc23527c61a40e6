#include "sim/dispatcher.h"

#include <cctype>
#include <stdexcept>

namespace tarvolux::sim {

namespace {

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string_view strip_colon(std::string_view text) {
    if (!text.empty() && text.front() == ':') text.remove_prefix(1);
    return text;
}

// The spellings of one keyword: short and long form, and "" for an optional one.
std::vector<std::string> keyword_forms(std::string_view keyword) {
    std::vector<std::string> forms;
    const bool optional = keyword.size() >= 2 && keyword.front() == '[' && keyword.back() == ']';
    if (optional) {
        keyword = keyword.substr(1, keyword.size() - 2);
        forms.emplace_back();
    }
    std::string_view suffix;
    if (!keyword.empty() && keyword.back() == '?') {
        suffix = "?";
        keyword.remove_suffix(1);
    }
    std::size_t short_len = 0;
    while (short_len < keyword.size() &&
           !std::islower(static_cast<unsigned char>(keyword[short_len])))
        ++short_len;
    forms.push_back(upper(keyword) + std::string(suffix));
    if (short_len < keyword.size())
        forms.push_back(upper(keyword.substr(0, short_len)) + std::string(suffix));
    return forms;
}

void expand_path(const std::vector<std::string_view>& keywords, std::size_t index,
                 const std::string& prefix, std::vector<std::string>& out) {
    if (index == keywords.size()) {
        out.push_back(prefix);
        return;
    }
    for (const std::string& form : keyword_forms(keywords[index])) {
        if (form.empty()) {
            expand_path(keywords, index + 1, prefix, out);
        } else {
            expand_path(keywords, index + 1, prefix.empty() ? form : prefix + ":" + form, out);
        }
    }
}

}  // namespace

std::vector<std::string> Dispatcher::expand(std::string_view pattern) {
    std::vector<std::string> spellings;
    for (;;) {
        const std::size_t bar = pattern.find('|');
        std::string_view alternative = strip_colon(pattern.substr(0, bar));
        std::vector<std::string_view> keywords;
        for (;;) {
            const std::size_t colon = alternative.find(':');
            keywords.push_back(alternative.substr(0, colon));
            if (colon == std::string_view::npos) break;
            alternative.remove_prefix(colon + 1);
        }
        expand_path(keywords, 0, "", spellings);
        if (bar == std::string_view::npos) break;
        pattern.remove_prefix(bar + 1);
    }
    return spellings;
}

void Dispatcher::add(std::string_view pattern, Handler handler) {
    for (std::string& spelling : expand(pattern)) {
        if (spelling.empty()) throw std::logic_error("empty command spelling");
        if (!handlers_.emplace(spelling, handler).second)
            throw std::logic_error("command registered twice: " + spelling);
    }
}

std::string Dispatcher::normalize(std::string_view header) {
    return upper(strip_colon(header));
}

const Handler* Dispatcher::find(std::string_view header) const {
    const auto it = handlers_.find(normalize(header));
    return it == handlers_.end() ? nullptr : &it->second;
}

}  // namespace tarvolux::sim
