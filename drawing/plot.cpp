// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/plot.h"

#include "drawing/projection.h"
#include "numeric/angles.h"
#include "numeric/portable.h"

#include <vector>

namespace esferica {

namespace {

constexpr int kArcSegments = 100;

bool sameBits(Real a, Real b) {
    return bitsOf(a.value()) == bitsOf(b.value());
}

struct SinCos {
    Real angle, s, c;
};

SinCos sinCos(Real angle) {
    return {angle, sin(angle), cos(angle)};
}

// The sines and cosines of the angles that a plotter steps through, kept from one call to the
// next: the grid draws every parallel through the same parameters and every meridian through the
// same latitudes, each accumulated from the same start by the same step, so most calls find their
// values already computed. Values are reused only for the very same angle, bit for bit (sign of
// zero included), so the results are those of computing them afresh.
class SinCosSequence {
public:
    // Before the first angle of a sequence: returns to its start.
    void restart() { next_ = 0; }
    // The sine and cosine of the next angle of the sequence. The reference lasts until the next
    // call.
    const SinCos& next(Real angle) {
        if (next_ < values_.size() && sameBits(values_[next_].angle, angle))
            return values_[next_++];
        values_.resize(next_); // another sequence from here on
        values_.push_back(sinCos(angle));
        return values_[next_++];
    }

private:
    std::vector<SinCos> values_;
    std::size_t next_ = 0;
};

// One of each per thread: the parameters of the ellipse plotter, the latitudes of the arc plotter.
thread_local SinCosSequence ellipseParameters, arcLatitudes;

void moveTo(Surface& dib, Real x, Real y) {
    dib.setCurrentX(toSingle(x));
    dib.setCurrentY(toSingle(y));
}

} // namespace

void elipse(Surface& dib, Real x0, Real y0, Real a, Real b, Real incl, Real stang, Real stpang) {
    const Real ci = cos(incl), si = sin(incl);
    const auto x = [&](const SinCos& t) {
        return x0 + (a * t.c) * ci - (b * t.s) * si;
    };
    const auto y = [&](const SinCos& t) {
        return y0 + (a * t.c) * si + (b * t.s) * ci;
    };

    const Real h = kPi / kSegmentsPerHalfTurn;
    const SinCos start = sinCos(stang);
    moveTo(dib, x(start), y(start));
    const Real last = stpang + h / 2;
    ellipseParameters.restart();
    for (Real t = stang; t <= last;) {
        const SinCos& at = ellipseParameters.next(t);
        dib.Line(toSingle(x(at)), toSingle(y(at)));
        const Real next = t + h;
        if (next == t) // a parameter so large that the step is lost in rounding
            break;
        t = next;
    }
}

void arco(Surface& dib, Real lat1, Real long1, Real lat2, Real long2, Real incfront) {
    const SinCos inc = sinCos(incfront);
    SinCos lonAt = sinCos(long1);
    arcLatitudes.restart();
    {
        const SinCos& start = arcLatitudes.next(lat1);
        moveTo(dib, PosxOf(start.c, lonAt.c), PosyOf(start.s, start.c, inc.s, inc.c, lonAt.s));
    }
    const Real dlat = (lat2 - lat1) / kArcSegments;
    const Real dlong = (long2 - long1) / kArcSegments;
    Real lat = lat1, lon = long1;
    for (int i = 1; i <= kArcSegments; ++i) {
        lat += dlat;
        lon += dlong;
        if (!sameBits(lon, lonAt.angle)) // a meridian keeps its longitude
            lonAt = sinCos(lon);
        const SinCos& at = arcLatitudes.next(lat);
        const Real y = PosyOf(at.s, at.c, inc.s, inc.c, lonAt.s);
        const Real x = PosxOf(at.c, lonAt.c);
        dib.Line(toSingle(x), toSingle(y));
        moveTo(dib, x, y);
    }
}

} // namespace esferica
