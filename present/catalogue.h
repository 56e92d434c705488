// SPDX-License-Identifier: GPL-3.0-or-later
// The program's sentences, one language a file (present/es.cpp, present/en.cpp): whole templates
// looked up by a text id, never glued from fragments. A template names its places in braces,
// "{field} vale 0", and a plural form as "{n|dato|datos}": the first word when the place n holds
// "1", the second otherwise.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace esferica {

enum class Language { Spanish, English };
// The command line's and the settings' names of the languages: es, en.
std::string_view languageCode(Language language);
std::optional<Language> languageNamed(std::string_view code);

// Every text the front ends show. Runs of ids in the order of their enum (elements, option
// fields, measures, outcomes, cases, angle formats) are looked up by offset: keep them together.
enum class Text {
    // The captions of the input fields, a to C.
    CaptionSideA,
    CaptionSideB,
    CaptionSideC,
    CaptionAngleA,
    CaptionAngleB,
    CaptionAngleC,
    // The captions of the option fields.
    CaptionLatSpacing,
    CaptionLongSpacing,
    CaptionInclination,
    CaptionRotation,
    // The captions of the measures, in the table of results.
    MeasureExcess,
    MeasureArea,
    MeasurePerimeter,
    MeasureCircumradius,
    MeasureInradius,
    // The messages of the outcomes that are not a drawing, Underdetermined to BadDrawingData.
    MessageUnderdetermined,
    MessageOverdetermined,
    MessageNotReadWhole,
    MessageNoSolution,
    MessageBadDrawingData,
    // The names of the cases, SSS to AAS.
    CaseSSS,
    CaseAAA,
    CaseSAS,
    CaseASA,
    CaseSSA,
    CaseAAS,
    // The names of the angle formats, as the menus offer them.
    FormatDecimal,
    FormatDegreesMinutesSeconds,
    FormatDegreesDecimalMinutes,
    FormatRadians,

    MeasureNotComputed, // a measure that could not be computed
    SolutionHeading,    // the solution, in the sheet and the measures
    AdditionalHeading,  // the additional triangle, in the table of results
    InputForms,         // the forms a value takes, for the input fields' tooltips

    // The status under the picture, when a side c could not be drawn.
    StatusSideC,
    StatusBothSidesC,
    StatusAdditionalSideC,
    StatusPrimarySideC,

    Quoted,   // {text} quoted
    ListMore, // {list}, {item}
    ListLast, // {list} or {item}, the last of a list of alternatives

    // What a field likely meant ({text}: the first suggestion, {list}: all of them).
    HintSixty,
    HintLetterForZero,
    HintLetterForOne,
    HintLettersForDigits,
    HintLettersForMarks,
    HintOperation,
    HintSplitDigits,
    HintMinutesMark,
    HintSecondsMark,
    HintMinutesWithoutDegrees,
    // A field not read whole, for its mark ({read}, {left}) and for a message ({field}, {typed}).
    NoteNothingRead,
    NoteRead,
    ReasonNothingRead,
    ReasonRead,
    // An element as a reason names it: {field} = {value}, or {field} ({typed}) beyond a double;
    // {letter} = {value} in a formula; {x} + {y} = {value}.
    NamedValue,
    NamedText,
    Formula,
    SumFormula,
    // The count messages' reasons: {n} data {list}; the fields that do not count.
    CountNone,
    CountUnder,
    CountOver,
    NotCountedTooLarge,
    NotCountedZero,
    // A given element outside 0 to 180 degrees.
    ElementTooLarge,
    ElementOutOfRange,
    HintTypeMarks,
    HintLongitudes,
    // Why no triangle fits.
    SidesGreater,
    SidesEqual,
    SidesSum,
    AnglesSum,
    AnglesInequality,
    NoClosure,
    SineSide,
    SineAngle,
    Undetermined,
    DegenerateSide,
    DegenerateAngle,
    Degenerate,
    // After every field not read whole: inputs, options.
    RuleInputs,
    RuleOptions,
    // An option field that cannot be drawn with.
    ParallelsEmpty,
    ParallelsZero,
    MeridiansEmpty,
    MeridiansZero,
    ParallelsTooFine,
    MeridiansTooFine,
    OptionTooLarge,
    // What a screen reader hears.
    AnnounceMessage,
    AnnounceSolution,
    AnnounceAdditional,
    AnnounceElement,

