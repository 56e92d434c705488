// The drawing stage of the calculate command: the wire-frame sphere under the view set by the
// option fields, and the solved triangles on it in red.
#pragma once

#include "fitting/state.h"
#include "form/toolkit.h"
#include "solver/checked.h"
#include "solver/triangle.h"

namespace esferica {

// Where the primary triangle's vertices A and B were placed on the sphere (radians); vertex C is
// the north pole. Kept by the form between runs and rewritten before every use.
struct DrawingState {
    Real latA, latB, longA, longB;
};

// Redraws the picture from scratch: reads the four option fields, draws outline, parallels and
// meridians in black, then the primary triangle in red with vertex C at the north pole and, when
// `additional` is given, the additional triangle. Runs as the tail of the calculate command and
// shares its resume-next regime: `run` holds the failure pending since the command began, and a
// pending failure once the options are read stops the stage with Message::BadDrawingData and an
// empty picture. Returns false in that case, true when it drew.
bool drawScene(ResumeNext& run, FormView& view, const TriangleSolution& primary,
               const TriangleSolution* additional, DrawingState& drawing, FittingState& fitting);

} // namespace esferica
