// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the rows of parameterised tests, so that a failure line says which row broke.
#pragma once

#include <cctype>
#include <charconv>
#include <map>
#include <string>
#include <string_view>

namespace esferica::testing {

// A text as a test name: letters and digits kept, every other character spelled out
// ("-1,5" gives "minus1comma5", "" gives "empty", a byte of a UTF-8 character "x").
inline std::string testName(std::string_view text) {
    static const std::map<char, const char*> spelled{{'-', "minus"}, {'+', "plus"}, {'.', "dot"},
                                                     {',', "comma"}, {' ', "_"},    {'\t', "tab"},
                                                     {'\n', "lf"},   {'\r', "cr"},  {'&', "amp"}};
    std::string name;
    for (const char ch : text) {
        const auto known = spelled.find(ch);
        name += std::isalnum(static_cast<unsigned char>(ch)) ? std::string(1, ch)
                : known != spelled.end()                     ? known->second
                                                             : "x";
    }
    return name.empty() ? "empty" : name;
}

// A number as a test name: its shortest text that reads back as the same double, spelled out.
inline std::string testName(double x) {
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x);
    (void)ec;
    return testName(std::string_view(buf, static_cast<std::size_t>(end - buf)));
}

} // namespace esferica::testing
