// SPDX-License-Identifier: GPL-3.0-or-later
// The program's sentences in English, UTF-8.
#include "present/catalogue.h"

namespace esferica {

std::string_view englishText(Text id) {
    switch (id) {
    case Text::CaptionSideA:
        return "side a";
    case Text::CaptionSideB:
        return "side b";
    case Text::CaptionSideC:
        return "side c";
    case Text::CaptionAngleA:
        return "angle A";
    case Text::CaptionAngleB:
        return "angle B";
    case Text::CaptionAngleC:
        return "angle C";
    case Text::CaptionLatSpacing:
        return "° lat. grid";
    case Text::CaptionLongSpacing:
        return "° lon. grid";
    case Text::CaptionInclination:
        return "Inclination";
    case Text::CaptionRotation:
        return "Rotation";
    case Text::MeasureExcess:
        return "spherical excess";
    case Text::MeasureArea:
        return "area";
    case Text::MeasurePerimeter:
        return "perimeter";
    case Text::MeasureCircumradius:
        return "circumradius";
    case Text::MeasureInradius:
        return "inradius";
    case Text::MessageUnderdetermined:
        return "Too few data: please enter 3 elements";
    case Text::MessageOverdetermined:
        return "The program does not check overdetermined systems. Please enter only 3 elements";
    case Text::MessageNotReadWhole:
        return "Badly written data";
    case Text::MessageNoSolution:
        return "No solution exists";
    case Text::MessageBadDrawingData:
        return "Error in the drawing options";
    case Text::CaseSSS:
        return "Three sides";
    case Text::CaseAAA:
        return "Three angles";
    case Text::CaseSAS:
        return "Two sides and the included angle";
    case Text::CaseASA:
        return "Two angles and the included side";
    case Text::CaseSSA:
        return "Two sides and the angle opposite one of them (ambiguous case)";
    case Text::CaseAAS:
        return "Two angles and the side opposite one of them (ambiguous case)";
    case Text::FormatDecimal:
        return "Decimal degrees";
    case Text::FormatDegreesMinutesSeconds:
        return "Degrees, minutes and seconds";
    case Text::FormatDegreesDecimalMinutes:
        return "Degrees and decimal minutes";
    case Text::FormatRadians:
        return "Radians";
    case Text::MeasureNotComputed:
        return "cannot be computed";
    case Text::SolutionHeading:
        return "Solution";
    case Text::AdditionalHeading:
        return "Second solution";
    case Text::InputForms:
        return "Degrees: 49.5 · 49°30' · 49°30'15\" (or 49,5, 49º30′15″) · radians: 0.86 rad";
    case Text::StatusSideC:
        return "Side c could not be drawn";
    case Text::StatusBothSidesC:
        return "Side c of neither solution could be drawn";
    case Text::StatusAdditionalSideC:
        return "Side c of the second solution could not be drawn";
    case Text::StatusPrimarySideC:
        return "Side c of the first solution could not be drawn";
    case Text::Quoted:
        return "“{text}”";
    case Text::ListMore:
        return "{list}, {item}";
    case Text::ListLast:
        return "{list} or {item}";
    case Text::HintSixty:
        return "Minutes and seconds must be less than 60.";
    case Text::HintLetterForZero:
        return "Is that a letter O instead of a zero? Type {text}.";
    case Text::HintLetterForOne:
        return "Is that a letter l instead of a one? Type {text}.";
    case Text::HintLettersForDigits:
        return "Are those letters instead of digits? Type {text}.";
    case Text::HintLettersForMarks:
        return "Degrees, minutes and seconds are written with their symbols: {text}.";
    case Text::HintOperation:
        return "The field does no arithmetic: type the result, {text}.";
    case Text::HintSplitDigits:
        return "Did you mean {list}?";
    case Text::HintMinutesMark:
        return "Minutes need their symbol: type {text}.";
    case Text::HintSecondsMark:
        return "Seconds need their symbol: type {text}.";
    case Text::HintMinutesWithoutDegrees:
        return "Minutes come after the degrees: type {text}.";
    case Text::NoteNothingRead:
        return "Nothing was read: {left} does not begin with a number.";
    case Text::NoteRead:
        return "Read {read}; could not read {left}.";
    case Text::ReasonNothingRead:
        return "In {field}, {typed} does not begin with a number: nothing was read.";
    case Text::ReasonRead:
        return "In {field}, {typed} could not be read in full: read {read} but not {left}.";
    case Text::NamedValue:
        return "{field} = {value}";
    case Text::NamedText:
        return "{field} ({typed})";
    case Text::Formula:
        return "{letter} = {value}";
    case Text::SumFormula:
        return "{x} + {y} = {value}";
    case Text::CountNone:
        return "No data were read; 3 are needed.";
    case Text::CountUnder:
        return "{n} {n|element was|elements were} read: {list}; 3 are needed.";
    case Text::CountOver:
        return "{n} {n|element was|elements were} read: {list}; keep only 3, and empty the others "
               "or type 0 in them.";
    case Text::NotCountedTooLarge:
        return "{field} does not count: {typed} is too large a number.";
    case Text::NotCountedZero:
        return "{field} is 0, which means “not given”.";
    case Text::ElementTooLarge:
        return "{named} is too large a number.";
    case Text::ElementOutOfRange:
        return "{named}: every side and every angle of a spherical triangle lies strictly between "
               "0° and 180°.";
    case Text::HintTypeMarks:
        return "If these are degrees, minutes and seconds, type them with their symbols: "
               "40°25'30\".";
    case Text::HintLongitudes:
        return "If this is a difference of longitude, use 360° − {value} = {rest}.";
    case Text::SidesGreater:
        return "Side {side} is greater than {sum}: each side of a triangle is less than the sum "
               "of the other two.";
    case Text::SidesEqual:
        return "Side {side} equals {sum}: the triangle would be flat, and each side of a triangle "
               "is less than the sum of the other two.";
    case Text::SidesSum:
        return "The sides add up to {value}: those of a spherical triangle add up to less than "
               "360°.";
    case Text::AnglesSum:
        return "The angles add up to {value}: those of a spherical triangle add up to more than "
               "180°.";
    case Text::AnglesInequality:
        return "{sum} is not less than 180° + {letter} = {value}: in a spherical triangle any two "
               "angles add up to less than 180° plus the third.";
    case Text::NoClosure:
        return "No triangle closes: both triangles that the sine rule allows would have a side "
               "or an angle outside 0° to 180°.";
    case Text::SineSide:
        return "No triangle closes: with {other} and {between}, side {x}, opposite {z}, would "
               "have to satisfy sin {x} ≥ sin {y} · sin {z}, and {given} is too short.";
    case Text::SineAngle:
        return "No triangle closes: with {other} and {between}, angle {x}, opposite {z}, would "
               "have to satisfy sin {x} ≥ sin {y} · sin {z}, and {given} is too small.";
    case Text::Undetermined:
        return "The data do not determine the triangle: infinitely many triangles fit them.";
    case Text::DegenerateSide:
        return "Side {x} would measure exactly {value}, and no side or angle of a triangle "
               "measures 0° or 180°.";
    case Text::DegenerateAngle:
        return "Angle {x} would measure exactly {value}, and no side or angle of a triangle "
               "measures 0° or 180°.";
    case Text::Degenerate:
        return "The triangle would have a side or an angle of exactly 0° or 180°, and would not "
               "be a triangle.";
    case Text::RuleInputs:
        return "A field is used only when it is read in full: correct it, or empty it if it is "
               "not one of the data.";
    case Text::RuleOptions:
        return "The drawing options are used only when they are read in full.";
    case Text::ParallelsEmpty:
        return "{field} is empty: the spacing of the parallels is needed, in degrees, other than "
               "0.";
    case Text::ParallelsZero:
        return "{field} is 0: the spacing of the parallels is needed, in degrees, other than 0.";
    case Text::MeridiansEmpty:
        return "{field} is empty: the spacing of the meridians is needed, in degrees, other than "
               "0.";
    case Text::MeridiansZero:
        return "{field} is 0: the spacing of the meridians is needed, in degrees, other than 0.";
    case Text::ParallelsTooFine:
        return "{field} = {value}: more than {n} parallels would be needed; the finest spacing "
               "drawn is {finest}.";
    case Text::MeridiansTooFine:
        return "{field} = {value}: more than {n} meridians would be needed; the finest spacing "
               "drawn is {finest}.";
    case Text::OptionTooLarge:
        return "{field} ({typed}) is too large a number.";
    case Text::AnnounceMessage:
        return "{message}. {reason}";
    case Text::AnnounceSolution:
        return "Solution: {elements}.";
    case Text::AnnounceAdditional:
        return "Second solution: {elements}.";
    case Text::AnnounceElement:
        return "{caption} {value}";
    case Text::CliUsage:
        return "Usage: esferica --resolver NAME=VALUE NAME=VALUE NAME=VALUE [--imagen FILE "
               "[--vista INCL,ROT] [--tamano PIXELS] [--clasico]] | esferica --resolver - | "
               "esferica --help; with --resolver, [--idioma es|en] [--formato decimal|gms|gm|rad] "
               "[--decimales N] [--tsv] [--procedimiento]\n";
    case Text::CliHelp:
        return "Usage: esferica [--resolver NAME=VALUE... | --resolver - | --ortodromica FROM TO "
               "|\n"
               "                --altura NAME=VALUE... | --help | --version]\n"
               "\n"
               "Without arguments, opens the window for solving spherical triangles.\n"
               "\n"
               "  --resolver a=60 b=60 c=60  solves, without a window, the triangle of the three "
               "given\n"
               "                             elements and prints its six elements in degrees, "
               "to ten\n"
               "                             decimals with a decimal point, and the second "
               "triangle if\n"
               "                             there is one\n"
               "  --resolver -               reads one problem per line of standard input\n"
               "  --ortodromica \"36°30'N 6°20'W\" \"40°30'N 73°50'W\" [--radio KM]\n"
               "                             great-circle sailing: distance in nautical miles "
               "and in\n"
               "                             kilometres (a radius of 6371 km unless given), "
               "initial and\n"
               "                             final courses, vertex, and rhumb-line course and "
               "distance\n"
               "  --altura latitud=43°00,0'N declinacion=20°06,0'N horario=339 "
               "[observada=61°10,0']\n"
               "                             computed altitude and azimuth, and with the observed "
               "altitude\n"
               "                             the intercept; horario_greenwich=G longitud=L "
               "instead of\n"
               "                             horario gives the local hour angle\n"
               "  --ortodromica -, --altura -\n"
               "                             read one problem per line of standard input\n"
               "  --imagen FILE              with --resolver and three elements, also draws the "
               "triangle\n"
               "                             in FILE: SVG if it ends in .svg, PDF if it ends in "
               ".pdf,\n"
               "                             PNG otherwise; needs no display\n"
               "  --vista INCL,ROT           the inclination and rotation of the drawing, in "
               "degrees,\n"
               "                             separated by a comma (decimals with a point); 30,10 "
               "by default\n"
               "  --tamano PIXELS            the side of the drawing in pixels, 16 to 4096; 353 "
               "by default\n"
               "                             (the window's drawing)\n"
               "  --clasico                  the classic drawing: thin lines, no names or depth\n"
               "  --idioma es|en             the language of the texts: Spanish (the default) or "
               "English\n"
               "  --formato decimal|gms|gm|rad\n"
               "                             how --resolver writes angles: decimal degrees (the "
               "default),\n"
               "                             degrees, minutes and seconds, degrees and decimal "
               "minutes,\n"
               "                             or radians\n"
               "  --decimales N              decimals of the last unit, 0 to 12; 10 for decimal "
               "degrees\n"
               "                             and radians, 4 for seconds, 6 for minutes\n"
               "  --tsv                      with --resolver, one line per problem in "
               "tab-separated\n"
               "                             columns, after a header line\n"
               "  --procedimiento            with --resolver, prints the working before the "
               "results:\n"
               "                             the case, the conditions of existence, the formulas "
               "with\n"
               "                             their numbers and the check\n"
               "  --help                     shows this help\n"
               "  --version                  shows the version\n"
               "\n"
               "NAME is a, b or c (sides) or A, B or C (angles); VALUE, in degrees, is read as the "
               "window's\n"
               "fields read it, and only when it is read in full:\n"
               "  degrees with decimals, point or comma          60  60,5  -40.25  1.5E2\n"
               "  degrees, minutes and seconds with symbols      49°30'  49°30'15\"  49° 30,5'\n"
               "    (also º ˚, ’ ′ for minutes, ” ″ '' for seconds)\n"
               "  radians, with the suffix rad                   1,2 rad  0.5rad\n"
               "  a hexadecimal or octal integer                 &HFF  &O17\n"
               "A value that is not read in full (4O, 17 5, 90-36°32') is badly written data.\n"
               "With -, each line is a problem; an empty line or one beginning with # is copied as "
               "it is.\n"
               "Exit status: 0 solved, 1 no solution exists, 2 data wrongly given or badly "
               "written, 3\n"
               "solved but the picture could not be drawn or saved.\n";
    case Text::CliMalformed:
        return "Badly written data: {why}";
    case Text::CliBadOption:
        return "Option wrongly given: {why}";
    case Text::CliNeedsValue:
        return "{option} needs a value";
    case Text::CliImageNeedsFile:
        return "--imagen needs the name of a file";
    case Text::CliBadView:
        return "--vista expects the inclination and the rotation in degrees separated by a comma, "
               "with a decimal point (for example 30,10 or 22.5,-40), not {word}";
    case Text::CliBadSize:
        return "--tamano expects a whole number of pixels from {min} to {max}, not {word}";
    case Text::CliPictureWithoutImage:
        return "--vista, --tamano and --clasico say how to draw the picture of --imagen, which is "
               "missing";
    case Text::CliImageOfOne:
        return "--imagen draws a single problem, not those of --resolver -";
    case Text::CliNotNameValue:
        return "{word} is not of the form NAME=VALUE";
    case Text::CliNotElement:
        return "{word} is not the name of an element (a b c A B C)";
    case Text::CliElementTwice:
        return "the element {word} appears more than once";
    case Text::CliImageNotDrawn:
        return "The picture was not drawn: {why}";
    case Text::CliCannotDraw:
        return "this build of esferica does not draw.";
    case Text::CliBadLanguage:
        return "--idioma expects es or en, not {word}";
    case Text::CliBadFormat:
        return "--formato expects decimal, gms, gm or rad, not {word}";
    case Text::CliBadDecimals:
        return "--decimales expects a whole number of decimals from 0 to {max}, not {word}";
    case Text::TsvTriangle:
        return "triangle";
    case Text::TsvGiven:
        return "given {letter}";
    case Text::TsvMessage:
        return "message";
    case Text::WinTitle:
        return "Spherical triangle solver";
    case Text::WinCalculate:
        return "&Calculate";
    case Text::WinEnterData:
        return "Enter the known data:";
    case Text::WinAdditional:
        return "Second solution (if any)";
    case Text::WinDrawingOptions:
        return "Drawing options:";
    case Text::ActHelp:
        return "Help";
    case Text::LayerFarSide:
        return "Far side";
    case Text::LayerGrid:
        return "Grid";
    case Text::LayerSolution:
        return "Solution";
    case Text::LayerAdditional:
        return "Second solution";
    case Text::LayerNames:
        return "Names";
    case Text::LayerHalos:
        return "Behind the names";
    case Text::WinWorking:
        return "&Working";
    case Text::WinNavigation:
        return "&Navigation…";
    case Text::ActWorking:
        return "Working";
    case Text::ActNavigation:
        return "Navigation…";
    case Text::WorkingTitle:
        return "Working";
    case Text::WorkingSearchHint:
        return "Search the working";
    case Text::WorkingSearch:
        return "Search";
    case Text::WorkingFindNext:
        return "Find &next";
    case Text::WorkingPrint:
        return "&Print…";
    case Text::WorkingClose:
        return "Close";
    case Text::ActFace:
        return "Face the triangle";
    case Text::ActCopyResults:
        return "Copy results";
    case Text::ActCopyImage:
        return "Copy picture";
    case Text::ActSaveImage:
        return "Save picture…";
    case Text::ActExportSheet:
        return "Export handout…";
    case Text::ActClassic:
        return "Classic drawing";
    case Text::ActSideNames:
        return "Names of the sides";
    case Text::ActCopy:
        return "&Copy";
    case Text::ActSelectAll:
        return "Select all";
    case Text::MenuLanguage:
        return "Idioma / Language";
    case Text::LanguageSpanish:
        return "Español";
    case Text::LanguageEnglish:
        return "English";
    case Text::HeadExcess:
        return "excess";
    case Text::HeadArea:
        return "area";
    case Text::HeadPerimeter:
        return "perimeter";
    case Text::MeaningExcess:
        return "Spherical excess: A + B + C − 180°";
    case Text::MeaningArea:
        return "Area on the sphere of radius 1, in steradians (sr): the excess in radians";
    case Text::MeaningPerimeter:
        return "Perimeter: a + b + c";
    case Text::RowAdditional:
        return "Second";
    case Text::AccessibleNamed:
        return "{block}, {name}";
    case Text::AccessibleStatus:
        return "Drawing status";
    case Text::AccessibleSphere:
        return "Sphere with the triangle";
    case Text::AccessibleDiagram:
        return "Diagram of the six elements";
    case Text::DiagramDescription:
        return "A triangle with vertex A on the left, B at the bottom right and C at the top; each "
               "side bears the letter of the opposite vertex: a between B and C, b between A and "
               "C, c between A and B.";
    case Text::CueRed:
        return "In the drawing, in red";
    case Text::CueBlue:
        return "In the drawing, in blue";
    case Text::PictureNothing:
        return "Nothing drawn: the sphere and the triangle appear when you calculate.";
    case Text::PictureSphere:
        return "The sphere in a grid of parallels and meridians, seen at inclination {inclination} "
               "and rotation {rotation}, ";
    case Text::PictureClassicOne:
        return "with the solved triangle in red: vertex C at the north pole and sides a and b on "
               "meridians.";
    case Text::PictureClassicTwo:
        return "with both solved triangles in red: vertex C at the north pole and sides a and b on "
               "meridians.";
    case Text::PictureReadableOne:
        return "with the solved triangle in red, with vertices {first}. Vertex C is at the north "
               "pole and sides a and b lie on meridians; the far side of the sphere is in light "
               "grey, and the hidden parts of the triangles are dashed.";
    case Text::PictureReadableTwo:
        return "with two triangles: the solution in red, with vertices {first}, and the second "
               "solution in blue, with vertices {second}. Vertex C is at the north pole and sides "
               "a and b lie on meridians; the far side of the sphere is in light grey, and the "
               "hidden parts of the triangles are dashed.";
    case Text::PictureVertices:
        return "{a}, {b} and {c}";
    case Text::PictureMissingBoth:
        return " Side c of both triangles is missing: it could not be drawn.";
    case Text::PictureMissingPrimary:
        return " Side c of the solution is missing: it could not be drawn.";
    case Text::PictureMissing:
        return " Side c is missing: it could not be drawn.";
    case Text::PictureMissingAdditional:
        return " Side c of the second solution is missing: it could not be drawn.";
    case Text::DialogSaveImage:
        return "Save picture";
    case Text::FilterPng:
        return "PNG picture of {width} × {height} pixels (*.png)";
    case Text::FilterSvg:
        return "SVG picture (*.svg)";
    case Text::FileImage:
        return "triangle";
    case Text::DialogExportSheet:
        return "Export handout";
    case Text::FilterPdf:
        return "PDF document (*.pdf)";
    case Text::FileSheet:
        return "handout";
    case Text::WriteCannotCreate:
        return "a file cannot be created there (check that the folder exists and can be written "
               "to)";
    case Text::WriteFailed:
        return "writing failed (is the disk full?)";
    case Text::WriteNotReplaced:
        return "the existing file could not be replaced";
    case Text::WriteError:
        return "error writing the file";
    case Text::WriteFailure:
        return "The picture could not be saved to {path}: {why}. Nothing has been written.";
    case Text::SheetData:
        return "Data";
    case Text::SheetCase:
        return "Case: {case}";
    case Text::SheetView:
        return "View: inclination {inclination}, rotation {rotation}";
    case Text::SheetDate:
        return "d MMMM yyyy";
    case Text::NavSailingUsage:
        return "Usage: esferica --ortodromica FROM TO [--radio KM] | esferica --ortodromica -\n";
    case Text::NavSightUsage:
        return "Usage: esferica --altura latitud=L declinacion=D horario=H [observada=A] | "
               "esferica --altura latitud=L declinacion=D horario_greenwich=G longitud=L "
               "[observada=A] | esferica --altura -\n";
    case Text::NavUndetermined:
        return "undetermined";
    case Text::NavUndefined:
        return "undefined";
    case Text::NavMissing:
        return "Missing: {field}.";
    case Text::NavNoNumber:
        return "Could not read {field}: {left} does not begin with a number.";
    case Text::NavTooLarge:
        return "In {field}, {read} is too large a number.";
    case Text::NavNotReadWhole:
        return "In {field}, read {read}; could not read {left}.";
    case Text::NavLatitudeLetter:
        return "In {field}, the letter {letter} is not N or S: the latitude is written first, then "
               "the longitude.";
    case Text::NavLongitudeLetter:
        return "In {field}, the letter {letter} is not E, W or O: the latitude is written first, "
               "then the longitude.";
    case Text::NavExtraLetter:
        return "In {field}, the letter {letter} does not belong: only latitudes, declinations and "
               "longitudes carry a hemisphere letter.";
    case Text::NavSignAndLetter:
        return "In {field} there are both a sign and the letter {letter}: one of the two is "
               "enough.";
    case Text::NavLatitudeRange:
        return "In {field}, read {value}, more than 90° north or south.";
    case Text::NavLongitudeRange:
        return "In {field}, read {value}, more than 180° east or west.";
    case Text::NavHourAngleRange:
        return "In {field}, read {value}, outside 0° to 360°.";
    case Text::NavAltitudeRange:
        return "In {field}, read {value}, more than 90° above or below the horizon.";
    case Text::NavExtraText:
        return "Unexpected {left} after {field}.";
    case Text::NavDepartureLatitude:
        return "the latitude of departure";
    case Text::NavDepartureLongitude:
        return "the longitude of departure";
    case Text::NavArrivalLatitude:
        return "the latitude of arrival";
    case Text::NavArrivalLongitude:
        return "the longitude of arrival";
    case Text::NavLatitude:
        return "the latitude";
    case Text::NavDeclination:
        return "the declination";
    case Text::NavHourAngle:
        return "the local hour angle";
    case Text::NavGreenwichHourAngle:
        return "the Greenwich hour angle";
    case Text::NavLongitude:
        return "the longitude";
    case Text::NavObserved:
        return "the observed altitude";
    case Text::NavRadiusTwice:
        return "The radius appears more than once.";
    case Text::NavRadiusMissing:
        return "The radius in kilometres is missing after --radio.";
    case Text::NavRadiusBad:
        return "The radius {radius} is not a number of kilometres greater than 0.";
    case Text::NavNotDatum:
        return "{name} is not the name of a datum: latitud, declinacion, horario, "
               "horario_greenwich, longitud or observada.";
    case Text::NavNotNameValue:
        return "{text} is not of the form NAME=VALUE.";
    case Text::NavDatumTwice:
        return "The datum {name} appears more than once.";
    case Text::NavBothHourAngles:
        return "Both the local and the Greenwich hour angle were given: one of the two is enough.";
    case Text::NavLongitudeMissing:
        return "The longitude is missing, which with the Greenwich hour angle gives the local hour "
               "angle.";
    case Text::NavLongitudeExtra:
        return "The longitude does not belong: it is used only with the Greenwich hour angle.";
    case Text::NavDistanceMiles:
        return "distance (NM)";
    case Text::NavDistanceKm:
        return "distance (km)";
    case Text::NavInitialCourse:
        return "initial course";
    case Text::NavFinalCourse:
        return "final course";
    case Text::NavVertexLatitude:
        return "latitude of the vertex";
    case Text::NavVertexLongitude:
        return "longitude of the vertex";
    case Text::NavRhumbCourse:
        return "rhumb-line course";
    case Text::NavRhumbMiles:
        return "rhumb-line distance (NM)";
    case Text::NavAltitude:
        return "computed altitude";
    case Text::NavAzimuth:
        return "azimuth";
    case Text::NavIntercept:
        return "intercept (NM)";
    case Text::NavSense:
        return "direction";
    case Text::NavToward:
        return "toward";
    case Text::NavAway:
        return "away";
    case Text::NavNoSense:
        return "none";
    case Text::NavWindowTitle:
        return "Navigation";
    case Text::NavTabSailing:
        return "&Great circle";
    case Text::NavTabSight:
        return "&Position triangle";
    case Text::NavCaptionDeparture:
        return "&Departure:";
    case Text::NavCaptionArrival:
        return "&Arrival:";
    case Text::NavCaptionRadius:
        return "&Radius (km):";
    case Text::NavCaptionLatitude:
        return "La&titude:";
    case Text::NavCaptionDeclination:
        return "&Declination:";
    case Text::NavCaptionHourAngle:
        return "Local &hour angle:";
    case Text::NavCaptionGreenwich:
        return "or at Green&wich:";
    case Text::NavCaptionLongitude:
        return "and lo&ngitude:";
    case Text::NavCaptionObserved:
        return "O&bserved altitude:";
    case Text::NavCaptionCalculate:
        return "&Calculate";
    case Text::NavCaptionShowTriangle:
        return "&Show as a triangle";
    case Text::NavCaptionCopy:
        return "Cop&y";
    case Text::NavCaptionPicture:
        return "Drawing of the problem";
    case Text::NavTipPosition:
        return "Latitude, then longitude, with N or S and E or W (36°32′ N 6°18′ W, 36°32.5′N "
               "6°18′W), or in signed degrees, north and east positive (36.54 -6.3)";
    case Text::NavTipRadius:
        return "Radius of the sphere, for the distance in kilometres; when empty, 6371 km, the "
               "Earth's mean radius";
    case Text::NavTipLatitude:
        return "The observer's latitude, with N or S or signed";
    case Text::NavTipDeclination:
        return "The body's declination, with N or S or signed";
    case Text::NavTipHourAngle:
        return "Local hour angle, from 0° to 360° westward; or else the Greenwich hour angle and "
               "the longitude";
    case Text::NavTipGreenwich:
        return "Greenwich hour angle, with the longitude, instead of the local hour angle";
    case Text::NavTipLongitude:
        return "The observer's longitude, with E or W or signed";
    case Text::NavTipObserved:
        return "Optional: the observed altitude, for the intercept";
    case Text::NavTipShowTriangle:
        return "Puts the problem's triangle into the main window and solves it there";
    case Text::NavTipCopy:
        return "Copies the results as lines of text: name, tab and value with ten decimals, as "
               "the command line writes them";
    case Text::NavTipPicture:
        return "The problem on the globe: north up and east to the right, as on a chart";
    case Text::NavExampleLatitude:
        return "43°00.0′ N";
    case Text::NavExampleDeclination:
        return "20°06.0′ N";
    case Text::NavExampleObserved:
        return "61°10.0′";
    case Text::NavResultDistance:
        return "Distance:";
    case Text::NavResultInitialCourse:
        return "Initial course:";
    case Text::NavResultFinalCourse:
        return "Final course:";
    case Text::NavResultVertex:
        return "Vertex:";
    case Text::NavResultRhumbCourse:
        return "Rhumb-line course:";
    case Text::NavResultRhumbDistance:
        return "Rhumb-line distance:";
    case Text::NavResultAltitude:
        return "Computed altitude:";
    case Text::NavResultAzimuth:
        return "Azimuth:";
    case Text::NavResultIntercept:
        return "Intercept:";
    case Text::NavMilesAndKm:
        return "{miles} miles ({km} km)";
    case Text::NavInterceptToward:
        return "{miles} miles toward";
    case Text::NavInterceptAway:
        return "{miles} miles away";
    case Text::NavInterceptNone:
        return "{miles} miles";
    case Text::NavNoteBeyondRoute:
        return "The vertex lies beyond the arrival: the route does not pass through it.";
    case Text::NavNoteMeridian:
        return "The route follows a meridian: it has no vertex.";
    case Text::NavNoteEquator:
        return "The route follows the equator: it has no vertex.";
    case Text::NavNoteAntipodal:
        return "Departure and arrival are antipodal: every great circle joining them measures "
               "{miles} miles, and the course is undetermined.";
    case Text::NavNoteCoincident:
        return "Departure and arrival are the same point: there is no route and no course.";
    case Text::NavNoteZenith:
        return "The body is at the zenith: the azimuth is undetermined.";
    case Text::NavNoteNadir:
        return "The body is at the nadir: the azimuth is undetermined.";
    case Text::NavNoTriangle:
        return "This problem has no triangle: one of its sides or angles would be 0° or 180°.";
    case Text::NavRadiusReason:
        return "The radius {radius} is not a number of kilometres greater than 0: write it in "
               "full, or empty the field to take 6371 km.";
    }
    return {};
}

} // namespace esferica
