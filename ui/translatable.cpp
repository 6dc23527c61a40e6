#include "ui/translatable.h"

#include <deque>
#include <mutex>

namespace ui {

namespace {

struct Composition {
    std::string german;
    std::string german_template;
    std::vector<ComposedPart> parts;
};

// The texts composed lately, so a display can take them apart again. A composed text is
// shown soon after it is made (a tool's help, composed when the tool starts, before the
// language is even known); a short memory is enough and stays bounded.
constexpr std::size_t REMEMBERED = 64;

struct Texts {
    std::mutex guard;
    Translator installed;
    std::deque<Composition> recent;
};

// Made on first use: texts are composed while other files' globals are being made.
Texts& texts() {
    static Texts instance;
    return instance;
}

std::string fill(std::string_view text_template, const std::vector<std::string>& values) {
    std::string text;
    text.reserve(text_template.size());
    for (std::size_t i = 0; i < text_template.size(); ++i) {
        char next = i + 1 < text_template.size() ? text_template[i + 1] : '\0';
        std::size_t n = static_cast<std::size_t>(next - '1');
        if (text_template[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            text += values[n];
            ++i;
        } else {
            text += text_template[i];
        }
    }
    return text;
}

const Composition* composition_of(const Texts& t, const std::string& text) {
    for (auto it = t.recent.rbegin(); it != t.recent.rend(); ++it)
        if (it->german == text) return &*it;
    return nullptr;
}

std::string translated(const Texts& t, const std::string& german) {
    std::string translation = t.installed(german);
    return translation.empty() ? german : translation;
}

std::string shown_locked(const Texts& t, const std::string& german) {
    const Composition* composition = composition_of(t, german);
    if (!composition) return translated(t, german);
    std::vector<std::string> values;
    for (const ComposedPart& part : composition->parts)
        // A part composed itself is taken apart too; a plain name is never looked up,
        // even when it happens to read like a marked text.
        values.push_back(part.translated || composition_of(t, part.text)
                             ? shown_locked(t, part.text)
                             : part.text);
    return fill(translated(t, composition->german_template), values);
}

}  // namespace

std::string compose(std::string_view german_template, std::vector<ComposedPart> parts) {
    std::vector<std::string> values;
    for (const ComposedPart& part : parts) values.push_back(part.text);
    std::string german = fill(german_template, values);
    Texts& t = texts();
    std::lock_guard lock(t.guard);
    t.recent.push_back({german, std::string(german_template), std::move(parts)});
    if (t.recent.size() > REMEMBERED) t.recent.pop_front();
    return german;
}

void set_translator(Translator translator) {
    Texts& t = texts();
    std::lock_guard lock(t.guard);
    t.installed = std::move(translator);
}

bool translating() {
    Texts& t = texts();
    std::lock_guard lock(t.guard);
    return static_cast<bool>(t.installed);
}

std::string shown(const std::string& german) {
    Texts& t = texts();
    std::lock_guard lock(t.guard);
    if (!t.installed) return german;
    return shown_locked(t, german);
}

}  // namespace ui
