// SPDX-License-Identifier: GPL-3.0-or-later
// The picture shows the unit sphere in orthographic projection, its polar axis tilted out of the
// picture plane by the inclination. The sphere's centre is the origin of the picture's user
// coordinates and its outline the unit circle, x to the right and y up.
#pragma once

#include "numeric/checked.h"

namespace esferica {

// x of the image of the point at `latitud`, `longitud` (radians): cos(lat) * cos(long).
// `incfront` does not enter x; it is taken for symmetry with Posy. The result lies in [-1, 1].
Real Posx(Real latitud, Real longitud, Real incfront);

// y of the image: sin(lat) * cos(inc) + cos(lat) * sin(inc) * sin(long), in [-1, 1]. At
// incfront = 0 the polar axis lies along the picture's y axis. Depth is not computed: points of
// the far hemisphere project as near ones do.
Real Posy(Real latitud, Real longitud, Real incfront);

// Posx and Posy from the sines and cosines of their angles, for the plotters, whose points share
// latitudes, longitudes and the inclination: the very operations of Posx and Posy, in their order,
// so the results are the same to the last bit.
inline Real PosxOf(Real cosLat, Real cosLong) {
    return cosLat * cosLong;
}
inline Real PosyOf(Real sinLat, Real cosLat, Real sinInc, Real cosInc, Real sinLong) {
    return sinLat * cosInc + (cosLat * sinInc) * sinLong;
}

} // namespace esferica
