// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation problems on the command line, without a window:
//
//   esferica --ortodromica "36°30'N 6°20'W" "40°30'N 73°50'W" [--radio KM]
//   esferica --altura latitud=43°00,0'N declinacion=20°06,0'N horario=339 [observada=61°10,0']
//   esferica --altura latitud=... declinacion=... horario_greenwich=... longitud=...
//   [observada=...] esferica --ortodromica - | --altura -     one problem a line of standard input
//
// Positions and angles are read as navigation/coordinates.h reads them. A solved problem prints
// one line a value, its name, a tab and the value: decimal degrees with ten decimals and a
// period, latitudes and longitudes signed (north and east positive), miles and kilometres alike;
// a course that does not exist is "indeterminado", a vertex that does not "no definido". A
// problem that cannot be read prints "Datos mal escritos: " and why, in Spanish: on standard
// error, with a line of usage, for the words (exit status 2); as the block "# ..." on standard
// output for a line of input, whose exit status is the highest of its problems'. Every position
// has an answer, so no problem ends with status 1.
#pragma once

#include "present/catalogue.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>

namespace esferica {

// Runs `args` (the program's arguments, without its name) when they ask for a navigation problem,
// and returns its exit status; none when they ask for something else.
std::optional<int> runNavigation(std::span<const std::string_view> args, std::istream& in,
                                 std::ostream& out, std::ostream& err,
                                 const Catalogue& words = Catalogue::spanish());

} // namespace esferica