    // The command line.
    CliUsage,
    CliHelp,
    CliMalformed,
    CliBadOption,
    CliNeedsValue,
    CliImageNeedsFile,
    CliBadView,
    CliBadSize,
    CliPictureWithoutImage,
    CliImageOfOne,
    CliNotNameValue,
    CliNotElement,
    CliElementTwice,
    CliImageNotDrawn,
    CliCannotDraw,
    CliBadLanguage,
    CliBadFormat,
    CliBadDecimals,
    TsvTriangle,
    TsvGiven,
    TsvMessage,

    // The window: its captions, menus, accessible names and descriptions, dialogs and the
    // failures of writing a file.
    WinTitle,
    WinCalculate,
    WinEnterData,
    WinAdditional,
    WinDrawingOptions,
    ActHelp,
    ActFace,
    LayerFarSide, // the layers of a picture's SVG, as an SVG editor names them
    LayerGrid,
    LayerSolution,
    LayerAdditional,
    LayerNames,
    LayerHalos,
    WinWorking,
    WinNavigation,
    ActWorking,
    ActNavigation,
    WorkingTitle,
    WorkingSearchHint,
    WorkingSearch,
    WorkingFindNext,
    WorkingPrint,
    WorkingClose,
    ActCopyResults,
    ActCopyImage,
    ActSaveImage,
    ActExportSheet,
    ActClassic,
    ActSideNames,
    ActCopy,
    ActSelectAll,
    MenuLanguage,
    LanguageSpanish,
    LanguageEnglish,
    HeadExcess,
    HeadArea,
    HeadPerimeter,
    MeaningExcess,
    MeaningArea,
    MeaningPerimeter,
    RowAdditional,
    AccessibleNamed,
    AccessibleStatus,
    AccessibleSphere,
    AccessibleDiagram,
    DiagramDescription,
    CueRed,
    CueBlue,
    PictureNothing,
    PictureSphere,
    PictureClassicOne,
    PictureClassicTwo,
    PictureReadableOne,
    PictureReadableTwo,
    PictureVertices,
    PictureMissingBoth,
    PictureMissingPrimary,
    PictureMissing,
    PictureMissingAdditional,
    DialogSaveImage,
    FilterPng,
    FilterSvg,
    FileImage,
    DialogExportSheet,
    FilterPdf,
    FileSheet,
    WriteCannotCreate,
    WriteFailed,
    WriteNotReplaced,
    WriteError,
    WriteFailure,
    // The handout page: its headings, its view and the form of its date (a QDate format).
    SheetData,
    SheetCase,
    SheetView,
    SheetDate,
    // The command line's navigation: usages, reasons, the names of the values and of the lines.
    NavSailingUsage,
    NavSightUsage,
    NavUndetermined,
    NavUndefined,
    NavMissing,
    NavNoNumber,
    NavTooLarge,
    NavNotReadWhole,
    NavLatitudeLetter,
    NavLongitudeLetter,
    NavExtraLetter,
    NavSignAndLetter,
    NavLatitudeRange,
    NavLongitudeRange,
    NavHourAngleRange,
    NavAltitudeRange,
    NavExtraText,
    NavDepartureLatitude,
    NavDepartureLongitude,
    NavArrivalLatitude,
    NavArrivalLongitude,
    NavLatitude,
    NavDeclination,
    NavHourAngle,
    NavGreenwichHourAngle,
    NavLongitude,
    NavObserved,
    NavRadiusTwice,
    NavRadiusMissing,
    NavRadiusBad,
    NavNotDatum,
    NavNotNameValue,
    NavDatumTwice,
    NavBothHourAngles,
    NavLongitudeMissing,
    NavLongitudeExtra,
    NavDistanceMiles,
    NavDistanceKm,
    NavInitialCourse,
    NavFinalCourse,
    NavVertexLatitude,
    NavVertexLongitude,
    NavRhumbCourse,
    NavRhumbMiles,
    NavAltitude,
    NavAzimuth,
    NavIntercept,
    NavSense,
    NavToward,
    NavAway,
    NavNoSense,
    // The navigation window: its title, its tabs, the captions, tooltips and examples of its
    // fields and buttons, the names of its results (sailing, then sight, in the order shown), the
    // values, the notes under them and the reasons it gives of its own.
    NavWindowTitle,
    NavTabSailing,
    NavTabSight,
    NavCaptionDeparture,
    NavCaptionArrival,
    NavCaptionRadius,
    NavCaptionLatitude,
    NavCaptionDeclination,
    NavCaptionHourAngle,
    NavCaptionGreenwich,
    NavCaptionLongitude,
    NavCaptionObserved,
    NavCaptionCalculate,
    NavCaptionShowTriangle,
    NavCaptionCopy,
    NavCaptionPicture,
    NavTipPosition,
    NavTipRadius,
    NavTipLatitude,
    NavTipDeclination,
    NavTipHourAngle,
    NavTipGreenwich,
    NavTipLongitude,
    NavTipObserved,
    NavTipShowTriangle,
    NavTipCopy,
    NavTipPicture,
    NavExampleLatitude,
    NavExampleDeclination,
    NavExampleObserved,
    NavResultDistance,
    NavResultInitialCourse,
    NavResultFinalCourse,
    NavResultVertex,
    NavResultRhumbCourse,
    NavResultRhumbDistance,
    NavResultAltitude,
    NavResultAzimuth,
    NavResultIntercept,
    NavMilesAndKm,      // {miles} and {km}
    NavInterceptToward, // {miles}
    NavInterceptAway,   // {miles}
    NavInterceptNone,   // {miles}, when it rounds to 0
    NavNoteBeyondRoute,
    NavNoteMeridian,
    NavNoteEquator,
    NavNoteAntipodal, // {miles}
    NavNoteCoincident,
    NavNoteZenith,
    NavNoteNadir,
    NavNoTriangle,
    NavRadiusReason, // {radius}, quoted
};
inline constexpr int kTexts = static_cast<int>(Text::NavRadiusReason) + 1;

