// SPDX-License-Identifier: GPL-3.0-or-later
// A detector of Spanish left in a text meant to be English: the words the program's Spanish texts
// use that English never does, and the letters and marks that only Spanish writes (ñ, accented
// vowels, ¿, ¡, «»). The element letters and the degree marks are common to both.
#pragma once

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>

namespace esferica::testing {

// The first Spanish word or mark found in `text`, or an empty text when there is none.
inline std::string spanishIn(std::string_view text) {
    static constexpr std::array<std::string_view, 14> kMarks{"ñ", "á", "é", "í", "ó", "ú", "Á",
                                                             "É", "Í", "Ó", "Ú", "¿", "¡", "«"};
    for (const std::string_view mark : kMarks)
        if (text.find(mark) != std::string_view::npos)
            return std::string(mark);
    // Words of the program's Spanish texts, without their accents (an accented one is caught by
    // its letter above), that are no English words.
    static constexpr std::array<std::string_view, 50> kWords{
        "lado",    "lados",    "solucion",  "adicional", "datos",        "dato",       "leyo",
        "leyeron", "entero",   "campo",     "grados",    "minutos",      "segundos",   "escriba",
        "existe",  "esferico", "suman",     "suma",      "mayor",        "menor",      "que",
        "los",     "las",      "del",       "para",      "con",          "una",        "uno",
        "sen",     "exceso",   "perimetro", "inscrito",  "circunscrito", "se",         "vale",
        "hacen",   "falta",    "deje",      "vacio",     "paralelos",    "meridianos", "opciones",
        "copiar",  "calcular"};
    std::size_t i = 0;
    while (i < text.size()) {
        if (!std::isalpha(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        std::string word;
        for (; i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); ++i)
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        if (std::find(kWords.begin(), kWords.end(), word) != kWords.end())
            return word;
    }
    return {};
}

} // namespace esferica::testing
