// Reading the instrument's answers: leading numbers, words, comma fields, and the
// case-insensitive keyword comparisons the getters map answers with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <locale.h>

namespace zk7416 {

// Numbers on the wire always use a decimal point. A program that switched its process
// locale to the operator's (a German desktop writes "12,5") must not change what the
// driver sends or how it reads answers, so number conversions run inside this scope,
// which switches the calling thread to the "C" locale for its lifetime.
class ClassicNumberScope {
  public:
    ClassicNumberScope();
    ~ClassicNumberScope();
    ClassicNumberScope(const ClassicNumberScope&) = delete;
    ClassicNumberScope& operator=(const ClassicNumberScope&) = delete;

  private:
    locale_t previous_;
};

// Leading decimal integer after optional blanks and sign ("%i" of an answer). False,
// and `out` untouched, when the text does not begin with one.
bool parse_leading_int(std::string_view text, int32_t& out);
// Leading hexadecimal integer (digits 0-9, a-f, A-F).
bool parse_leading_hex(std::string_view text, int32_t& out);
// Leading real number as strtod reads it in the "C" locale. `length`, when given,
// receives the number of characters the number took (blanks before it included).
bool parse_leading_double(std::string_view text, double& out, std::size_t* length = nullptr);
// The first blank-delimited word (after leading blanks).
std::string first_word(std::string_view text);
// Splits at commas; the last field runs to the end of the text.
std::vector<std::string_view> split_fields(std::string_view text, char separator = ',');
// Whole-text comparison ignoring ASCII letter case.
bool equals_ignore_case(std::string_view a, std::string_view b);
// Copies at most size-1 bytes and always terminates inside dst (size >= 1).
void copy_bounded(char* dst, std::size_t size, std::string_view src);
// A real number in plain fixed-point notation, as "%f" writes it in the "C" locale.
std::string fixed_point(double value);

}  // namespace zk7416
