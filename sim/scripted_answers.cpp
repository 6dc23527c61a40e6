#include "sim/scripted_answers.h"

#include <algorithm>

#include "sim/dispatcher.h"

namespace tarvolux::sim {

void ScriptedAnswers::add(std::string_view pattern, std::string text, int times) {
    if (times <= 0) return;
    scripts_.push_back({Dispatcher::expand(pattern), std::move(text), times});
}

void ScriptedAnswers::set_override(std::string_view pattern, std::string text) {
    std::vector<std::string> spellings = Dispatcher::expand(pattern);
    std::erase_if(scripts_,
                  [&](const Script& s) { return s.remaining < 0 && s.spellings == spellings; });
    scripts_.push_back({std::move(spellings), std::move(text), -1});
}

void ScriptedAnswers::clear() {
    scripts_.clear();
}

bool ScriptedAnswers::matches(const Script& script, const std::string& header) {
    return std::find(script.spellings.begin(), script.spellings.end(), header) !=
           script.spellings.end();
}

std::optional<std::string> ScriptedAnswers::take(std::string_view header) {
    if (scripts_.empty()) return std::nullopt;
    const std::string key = Dispatcher::normalize(header);
    for (auto it = scripts_.begin(); it != scripts_.end(); ++it) {
        if (it->remaining > 0 && matches(*it, key)) {
            std::string text = it->text;
            if (--it->remaining == 0) scripts_.erase(it);
            return text;
        }
    }
    for (auto it = scripts_.rbegin(); it != scripts_.rend(); ++it) {
        if (it->remaining < 0 && matches(*it, key)) return it->text;
    }
    return std::nullopt;
}

}  // namespace tarvolux::sim
