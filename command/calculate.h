// SPDX-License-Identifier: GPL-3.0-or-later
// How a click flows. The window hands the ten texts of its fields to Calculator::calculate, which
// computes one value, a Calculation, without touching the window: it reads the six input fields
// (degrees, Val rules) and the four option fields, counts the given elements and refuses anything
// but three, picks the case from which three were given and solves it, and checks that the
// options can be drawn with. The value says how the click ended (one or two triangles, a count
// message, no triangle, unusable drawing options) and holds everything a front-end shows: what
// each field was read as, which elements were given, the triangles and the scene to draw.
//
// A front-end then presents the value in one pass. The window (qt/frmTrianguloEsf.cpp) writes the
// result labels and their tooltips, hands the value to the exporter, draws the picture through
// Calculator::drawPicture and opens the message box; the command line (cli/resolver.cpp) prints
// the table of results or the message. Turning the picture and growing the window draw the same
// scene again through drawPicture, without computing anything.
#pragma once

#include "drawing/scene.h"
#include "fitting/state.h"
#include "solver/cases.h"
#include "solver/triangle.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

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

// What one field's text was read as.
struct Reading {
    // The number read, in degrees, or none when it lies beyond what a double holds (the number
    // is 0 when the text does not begin with one).
    std::optional<double> degrees;
};

// How a click ended.
enum class Outcome {
    Solved,          // one or two triangles, and a scene to draw
    Underdetermined, // fewer than three elements given
    Overdetermined,  // more than three elements given
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
    std::array<bool, kElements> given{};
    Outcome outcome = Outcome::Underdetermined;
    // The case the three given elements form, once exactly three were given.
    std::optional<Case> kind;
    // The elements as read, in radians; the solution once solved.
    TriangleSolution primary;
    // The second triangle of an ambiguous case, when the data fit two.
    std::optional<TriangleSolution> additional;
    // What the picture draws: the triangles under the options read, once solved and drawable.
    std::optional<Scene> scene;
    ViewAngles view; // the scene's view, in degrees, as read from the fields

    bool isGiven(Element e) const { return given[index(e)]; }
    // Whether the triangles are shown: solved, whether or not the picture can be drawn.
    bool hasTriangles() const {
        return outcome == Outcome::Solved || outcome == Outcome::BadDrawingData;
    }
};

// The value of one click, from the ten texts. An input field whose number lies beyond the double
// range keeps the element of `carried`, the primary triangle of the click before, for the count
// of given elements (kept on purpose: a field that cannot be read stores nothing); with three
// given, such a field fits no triangle.
Calculation compute(const FieldTexts& fields, const TriangleSolution& carried = {});

// The inclination a turn stops at either way: the polar axis pointing straight at the viewer, or
// straight away.
inline constexpr double kMaxTurnedInclination = 90;

// `from` turned by the given degrees and rounded to tenths of a degree, so that the option fields
// can show it exactly: the inclination kept within +-kMaxTurnedInclination, the rotation wrapped
// into (-180, 180]. A view from the fields that lies outside those ranges is brought into them
// first, so a turn never jumps by a whole revolution.
ViewAngles turned(ViewAngles from, double inclinationDeg, double rotationDeg);

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
    // read as (Val rules), which is exactly what the next click reads. Returns false, changing
    // nothing, without a scene or when a text does not read.
    bool turnTo(std::string_view inclination, std::string_view rotation);

    // Draws what the picture shows after the last click: the scene (cleared, then the sphere and
    // the triangles), or a cleared picture when there is none. The same after a click, a turn
    // and a change of size.
    SceneDrawing drawPicture(Surface& picture);

    // Which picture drawPicture draws, from now on: the classic one unless told otherwise (the
    // window sets the user's choice).
    void setPictureStyle(PictureStyle style);
    PictureStyle pictureStyle() const { return style_; }

private:
    Calculation last_;
    std::optional<Scene> scene_;
    PictureStyle style_ = PictureStyle::Classic;
    ViewAngles view_;
    FittingState fitting_;
};

} // namespace esferica
