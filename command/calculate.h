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

namespace esferica {

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

private:
    TriangleSolution primary_;
    Placement placement_;
    FittingState fitting_;
};

} // namespace esferica
