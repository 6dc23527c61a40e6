// The instrument as the driver's RS-232 layer expects it, answering each query with the
// next of a list of answer lines: what harnesses that feed the driver arbitrary answers
// put behind the fake line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

class AnsweringInstrument {
  public:
    explicit AnsweringInstrument(std::vector<std::string> answers) : answers_(std::move(answers)) {}

    // Acknowledges every command block; an answer request gets the next line framed as
    // one block, or EOT when the lines are used up.
    std::string respond(std::string_view written);

    bool exhausted() const { return next_ >= answers_.size(); }

  private:
    std::vector<std::string> answers_;
    std::size_t next_ = 0;
};

// The lines of `data`, split at LF (the last one may be empty).
std::vector<std::string> split_lines(std::string_view data);

}  // namespace fuzz
