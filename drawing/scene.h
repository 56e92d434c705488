// The drawing stage of the calculate command: the wire-frame sphere under the view set by the
// option fields, and the solved triangles on it in red.
#pragma once

#include "command/view.h"
#include "fitting/state.h"
#include "numeric/checked.h"
#include "solver/triangle.h"

namespace esferica {

// The most lines a family of the grid may have. A spacing that needs more is refused as unusable
// drawing data, as a spacing of zero is: its lines could not be told apart (at 0.018 degrees the
// parallels are a tenth of a pixel apart), it would keep the window busy for seconds (this many
// parallels and as many meridians take half a second to draw, ten times as many five seconds), and
// small enough it would never advance the accumulated angle.
inline constexpr double kMaxGridLines = 10'000;

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
