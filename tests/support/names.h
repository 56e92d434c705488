// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the rows of parameterised tests, so that a failure line says which row broke.
#pragma once

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace esferica::testing {

// A text as a test name: letters and digits kept, every other character spelled out
// ("-1,5" gives "minus1comma5", "49°30′" gives "49deg30prime", "" gives "empty"), any other byte
// of a UTF-8 character "x".
inline std::string testName(std::string_view text) {
    static const std::map<char, const char*> spelled{
        {'-', "minus"}, {'+', "plus"}, {'.', "dot"}, {',', "comma"}, {' ', "_"}, {'\t', "tab"},
        {'\n', "lf"},   {'\r', "cr"},  {'&', "amp"}, {'\'', "q"},    {'"', "qq"}};
    // The marks of degrees, minutes and seconds, and the typographic minus.
    static const std::pair<std::string_view, const char*> marks[] = {
        {"\u00B0", "deg"},   {"\u00BA", "ord"},   {"\u02DA", "ring"},   {"\u2019", "apos"},
        {"\u2032", "prime"}, {"\u201D", "rdquo"}, {"\u2033", "dprime"}, {"\u2212", "minus"}};
    std::string name;
    for (std::size_t i = 0; i < text.size();) {
        const auto mark = std::find_if(std::begin(marks), std::end(marks), [&](const auto& m) {
            return text.substr(i).starts_with(m.first);
        });
        if (mark != std::end(marks)) {
            name += mark->second;
            i += mark->first.size();
            continue;
        }
        const char ch = text[i++];
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
