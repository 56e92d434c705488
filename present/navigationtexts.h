// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the navigation problems as the navigation window (qt/navigation/frmNavegacion.h)
// and the page show them, in the language of the catalogue given: its captions by object name, the
// names and values of its results as a navigator writes them, and what it says about a problem
// without a triangle or with data not read whole. The reasons for an angle not read and the copied
// lines are the command line's (cli/navigation.h).
//
// Values are written with the user's decimal separator: positions and altitudes in degrees and
// minutes to 0.1′ with their hemisphere letter (43°00,0′ N, 52°07,1′ W), courses and azimuths as
// 000,0° to 360,0° and in quadrantal form (N 63,6° W), distances in miles and kilometres to 0.1.
// The letters of the hemispheres and the quadrants are the same in every language.
#pragma once

#include "navigation/sailing.h"
#include "navigation/sight.h"
#include "present/catalogue.h"

#include <array>
#include <string>
#include <string_view>

namespace esferica {

// The texts of a control of the window, by its object name: its caption (or the window's title),
// with & before the letter that Alt reaches it by; its tooltip; the example a field shows while
// empty. Empty where it has none, or for a name the window does not have.
struct NavigationCaption {
    std::string_view name;
    std::string_view caption;
    std::string_view tip;
    std::string_view example;
};
NavigationCaption navigationTexts(std::string_view name, const Catalogue& words);

// The results of great-circle sailing, in the order the window shows them.
enum class SailingResult {
    Distance,
    InitialCourse,
    FinalCourse,
    Vertex,
    RhumbCourse,
    RhumbDistance
};
inline constexpr std::size_t kSailingResults = 6;
// The results of a sight.
enum class SightResult { Altitude, Azimuth, Intercept };
inline constexpr std::size_t kSightResults = 3;

// The longest value a result of either problem shows, for the width of the results.
std::string longestResult(const Catalogue& words);
// How many lines the longest note takes, for the height of the results.
inline constexpr int kNoteLines = 3;

// The object names of the result labels and the captions beside them.
struct ResultName {
    std::string_view name; // object name of the label that shows the value
    Text caption;          // what it is
};
extern const std::array<ResultName, kSailingResults> kSailingResultNames;
extern const std::array<ResultName, kSightResults> kSightResultNames;

// The values, each as the window shows it: "3101,2 millas (5747,4 km)", "296,4° (N 63,6° W)",
// "indeterminado" for a course that does not exist and "no definido" for a vertex.
std::array<std::string, kSailingResults>
sailingResultTexts(const Sailing& s, std::string_view decimalSeparator, const Catalogue& words);
// "61°06,7′", "135,8° (S 44,2° E)", "3,3 millas hacia" (or "desde"); the intercept empty without
// an observed altitude.
std::array<std::string, kSightResults>
sightResultTexts(const Sight& s, std::string_view decimalSeparator, const Catalogue& words);

// What the window adds under the results of a problem out of the ordinary (antipodal or coincident
// points, a route without a vertex or short of it, a body at the zenith or the nadir), or empty.
std::string sailingNote(const Sailing& s, std::string_view decimalSeparator,
                        const Catalogue& words);
std::string sightNote(const Sight& s, const Catalogue& words);

// Why the radius was not read: `typed` is its text.
std::string radiusReason(std::string_view typed, const Catalogue& words);

// The value a course or an azimuth of [0, 360) is shown as: "296,4°", "045,0°" (rounded to 0.1,
// 359,96 becoming "360,0°"), and in quadrantal form: "N 63,6° W", "S 45,0° E", or a cardinal point
// alone ("N", "E", "S", "W") when it rounds to one.
std::string courseText(double course, std::string_view decimalSeparator);
std::string quadrantalText(double course, std::string_view decimalSeparator);
// An angle in degrees and minutes to 0.1′, unsigned: "61°06,7′", "0°00,0′".
std::string minutesText(double degrees, std::string_view decimalSeparator);
// A latitude or a longitude with its hemisphere letter: "41°52,3′ N", "52°07,1′ W"; a signed
// altitude: "-0°13,4′".
std::string latitudeText(double degrees, std::string_view decimalSeparator);
std::string longitudeText(double degrees, std::string_view decimalSeparator);
std::string altitudeText(double degrees, std::string_view decimalSeparator);

} // namespace esferica
