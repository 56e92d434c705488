#include "drawing/plot.h"

#include "drawing/projection.h"
#include "numeric/angles.h"

namespace esferica {

namespace {

constexpr int kArcSegments = 100;

void moveTo(Surface& dib, Real x, Real y) {
    dib.setCurrentX(toSingle(x));
    dib.setCurrentY(toSingle(y));
}

} // namespace

void elipse(Surface& dib, Real x0, Real y0, Real a, Real b, Real incl, Real stang, Real stpang) {
    const Real ci = cos(incl), si = sin(incl);
    const auto x = [&](Real t) {
        return x0 + (a * cos(t)) * ci - (b * sin(t)) * si;
    };
    const auto y = [&](Real t) {
        return y0 + (a * cos(t)) * si + (b * sin(t)) * ci;
    };

    const Real h = kPi / kSegmentsPerHalfTurn;
    moveTo(dib, x(stang), y(stang));
    const Real last = stpang + h / 2;
    for (Real t = stang; t <= last;) {
        dib.Line(toSingle(x(t)), toSingle(y(t)));
        const Real next = t + h;
        if (next == t) // a parameter so large that the step is lost in rounding
            break;
        t = next;
    }
}

void arco(Surface& dib, Real lat1, Real long1, Real lat2, Real long2, Real incfront) {
    moveTo(dib, Posx(lat1, long1, incfront), Posy(lat1, long1, incfront));
    const Real dlat = (lat2 - lat1) / kArcSegments;
    const Real dlong = (long2 - long1) / kArcSegments;
    Real lat = lat1, lon = long1;
    for (int i = 1; i <= kArcSegments; ++i) {
        lat += dlat;
        lon += dlong;
        const Real y = Posy(lat, lon, incfront);
        const Real x = Posx(lat, lon, incfront);
        dib.Line(toSingle(x), toSingle(y));
        moveTo(dib, x, y);
    }
}

} // namespace esferica
