// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: solving without a window, and without a display.
//
//   esferica --resolver a=60 b=60 c=60    one problem from the words
//   esferica --resolver -                 one problem a line of standard input
//   esferica --help | --version
//
// Each word is NAME=VALUE, NAME one of a b c A B C and VALUE read exactly as the window reads its
// fields: only when read whole. A solved problem prints the table that "Copiar resultados" copies,
// with a period as the decimal separator in every locale, so that other programs can read it. A
// problem that fails prints its message: on standard error for the words, as a block "# message"
// on standard output for a line of input; an empty line or a comment (a line that begins with #)
// is copied as its own block, so that blocks match lines one to one. Exit status 0 solved, 1 no
// triangle, 2 a count message, a value not read whole or a malformed word (which also prints one
// line of usage); for standard input the highest of its problems'.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace esferica {

// What the command line ends with.
enum ExitStatus : int {
    kSolved = 0,
    kNoTriangle = 1,
    kBadRequest = 2, // fewer or more than three elements, a value not read whole, or a malformed
                     // word or option
};

// A word as a message may show it: printable text as it is, any other byte (a control character,
// a byte of no valid UTF-8 character) as \xNN, cut after `length` characters.
inline constexpr std::size_t kQuotedLength = 40;
std::string printable(std::string_view word, std::size_t length = kQuotedLength);

// The words of a line of standard input: what stands between blanks (spaces, tabs, a carriage
// return).
std::vector<std::string_view> wordsOf(std::string_view line);

// Runs the command line that `args` (the program's arguments, without its name) ask for and
// returns its exit status, or none when they ask for the window: no arguments, or arguments that
// are none of the command line's own (the toolkit's, such as -platform, pass through).
std::optional<int> runCommandLine(std::span<const std::string_view> args, std::istream& in,
                                  std::ostream& out, std::ostream& err);

} // namespace esferica
