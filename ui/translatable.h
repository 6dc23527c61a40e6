// Texts the operator reads: written in German by the code, as the program shows them,
// and shown in another language only where they are displayed.
//
// Code marks each such text with UI_TEXT, which stays the German literal itself; Qt's
// lupdate collects the marked texts into the translation sources. A message built from
// numbers or names is composed from a marked template with %1..%9 (ui::compose), so a
// display can translate the template and fill in the same values. Nothing here knows a
// toolkit: the program or tool that shows another language installs a translator, and
// its displays (the popups' back ends, the panels, a tool's terminal output) pass each
// text through ui::shown. Files and command lines are written from the German texts,
// never from what ui::shown returns.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace ui {

// The one translation context of every text marked in code: the displays look there.
inline constexpr std::string_view TEXT_CONTEXT = "ohm7416";

namespace detail {

// Refuses at compile time a context other than TEXT_CONTEXT: a text marked in another
// context would be collected, translated, and never found by a display.
consteval const char* marked_text(std::string_view context, const char* text) {
    if (context != TEXT_CONTEXT) throw "UI_TEXT takes the context \"ohm7416\"";
    return text;
}

}  // namespace detail

// One argument of a composed text. Names, numbers and anything the operator typed stay
// as they are; a marked text put into another (ui::translatable) is translated with it.
struct ComposedPart {
    std::string text;
    bool translated = false;
};

struct Translatable {
    std::string text;
};

inline Translatable translatable(std::string text) {
    return {std::move(text)};
}

namespace detail {

inline ComposedPart part(const Translatable& value) {
    return {value.text, true};
}
inline ComposedPart part(std::string value) {
    return {std::move(value), false};
}
template <typename Number, typename = std::enable_if_t<std::is_integral_v<Number>>>
ComposedPart part(Number value) {
    return {std::to_string(value), false};
}

}  // namespace detail

// The German text: `german_template` with %1..%9 replaced by the parts.
std::string compose(std::string_view german_template, std::vector<ComposedPart> parts);

template <typename... Args>
std::string compose(std::string_view german_template, const Args&... args) {
    return compose(german_template, std::vector<ComposedPart>{detail::part(args)...});
}

// Gives the translation of a marked German text, or an empty string when it has none.
using Translator = std::function<std::string(const std::string& german)>;

// Installs the translator of the language shown; an empty one shows German (the default,
// and what the tests and the scripted back end see).
void set_translator(Translator translator);
bool translating();

// What a display shows for a text the code produced: the text itself in German; with a
// translator, the translation of a marked text, or of a composed text's template filled
// with its parts. A text that is neither (a measured value, a file name) is shown as it is.
std::string shown(const std::string& german);

}  // namespace ui

// Marks a German text as one the operator reads; expands to the literal itself. lupdate
// knows it as QT_TRANSLATE_NOOP (see translations/CMakeLists.txt).
#define UI_TEXT(context, text) (::ui::detail::marked_text(context, text))
