// SPDX-License-Identifier: GPL-3.0-or-later
// How a click flows: the calculate command reads the six input fields (degrees, Val rules),
// counts the given elements and refuses anything but three, picks the case from which three were
// given and runs its solver, shows the six elements (and the additional triangle of an ambiguous
// case) rounded to two decimals, and goes on into the drawing stage. Everything runs in one
// synchronous call under a resume-next regime: a step that meets an arithmetic failure is
// abandoned, the failure is recorded as pending and the next step runs; the pending failure is
// tested once the case is solved ("No existe solución") and again by the drawing stage.
//
// Calculator is the form without its toolkit: the state that lives as long as the window and
// the command that works on it through a FormView.
#pragma once

#include "command/view.h"
#include "drawing/scene.h"
#include "fitting/state.h"
#include "solver/triangle.h"

#include <optional>

namespace esferica {

// The view of the sphere in degrees, as the option fields "Inclinación" and "Rotación" hold it.
struct ViewAngles {
    double inclination = 0, rotation = 0;
    friend bool operator==(const ViewAngles&, const ViewAngles&) = default;
};

// The inclination a turn stops at either way: the polar axis pointing straight at the viewer, or
// straight away.
inline constexpr double kMaxTurnedInclination = 90;

// `from` turned by the given degrees and rounded to tenths of a degree, so that the option fields
// can show it exactly: the inclination kept within +-kMaxTurnedInclination, the rotation wrapped
// into (-180, 180]. A view from the fields that lies outside those ranges is brought into them
// first, so a turn never jumps by a whole revolution.
ViewAngles turned(ViewAngles from, double inclinationDeg, double rotationDeg);

// How a run of the command ended.
enum class RunEnd {
    Drawn,           // results shown and the picture redrawn
    Underdetermined, // fewer than three elements given
    Overdetermined,  // more than three elements given
    NoSolution,      // no triangle fits: all result labels empty
    BadDrawingData,  // results shown, but an option field made the picture unusable
};

// What one run produced, in radians before rounding: for callers that check the command itself
// (tests, the fuzzer); the window ignores it.
struct RunReport {
    RunEnd end = RunEnd::Drawn;
    TriangleSolution primary;
    TriangleSolution additional;
    bool twoSolutions = false;
};

class Calculator {
public:
    // The command behind "&Calcular": one whole run, from reading the fields to the drawing.
    RunReport calculate(FormView& view);

    const TriangleSolution& primary() const { return primary_; }

    // Whether the picture shows a drawn scene: the last run drew, and no message has cleared the
    // picture since. Turning and redrawing do nothing without one.
    bool hasScene() const { return scene_.has_value(); }
    // The view that the scene was last drawn under, in degrees (zero without a scene).
    ViewAngles sceneView() const;

    // Draws the last scene again as it stands, on a picture that has changed size: the triangles
    // of the last successful run with that run's grid spacings, through the drawing of a click
    // (same grid, same fit of side c, same status text). No field changes and no message opens.
    // Returns false, drawing nothing, without a scene.
    bool redraw(FormView& view);
    // Turns the scene to `angles`: writes them into the option fields of the inclination and the
    // rotation (whole degrees, or one decimal, with the locale's separator), then draws the scene
    // as redraw() does under the values read back from those texts, which are exactly what the
    // next Calcular reads. Returns false, touching nothing, without a scene.
    bool turnTo(FormView& view, ViewAngles angles);

private:
    // What the picture shows after a successful run, kept to be drawn again.
    struct Scene {
        DrawingOptions options; // the spacings of the run; the view of the last drawing
        ViewAngles angles;      // the same view in degrees, as read from the fields
        TriangleSolution primary, additional;
        bool twoSolutions = false;
    };
    // Draws the scene on the cleared picture and sets the status label.
    void drawSceneOf(ResumeNext& run, FormView& view, Scene& scene);

    TriangleSolution primary_;
    std::optional<Scene> scene_;
    Placement placement_;
    FittingState fitting_;
};

} // namespace esferica
