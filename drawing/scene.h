// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing stage of the calculate command: the wire-frame sphere under a view, and the solved
// triangles on it. It takes numbers only: the command reads the option fields, checks them and
// shows the messages, so the same scene can be drawn again under another view.
//
// Two pictures of the same scene. The classic one draws the grid and the outline in black and
// every triangle in red, with thin lines and nothing else. The readable one (the window's default)
// lets the student match it to the numbers: the grid and the outline on the far side of the sphere
// in light grey, the triangles twice as wide, the additional one in blue, their far parts dashed,
// and the names of the vertices beside them (drawing/readable.h).
#pragma once

#include "drawing/surface.h"
#include "fitting/state.h"
#include "numeric/checked.h"
#include "solver/triangle.h"

#include <array>
#include <optional>

namespace esferica {

// The most lines a family of the grid may have. A spacing that needs more is refused as unusable
// drawing data, as a spacing of zero is: its lines could not be told apart (at 0.018 degrees the
// parallels are a tenth of a pixel apart), it would keep the window busy for seconds (this many
// parallels and as many meridians take a quarter of a second to draw, ten times as many over two
// seconds), and small enough it would never advance the accumulated angle.
inline constexpr double kMaxGridLines = 10'000;

// The four drawing options, in radians: the spacing of the parallels and of the meridians (a
// negative spacing draws no line of its family), the tilt of the polar axis towards the viewer
// (the `incfront` of the projection) and the turn of the grid and the triangles about it.
struct DrawingOptions {
    Real latstep, longstep, inclination, rotation;
};

enum class PictureStyle { Classic, Readable };

// What the picture shows: the sphere and its grid under the options, and the solved triangles, in
// one of the two pictures.
struct Scene {
    DrawingOptions options;
    TriangleSolution primary;
    std::optional<TriangleSolution> additional;
    PictureStyle style = PictureStyle::Classic;
    // Whether the readable picture names the sides as well as the vertices.
    bool sideNames = true;
};

// How much of the grid a drawing may leave out. A still picture draws every line. While the
// sphere is turned by hand each redraw has to keep up with the hand, and at a fine grid nearly all
// of its time would go into lines that the picture cannot show apart (at 0.018 degrees the
// parallels are a tenth of a pixel apart). Such a family is drawn thinned: every k-th of its
// lines, for the least k that puts them kMovingLinesApart pixels apart across the middle of the
// sphere, where lines of the grid are farthest apart. The lines of the far side fall between
// them, and everywhere else they draw closer, so the drawn lines stay about a pixel apart or less,
// and the picture looks the same at a glance.
inline constexpr double kMovingLinesApart = 1.5;
struct GridThinning {
    // The picture's width in pixels while the sphere moves; 0, or less, draws every line.
    double pixelsAcross = 0;
};

// Which sides c a drawing left out, because no fit was found for them, what it drew, and whether
// it thinned the grid.
struct SceneDrawing {
    bool primarySideMissing = false;
    bool additionalSideMissing = false;
    bool gridThinned = false;
    int missingSides() const { return int{primarySideMissing} + int{additionalSideMissing}; }
    // How many triangles the picture shows: none when it was only cleared.
    int triangles = 0;
    PictureStyle style = PictureStyle::Classic;
    // Which vertices (A, B, C) of the additional triangle lie where the solution's do: the
    // readable picture names each of them once, as the solution's.
    std::array<bool, 3> sharedVertices{};
};

// The first steps of the drawing stage, before the options are read: sets the user coordinates
// (the unit sphere with a margin of 0.2 on every side, y up), clears the picture and sets black.
// Each operation is a step of `run`.
void clearScene(ResumeNext& run, Surface& dib);

// Draws on the cleared picture the outline, the parallels and the meridians in black, then the
// primary triangle in red with vertex C at the north pole, side b on the meridian at longitude
// -90 degrees - rotation and side a at angle C from it, and the additional triangle likewise.
// Every statement is a step of `run`, and a failing one leaves the rest of the picture to be
// drawn; a side c that finds no fit is missing from the picture, and from the result. The
// readable picture places the same lines and adds its cues (drawing/readable.h). The grid is
// thinned as `thinning` allows; the triangles are always drawn whole.
SceneDrawing drawScene(ResumeNext& run, Surface& dib, const Scene& scene, FittingState& fitting,
                       const GridThinning& thinning = {});

} // namespace esferica
