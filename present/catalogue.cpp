// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/catalogue.h"

namespace esferica {

std::string_view languageCode(Language language) {
    return language == Language::English ? "en" : "es";
}

std::optional<Language> languageNamed(std::string_view code) {
    if (code == "es")
        return Language::Spanish;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

const Catalogue& Catalogue::of(Language language) {
    static const Catalogue spanish(Language::Spanish, spanishText);
    static const Catalogue english(Language::English, englishText);
    return language == Language::English ? english : spanish;
}

std::string_view Catalogue::text(Text id) const {
    return lookup_(id);
}

std::string Catalogue::fill(Text id, Places places) const {
    return filled(text(id), places);
}

std::string filled(std::string_view sentence, Places places) {
    const auto valueOf = [&](std::string_view name) -> const std::string* {
        for (const Place& place : places)
            if (place.name == name)
                return &place.value;
        return nullptr;
    };
    // One pass from left to right: a value is never read again as a template, so a typed text
    // with braces in it stays as typed.
    std::string text;
    std::size_t i = 0;
    while (i < sentence.size()) {
        const std::size_t open = sentence.find('{', i);
        const std::size_t close = open == std::string_view::npos ? open : sentence.find('}', open);
        if (close == std::string_view::npos) {
            text += sentence.substr(i);
            break;
        }
        text += sentence.substr(i, open - i);
        const std::string_view place = sentence.substr(open + 1, close - open - 1);
        const std::size_t bar = place.find('|');
        const std::string* value = valueOf(place.substr(0, bar));
        if (!value) {
            text += sentence.substr(open, close + 1 - open);
        } else if (bar == std::string_view::npos) {
            text += *value;
        } else {
            const std::string_view forms = place.substr(bar + 1);
            const std::size_t second = forms.find('|');
            text += *value == "1" || second == std::string_view::npos ? forms.substr(0, second)
                                                                      : forms.substr(second + 1);
        }
        i = close + 1;
    }
    return text;
}

} // namespace esferica
