// Names of the rows of parameterised tests, so that a failure line says which row broke.
#pragma once

#include <string>
#include <string_view>

namespace esferica::testing {

// A text as a test name: letters and digits kept, every other character spelled out
// ("-1,5" gives "minus1comma5", "" gives "empty").
inline std::string testName(std::string_view text) {
    std::string name;
    for (const char ch : text) {
        if ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z')) {
            name += ch;
            continue;
        }
        switch (ch) {
        case '-':
            name += "minus";
            break;
        case '+':
            name += "plus";
            break;
        case '.':
            name += "dot";
            break;
        case ',':
            name += "comma";
            break;
        case ' ':
            name += "_";
            break;
        case '\t':
            name += "tab";
            break;
        case '\n':
            name += "lf";
            break;
        case '\r':
            name += "cr";
            break;
        case '&':
            name += "amp";
            break;
        default:
            name += "x"; // any other byte, e.g. of a UTF-8 character such as the degree sign
            break;
        }
    }
    return name.empty() ? "empty" : name;
}

} // namespace esferica::testing
