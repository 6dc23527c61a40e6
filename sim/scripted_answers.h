// Answers a test puts in place of the model's, so a driver test can feed odd answers
// (lower-case keywords, "C0", garbage) without bending the model: "answer the next N
// queries with this header with this text", or an override that holds until cleared.
// The model still carries the command out; only its answer is replaced. Headers are
// given in the dispatcher's notation, so one script covers every spelling.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolux::sim {

class ScriptedAnswers {
  public:
    // Queued behind earlier scripts of the same header.
    void add(std::string_view pattern, std::string text, int times);
    // Replaces an earlier override of the same header; a queued script goes first.
    void set_override(std::string_view pattern, std::string text);
    void clear();

    // The answer to give for this header instead of the model's; uses up one shot.
    std::optional<std::string> take(std::string_view header);

  private:
    struct Script {
        std::vector<std::string> spellings;
        std::string text;
        int remaining;  // negative for an override
    };

    static bool matches(const Script& script, const std::string& header);

    std::vector<Script> scripts_;
};

}  // namespace tarvolux::sim