constexpr Text offset(Text first, std::size_t n) {
    return static_cast<Text>(static_cast<int>(first) + static_cast<int>(n));
}

// A place of a template and what it holds.
struct Place {
    std::string_view name;
    std::string value;
};
using Places = std::initializer_list<Place>;

class Catalogue {
public:
    static const Catalogue& of(Language language);
    static const Catalogue& spanish() { return of(Language::Spanish); }

    Language language() const { return language_; }
    // The template of `id`, as written.
    std::string_view text(Text id) const;
    // The template of `id` with its places filled: each {name} by its value, each
    // {name|singular|plural} by the form the value asks for. A place not given stays as written.
    std::string fill(Text id, Places places) const;
    // «text», or the language's quotation marks around `text`.
    std::string quoted(std::string_view text) const {
        return fill(Text::Quoted, {{"text", std::string(text)}});
    }

private:
    using Lookup = std::string_view (*)(Text);
    Catalogue(Language language, Lookup lookup) : language_(language), lookup_(lookup) {}

    Language language_;
    Lookup lookup_;
};

// `sentence` with its places filled, as Catalogue::fill does.
std::string filled(std::string_view sentence, Places places);

// The templates of each language, one file each.
std::string_view spanishText(Text id);
std::string_view englishText(Text id);

} // namespace esferica
