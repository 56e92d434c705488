// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/projection.h"

namespace esferica {

Real Posx(Real latitud, Real longitud, Real /*incfront*/) {
    return PosxOf(cos(latitud), cos(longitud));
}

Real Posy(Real latitud, Real longitud, Real incfront) {
    return PosyOf(sin(latitud), cos(latitud), sin(incfront), cos(incfront), sin(longitud));
}

} // namespace esferica
