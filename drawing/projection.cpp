#include "drawing/projection.h"

namespace esferica {

Real Posx(Real latitud, Real longitud, Real /*incfront*/) {
    return cos(latitud) * cos(longitud);
}

Real Posy(Real latitud, Real longitud, Real incfront) {
    return sin(latitud) * cos(incfront) + (cos(latitud) * sin(incfront)) * sin(longitud);
}

} // namespace esferica
