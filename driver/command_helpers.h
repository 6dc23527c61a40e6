// The building blocks of the command groups: argument checks, command sequences that
// stop at the first failure, and queries whose answers are mapped into the caller's
// outputs. Not part of the public interface.
//
// Every query helper returns the message layer's status; on success it maps the answer
// into its output, and an answer that does not map leaves the output as it was.
// Outputs may be null: the query is still made, nothing is stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zk7416 {

// Runs the steps in order; the first non-zero status ends the run and is returned.
using Step = std::function<int32_t()>;
int32_t run_steps(std::initializer_list<Step> steps);

// Sends the commands in order, stopping at the first failure.
int32_t send_all(int32_t handle, std::initializer_list<std::string_view> commands);

// A command or query line formatted printf-style, numbers always with a decimal point.
// A real number written with "%f" reads back as the same double: six decimals where
// they suffice (the text is "%f"'s), more where they do not, never an exponent.
std::string line(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Formats a command with line() and sends it; the message layer refuses (230, nothing
// sent) a command too long for its buffers.
int32_t send_formatted(int32_t handle, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Argument checks. Each stores the code in zk7416_status and returns false when the
// argument is out of range.
// Flags 0-1, checked in the order given, the first with `first_code`, the next with
// first_code - 1, and so on.
bool flags_valid(std::initializer_list<int32_t> flags, int32_t first_code);
// A text of at most `max_length` characters; a null text is refused as well.
bool text_fits(const char* text, std::size_t max_length, int32_t code);

// The instrument takes no blanks inside names and labels: they become underscores, in
// the caller's buffer. With `keep_last` the last character is left as it is.
void replace_blanks(char* text, bool keep_last);

// The answer to `query` (without its line end).
int32_t ask(int32_t handle, std::string_view query, std::string& answer);

// Leading decimal integer / leading real number of the answer.
int32_t query_int(int32_t handle, std::string_view query, int32_t* out);
int32_t query_double(int32_t handle, std::string_view query, double* out);

// The answer compared whole, ignoring letter case, with each keyword in turn: a match
// stores its index. No match stores `otherwise`, or leaves the output unchanged when
// `otherwise` is kUnchanged.
constexpr int32_t kUnchanged = INT32_MIN;
int32_t query_keyword(int32_t handle, std::string_view query, int32_t* out,
                      std::initializer_list<const char*> keywords, int32_t otherwise = kUnchanged);

// The first word of the answer / the whole answer, into a caller's buffer of `size`
// bytes (never more, whatever the instrument sends).
int32_t query_word(int32_t handle, std::string_view query, char* out, std::size_t size);
int32_t query_text(int32_t handle, std::string_view query, char* out, std::size_t size);

// Comma-separated numbers, one per output in order. Reading stops at the first field
// that holds no number; the outputs from there on stay unchanged.
int32_t query_int_fields(int32_t handle, std::string_view query,
                         std::initializer_list<int32_t*> outs);
int32_t query_double_fields(int32_t handle, std::string_view query,
                            std::initializer_list<double*> outs, std::size_t field_width = 0);

// Stores through an output pointer the caller may have left null.
template <class T>
void store(T* out, T value) {
    if (out) *out = value;
}

}  // namespace zk7416
