// SPDX-License-Identifier: GPL-3.0-or-later
// How a click flows. The window hands the ten texts of its fields to Calculator::calculate, which
// computes one value, a Calculation, without touching the window: it reads the six input fields
// (degrees, command/numbers.h) and the four option fields, refuses a field that was not read
// whole, counts the given elements and refuses anything but three, picks the case from which
// three were given and solves it, and checks that the options can be drawn with. The value says
// how the click ended (one or two triangles, a field not read whole, a count message, no
// triangle, unusable drawing options) and holds everything a front-end shows: what each field was
// read as, which elements were given, the triangles and the scene to draw.
//
// A front-end then presents the value in one pass, through the View that present/view.h makes of
// it in the user's units and language. The window (qt/window/frmTrianguloEsf.cpp) writes the view's
// result labels and tooltips, marks and measures, draws the picture through
// Calculator::drawPicture and opens the message box; the command line (cli/resolver.cpp) prints
// the view's table of results or its message. Turning the picture and growing the window draw the
// same scene again through drawPicture, without computing anything.
#pragma once

#include "drawing/scene.h"
#include "fitting/state.h"
#include "solver/cases.h"
#include "solver/diagnosis.h"
#include "solver/measures.h"
#include "solver/triangle.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace esferica {

// The option fields, in the window's order.
enum class OptionField { LatSpacing, LongSpacing, Inclination, Rotation };
inline constexpr int kOptionFields = 4;
constexpr std::size_t index(OptionField f) {
    return static_cast<std::size_t>(f);
}
// What the option fields hold when the window opens: parallels every 15 degrees, meridians every
// 20, inclination 30, rotation 10.
inline constexpr std::array<const char*, kOptionFields> kDefaultOptionTexts{"15", "20", "30", "10"};

// The texts of the window's ten fields as typed, UTF-8.
struct FieldTexts {
    std::array<std::string, kElements> inputs; // a, b, c, A, B, C
    std::array<std::string, kOptionFields> options{kDefaultOptionTexts[0], kDefaultOptionTexts[1],
                                                   kDefaultOptionTexts[2], kDefaultOptionTexts[3]};

    std::string& operator[](Element e) { return inputs[index(e)]; }
    const std::string& operator[](Element e) const { return inputs[index(e)]; }
    std::string& operator[](OptionField f) { return options[index(f)]; }
    const std::string& operator[](OptionField f) const { return options[index(f)]; }
};

// One of the ten fields.
using Field = std::variant<Element, OptionField>;

// What one field's text was read as (command/numbers.h).
struct Reading {
    // The number read, in degrees, or none when it lies beyond what a double holds (the number
    // is 0 when the text does not begin with one).
    std::optional<double> degrees = 0.0;
    std::string read;  // the part of the text that was read, from its start
    std::string left;  // the rest, without its leading and trailing blanks: empty when read whole
    std::string typed; // the whole text, as typed

    // Whether something of the text was not read: the field is marked, and not used.
    bool partly() const { return !left.empty(); }
};

// Why an option field cannot be drawn with.
enum class OptionProblem {
    NoSpacing,    // a spacing of 0: an empty field, blanks or a zero
    TooFine,      // a spacing that needs more than kMaxGridLines lines of its family
    TooLarge,     // a number beyond the double range, or that overflows on the way to radians
    NotReadWhole, // a text that was not read whole (every such option field is named)
};
struct BadOption {
    OptionField field;
    OptionProblem problem;
};

// How a click ended.
enum class Outcome {
    Solved,          // one or two triangles, and a scene to draw
    Underdetermined, // fewer than three elements given
    Overdetermined,  // more than three elements given
    NotReadWhole,    // a non-empty input field was not read whole: nothing is solved
    NoSolution,      // no triangle fits the data
    BadDrawingData,  // triangles solved, but an option field cannot be drawn with
};

// The view of the sphere in degrees, as the option fields "Inclinación" and "Rotación" hold it.
struct ViewAngles {
    double inclination = 0, rotation = 0;
    friend bool operator==(const ViewAngles&, const ViewAngles&) = default;
};

// Everything one click computes.
struct Calculation {
    std::array<Reading, kElements> inputs;
    std::array<Reading, kOptionFields> options;
    // Which elements count as given: those whose field reads as a number other than 0 (a field
    // that cannot be read keeps the element of the click before; see Calculator::calculate).
    // None once a field was not read whole.
    std::array<bool, kElements> given{};
    Outcome outcome = Outcome::Underdetermined;
    // The case the three given elements form, once exactly three were given.
    std::optional<Case> kind;
    // The elements as read, in radians; the solution once solved.
    TriangleSolution primary;
    // The second triangle of an ambiguous case, when the data fit two.
    std::optional<TriangleSolution> additional;
    // The measures of the solution and of the additional triangle, once solved.
    std::optional<Measures> primaryMeasures, additionalMeasures;
    // What the picture draws: the triangles under the options read, once solved and drawable.
    std::optional<Scene> scene;
    // Why no triangle was solved (Outcome::NoSolution): a given element outside (0, 180) degrees
    // or beyond the double range, or else the reason the case fits no triangle.
    std::optional<Element> outOfRange;
    std::optional<NoTriangleReason> noTriangle;
    // The first option field that cannot be drawn with (Outcome::BadDrawingData); a field not read
    // whole comes before any other problem.
    std::optional<BadOption> badOption;
    ViewAngles view; // the scene's view, in degrees, as read from the fields

