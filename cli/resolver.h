// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: solving without a window, and without a display.
//
//   esferica --resolver a=60 b=60 c=60    one problem from the words
//   esferica --resolver -                 one problem a line of standard input
//   esferica --help | --version
//   esferica --resolver a=40 b=60 A=30 --imagen FILE [--vista INCL,ROT] [--tamano PIXELS]
//                                      [--clasico]   the table, and the picture in FILE
//   esferica --resolver ... --procedimiento   the working before each table or message
//
// Each word is NAME=VALUE, NAME one of a b c A B C and VALUE read exactly as the window reads its
// fields: only when read whole. A solved problem prints the table that "Copiar resultados" copies,
// with a period as the decimal separator in every locale, so that other programs can read it. A
// problem that fails prints its message: on standard error for the words, as a block "# message"
// on standard output for a line of input; an empty line or a comment (a line that begins with #)
// is copied as its own block, so that blocks match lines one to one. Exit status 0 solved, 1 no
// triangle, 2 a count message, a value not read whole or a malformed word (which also prints one
// line of usage); for standard input the highest of its problems'.
//
// --imagen draws the solved problem's picture into FILE as well: the readable picture (the
// classic one with --clasico) under the view INCL,ROT (degrees; 30,10 by default), PIXELS on a
// side (353 by default, the window's picture), as SVG when FILE ends in .svg, PDF in .pdf and PNG
// otherwise. The table is printed as without it. The drawing itself is the toolkit's: the program
// hands in a PictureWriter, which needs no display.
//
// --procedimiento prints, before each problem's table (or, for one that fails, before its
// message), the working of that problem (working/text.h): in Spanish, with the table's ten
// decimals and period. Words that are no problem at all print none.
#pragma once

#include "command/calculate.h"
#include "present/catalogue.h"

#include <functional>
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
    kImageNotWritten = 3, // solved, but the picture asked for could not be drawn or written
};

// A word as a message may show it: printable text as it is, any other byte (a control character,
// a byte of no valid UTF-8 character) as \xNN, cut after `length` characters.
inline constexpr std::size_t kQuotedLength = 40;
std::string printable(std::string_view word, std::size_t length = kQuotedLength);

// The words of a line of standard input: what stands between blanks (spaces, tabs, a carriage
// return).
std::vector<std::string_view> wordsOf(std::string_view line);

// A line of standard input that is no problem but is copied to the output as it is, without its
// trailing blanks: an empty one, one of blanks only, or a comment, which begins with #. None for
// any other line.
std::optional<std::string_view> copiedLine(std::string_view line);

// The side of the picture that --imagen draws when --tamano does not say: the window's picture at
// its designed size. A picture of another size is that one enlarged or reduced, lines and names
// alike; --tamano accepts kMinPicturePixels to kMaxPicturePixels (a picture of 4096 pixels on a
// side is 64 MB, and painting it in bands takes as much again for each band).
inline constexpr int kDefaultPicturePixels = 353;
inline constexpr int kMinPicturePixels = 16;
inline constexpr int kMaxPicturePixels = 4096;

// A picture asked for on the command line.
struct PictureRequest {
    std::string path; // UTF-8; SVG when it ends in ".svg", PDF in ".pdf" (any case), else PNG
    Scene scene;      // what to draw, in the picture asked for
    ViewAngles view;  // the scene's view in degrees, as the picture's description says it
    int pixels = kDefaultPicturePixels;    // the side of the square picture
    Language language = Language::Spanish; // of the picture's texts and of why it was not written
};
// Writes the picture that `request` asks for, whole or not at all. Returns why it could not be
// written (a sentence in the request's language), or an empty text once it was.
using PictureWriter = std::function<std::string(const PictureRequest& request)>;

// Runs the command line that `args` (the program's arguments, without its name) ask for and
// returns its exit status, or none when they ask for the window: no arguments, or arguments that
// are none of the command line's own (the toolkit's, such as -platform, pass through).
// `writer` draws the pictures that --imagen asks for; without one, --imagen is refused.
std::optional<int> runCommandLine(std::span<const std::string_view> args, std::istream& in,
                                  std::ostream& out, std::ostream& err,
                                  const PictureWriter& writer = {});

} // namespace esferica
