// Finds the handler of a command header. Handlers are registered with patterns in
// SCPI notation, so one entry covers every spelling an instrument accepts:
//   - the upper-case part of a keyword is its short form, the whole keyword its long
//     form ("STATus" matches STAT and STATUS), in any mix along the path;
//   - a keyword in brackets may be left out ("[SENSe]:FRESistance:MODE");
//   - '|' separates further spellings, for abbreviations outside the SCPI rules that
//     the instrument knows as well ("STATus:OPERation:CONDition?|S:O:C?").
// Matching ignores case and a leading colon.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarvolux::sim {

class Request;
using Handler = std::function<void(Request&)>;

class Dispatcher {
  public:
    // Throws std::logic_error when a spelling is taken already: two groups claiming
    // the same command is a programming error that must not go unnoticed.
    void add(std::string_view pattern, Handler handler);
    const Handler* find(std::string_view header) const;

    // Every spelling a pattern stands for, in upper case.
    static std::vector<std::string> expand(std::string_view pattern);
    // A header as the table keys it: upper case, without a leading colon.
    static std::string normalize(std::string_view header);

  private:
    std::unordered_map<std::string, Handler> handlers_;
};

// A table entry of a command group: pattern and member function.
template <class Group>
struct CommandSpec {
    const char* pattern;
    void (Group::*handler)(Request&);
};

template <class Group, std::size_t N>
void add_commands(Dispatcher& dispatcher, Group& group, const CommandSpec<Group> (&table)[N]) {
    for (const CommandSpec<Group>& entry : table) {
        dispatcher.add(entry.pattern,
                       [&group, handler = entry.handler](Request& r) { (group.*handler)(r); });
    }
}

}  // namespace tarvolux::sim
