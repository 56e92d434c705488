// SPDX-License-Identifier: GPL-3.0-or-later
// The readable picture (drawing/scene.h): the lines that the classic picture draws, placed as it
// places them, with the cues that tie the picture to the numbers.
//   - Depth: every line is split where it passes behind the sphere's outline. The far side of the
//     grid is drawn first, in light grey, then the near side and the outline in black as in the
//     classic picture; a triangle's far parts are dashed.
//   - Colours: the solution in red, on top of the additional triangle in blue, both twice as wide
//     as the grid's lines; where they run together, the two colours alternate along the line.
//   - Names: each vertex carries its name in its triangle's colour, outside the triangle beside
//     the vertex, and each side its name at its middle (unless the scene leaves them out); the
//     additional triangle's own vertices and sides are primed. No name overlaps another, and their
//     white halos clear the grid under them but no line of a triangle.
//   - Side c is fitted as in the classic picture, but an arc that is not the image of the side is
//     refused and, when no start is accepted, the fit starts from the exact image (fitSide in
//     drawing/side.h); the arc ends exactly at the projected vertices.
#pragma once

#include "drawing/depth.h"
#include "drawing/scene.h"

#include <string_view>
#include <vector>

namespace esferica {

inline constexpr std::int32_t kSolutionColor = kRed;
inline constexpr std::int32_t kAdditionalColor = kBlue;
inline constexpr int kTriangleWidth = 2 * kThinLine;

enum class Vertex { A, B, C };
inline constexpr std::array<Vertex, 3> kVertices{Vertex::A, Vertex::B, Vertex::C};

// The name of a vertex in the picture: "A", "B" or "C" for the solution's vertices and for an
// additional triangle's vertex that lies where the solution's does; "A′", "B′" or "C′" (UTF-8, the
// prime U+2032) for the additional triangle's other vertices.
std::string_view vertexName(Vertex v, bool additional, bool shared);
// The name of the side opposite the vertex `opposite`, likewise: "a", "b" or "c", or "a′", "b′" or
// "c′" for a side of the additional triangle's own.
std::string_view sideName(Vertex opposite, bool additional, bool shared);

// Draws each arc's far parts dashed, then their near parts solid, in `colour` and `width`, each
// arc a step of `run`: as the readable picture draws a triangle's sides.
void drawArcs(ResumeNext& run, Surface& dib, const std::vector<Arc>& arcs, std::int32_t colour,
              int width = kTriangleWidth);

// Which way the name of the point `at` goes from it: away from the lines that meet there, which
// run towards the points `ends`, as the readable picture names a vertex (outwards from the
// sphere's centre near the outline, straight up at the centre). Raises ArithmeticFailure when an
// end is `at` itself or its opposite point.
Flat nameDirection(const Seen& at, const std::vector<Seen>& ends);

// The grid of the readable picture, collected while drawScene sweeps its lines and drawn at once,
// so that the whole far side lies under the near side.
class ReadableGrid {
public:
    explicit ReadableGrid(Real inclination);
    void addParallel(Real phi) { parallels_.push_back(phi); }
    void addMeridian(Real lambda) { meridians_.push_back(lambda); }
    // The far parts of every line in light grey, then the near parts and the outline in black,
    // each line's parts a step of `run`. Leaves the pen thin and solid.
    void draw(ResumeNext& run, Surface& dib) const;

private:
    Tilt tilt_;
    std::vector<Real> parallels_, meridians_;
};

// Places and draws the scene's triangles in the readable picture, then the names of their
// vertices, each side and each name a step of `run`; `reference` is the longitude of vertex A.
// Returns what it drew; a side c is missing only when an arithmetic failure left it without an arc.
SceneDrawing drawReadableTriangles(ResumeNext& run, Surface& dib, const Scene& scene,
                                   Real reference, FittingState& fitting);

} // namespace esferica