    bool isGiven(Element e) const { return given[index(e)]; }
    const Reading& reading(Element e) const { return inputs[index(e)]; }
    const Reading& reading(OptionField f) const { return options[index(f)]; }
    const Reading& reading(const Field& f) const {
        if (const auto* e = std::get_if<Element>(&f))
            return reading(*e);
        return reading(std::get<OptionField>(f));
    }
    // The fields whose text was not read whole, the six input fields first.
    std::vector<Field> fieldsNotReadWhole() const;
    // Whether the triangles are shown: solved, whether or not the picture can be drawn.
    bool hasTriangles() const {
        return outcome == Outcome::Solved || outcome == Outcome::BadDrawingData;
    }
};

// The result labels that show a value: the six elements of the solution, then the six of the
// additional triangle.
inline constexpr int kResultLabels = 2 * kElements;

// The value of one click, from the ten texts. An input field not read whole solves nothing
// (Outcome::NotReadWhole), nor does an option field (Outcome::BadDrawingData, the triangles
// solved). An input field whose number lies beyond the double range keeps the element of
// `carried`, the primary triangle of the click before, for the count of given elements (kept on
// purpose: a field that cannot be read stores nothing, nor does one not read whole); with three
// given, such a field fits no triangle.
Calculation compute(const FieldTexts& fields, const TriangleSolution& carried = {});

// The inclination a turn stops at either way: the polar axis pointing straight at the viewer, or
// straight away.
inline constexpr double kMaxTurnedInclination = 90;

// `from` turned by the given degrees, unrounded, so that a turn made of many small steps (a drag a
// fraction of a pixel at a time) adds up to the whole: the rotation wrapped into [-180, 180]
// (inTenths shows -180 as 180), the inclination stopped at +-kMaxTurnedInclination. A view typed
// beyond that range turns from where it is: towards the range by the step, never further out (120
// turned by -0.5 is 119.5, by +0.5 stays 120). A rotation of many turns starts from its place
// within one.
ViewAngles turned(ViewAngles from, double inclinationDeg, double rotationDeg);

// The view, in degrees, under which the triangle `t` faces the viewer: the middle of its three
// vertices (their sum, on the sphere) at the picture's centre and vertex C straight above it, on
// the meridian that the view shows upright. The inclination lies in (-90, 90) and the rotation in
// [-180, 180].
ViewAngles facingView(const TriangleSolution& t);

// The view as the option fields show it, rounded to tenths of a degree: a rotation of -180 as 180,
// and +0 rather than -0, which the fields would show as "-0".
ViewAngles inTenths(ViewAngles view);

// The window's computing half: the value of the last click, and the scene the picture shows,
// which turning changes. The fit of side c keeps its state between drawings, as the window does.
class Calculator {
public:
    // One click of "&Calcular": the value of the ten texts, carrying over from the last click the
    // elements of fields that cannot be read. The scene becomes the value's, or none.
    const Calculation& calculate(const FieldTexts& fields);
    const Calculation& last() const { return last_; }

    // Whether the picture shows a drawn scene: the last click drew, and turning has something to
    // turn.
    bool hasScene() const { return scene_.has_value(); }
    // The view that the scene is drawn under, in degrees (zero without a scene).
    ViewAngles sceneView() const { return scene_ ? view_ : ViewAngles{}; }

    // Turns the scene to the view that these texts of the fields "Inclinación" and "Rotación"
    // read as, which is exactly what the next click reads. Returns false, changing nothing,
    // without a scene or when a text is not read whole or its number does not convert.
    bool turnTo(std::string_view inclination, std::string_view rotation);

    // A turn by hand: adds the given degrees to the view that the turns since the last click have
    // reached, unrounded (turned(), from sceneView() at first), and returns that view as the
    // fields show it (inTenths), for the front-end to write into them and turnTo. Changes no
    // drawing; without a scene, returns sceneView().
    ViewAngles turnBy(double inclinationDeg, double rotationDeg);

    // Draws what the picture shows after the last click: the scene (cleared, then the sphere and
    // the triangles), or a cleared picture when there is none. The same after a click, a turn
    // and a change of size; while the sphere is turned by hand, with the grid thinned as
    // `thinning` allows.
    SceneDrawing drawPicture(Surface& picture, const GridThinning& thinning = {});

    // Which picture drawPicture draws, from now on: the classic one unless told otherwise (the
    // window sets the user's choice).
    void setPictureStyle(PictureStyle style);
    // Whether the readable picture names the sides, from now on: it does unless told otherwise.
    void setSideNames(bool named);

    // A turn that brings the solution to face the viewer, C up (facingView): sets the travel of
    // the turns by hand there and returns that view as the fields show it, as turnBy does. Without
    // a scene, returns sceneView().
    ViewAngles turnToFace();

private:
    Calculation last_;
    std::optional<Scene> scene_;
    PictureStyle style_ = PictureStyle::Classic;
    bool sideNames_ = true;
    ViewAngles view_;
    std::optional<ViewAngles> travelled_; // where turnBy has brought the view since the click
    FittingState fitting_;
};

} // namespace esferica
