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
// problem that cannot be read prints "Datos mal escritos: " and why, in the catalogue's language
// (Spanish unless --idioma says otherwise): on standard error, with a line of usage, for the
// words (exit status 2); as the block "# ..." on standard output for a line of input, whose exit
// status is the highest of its problems'. Every position has an answer, so no problem ends with
// status 1.
#pragma once

#include "navigation/coordinates.h"
#include "navigation/sailing.h"
#include "navigation/sight.h"
#include "present/catalogue.h"

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace esferica {

// Runs `args` (the program's arguments, without its name) when they ask for a navigation problem,
// and returns its exit status; none when they ask for something else.
std::optional<int> runNavigation(std::span<const std::string_view> args, std::istream& in,
                                 std::ostream& out, std::ostream& err,
                                 const Catalogue& words = Catalogue::spanish());

// What the command line and the navigation window share: the reading of a problem with its
// reasons, and the lines of its answer.

// Great-circle sailing from two positions, each a text as printed, on a sphere of `radiusKm`; or
// why not, naming the angle at fault, and which position holds it (0 the departure, 1 the
// arrival).
struct RouteReading {
    std::optional<Sailing> sailing;
    std::string reason;
    std::size_t fault = 0;
};
RouteReading readRoute(std::string_view departure, std::string_view arrival,
                       double radiusKm = kMeanEarthRadiusKm,
                       std::string_view decimalSeparator = ".",
                       const Catalogue& words = Catalogue::spanish());

// A sphere's radius in kilometres from its text, which must be read whole as a number over 0 whose
// half great circle is a number too (the longest distance); none otherwise.
std::optional<double> readRadius(std::string_view typed);

// The data of a sight, as --altura names them: latitud, declinacion, horario, horario_greenwich,
// longitud, observada.
enum class SightDatum { Latitude, Declination, HourAngle, GreenwichHourAngle, Longitude, Observed };
inline constexpr std::size_t kSightData = 6;
// The text of each datum, none where it is not given.
using SightTexts = std::array<std::optional<std::string_view>, kSightData>;

// The sight from its data: the latitude, the declination and either the local hour angle or the
// Greenwich hour angle with the longitude, and the observed altitude if given; or why not, naming
// the datum to mend.
struct SightReading {
    std::optional<Sight> sight;
    std::string reason;
    SightDatum fault = SightDatum::Latitude;
};
SightReading readSight(const SightTexts& texts, std::string_view decimalSeparator = ".",
                       const Catalogue& words = Catalogue::spanish());

// The lines that the command line prints for a solved problem: a value a line, its name, a tab and
// the value, in degrees (or miles, or kilometres) with ten decimals and a period.
std::string sailingLines(const Sailing& s, const Catalogue& words = Catalogue::spanish());
std::string sightLines(const Sight& s, const Catalogue& words = Catalogue::spanish());

} // namespace esferica
