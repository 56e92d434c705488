// SPDX-License-Identifier: GPL-3.0-or-later
// The triangles that fit three given elements, constructed independently of the solvers and in
// more than double precision (long double, or __float128 through libquadmath): points and great
// circles on the sphere as vectors, the ambiguous cases solved by harmonic addition rather than by
// the sine rule or a quadratic, the angle-heavy cases through the polar triangle. Elements are in
// degrees, a, b, c, A, B, C.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <quadmath.h>
#include <vector>

namespace esferica::testing {

using Quad = __float128;

// The elementary functions of both precisions under one name each.
template <class T> struct Math;
template <> struct Math<long double> {
    using T = long double;
    static T sin(T x) { return std::sin(x); }
    static T cos(T x) { return std::cos(x); }
    static T acos(T x) { return std::acos(x); }
    static T atan2(T y, T x) { return std::atan2(y, x); }
    static T sqrt(T x) { return std::sqrt(x); }
    static T hypot(T x, T y) { return std::hypot(x, y); }
    static T fabs(T x) { return std::fabs(x); }
    static T fmod(T x, T y) { return std::fmod(x, y); }
    static T pi() { return std::acos(T(-1)); }
};
template <> struct Math<Quad> {
    using T = Quad;
    static T sin(T x) { return sinq(x); }
    static T cos(T x) { return cosq(x); }
    static T acos(T x) { return acosq(x); }
    static T atan2(T y, T x) { return atan2q(y, x); }
    static T sqrt(T x) { return sqrtq(x); }
    static T hypot(T x, T y) { return hypotq(x, y); }
    static T fabs(T x) { return fabsq(x); }
    static T fmod(T x, T y) { return fmodq(x, y); }
    static T pi() { return acosq(T(-1)); }
};

template <class T> using Elements = std::array<T, 6>;               // a, b, c, A, B, C in degrees
template <class T> using GivenOf = std::array<std::optional<T>, 6>; // the three given, in degrees

// Below `coincident` a quantity of the construction is taken for an exact coincidence (in degrees,
// or dimensionless for cosines). The verdicts are certain only when no quantity came near one
// without hitting it: closestMiss records the nearest miss for the caller to check.
template <class T> struct Verdicts {
    T coincident;
    T closestMiss = 1;
    void note(T gap) {
        gap = Math<T>::fabs(gap);
        if (gap > coincident)
            closestMiss = std::min(closestMiss, gap);
    }
    bool isCoincident(T gap) {
        note(gap);
        return Math<T>::fabs(gap) <= coincident;
    }
};

// Relabels the vertices: element i of vertex k becomes element i of vertex perm[k].
template <class E> std::array<E, 6> relabel(const std::array<E, 6>& e, std::array<int, 3> perm) {
    std::array<E, 6> r{};
    for (std::size_t k = 0; k < 3; ++k) {
        const auto p = static_cast<std::size_t>(perm[k]);
        r[p] = e[k];
        r[p + 3] = e[k + 3];
    }
    return r;
}

// The relabelling that undoes `perm`.
inline std::array<int, 3> inverseOf(std::array<int, 3> perm) {
    std::array<int, 3> inverse{};
    for (int k = 0; k < 3; ++k)
        inverse[static_cast<std::size_t>(perm[static_cast<std::size_t>(k)])] = k;
    return inverse;
}

template <class T> class Reference {
    using M = Math<T>;

public:
    // Every triangle with all six elements strictly inside (0, 180) degrees that has the given
    // elements; nullopt when infinitely many do.
    static std::optional<std::vector<Elements<T>>> fitting(const GivenOf<T>& given,
                                                           Verdicts<T>& v) {
        int sides = 0;
        for (std::size_t i = 0; i < 3; ++i)
            sides += given[i].has_value();
        if (sides <
            2) { // through the polar triangle, whose sides are the supplements of the angles
            GivenOf<T> dual;
            for (std::size_t i = 0; i < 3; ++i) {
                const auto flip = [](std::optional<T> x) {
                    return x ? std::optional<T>(kHalfTurn - *x) : std::nullopt;
                };
                dual[i] = flip(given[i + 3]);
                dual[i + 3] = flip(given[i]);
            }
            auto found = fitting(dual, v);
            if (found)
                for (Elements<T>& t : *found)
                    t = polar(t);
            return found;
        }
        std::array<int, 3> perm{0, 1, 2};
        do {
            const GivenOf<T> g = relabel(given, perm);
            const auto has = [&](std::size_t i) {
                return g[i].has_value();
            };
            std::optional<std::vector<Elements<T>>> found;
            if (has(0) && has(1) && has(2))
                found = threeSides(*g[0], *g[1], *g[2], v);
            else if (has(1) && has(2) && has(3))
                found = std::vector{sideAngleSide(*g[3], *g[1], *g[2])};
            else if (has(0) && has(1) && has(3))
                found = sideSideAngle(*g[0], *g[1], *g[3], v);
            else
                continue;
            if (!found)
                return found;
            const std::array<int, 3> inverse = inverseOf(perm);
            std::vector<Elements<T>> kept;
            for (const Elements<T>& t : *found) {
                bool inside = true;
                for (T e : t)
                    inside = inside && !v.isCoincident(e) && !v.isCoincident(e - kHalfTurn);
                if (inside)
                    kept.push_back(relabel(t, inverse));
            }
            return kept;
        } while (std::next_permutation(perm.begin(), perm.end()));
        return std::vector<Elements<T>>{}; // not reached: some relabelling fits every three
    }

    // Points of the sphere as vectors (of any length).
    struct Vec {
        T x, y, z;
    };
    static T dot(Vec u, Vec v) { return u.x * v.x + u.y * v.y + u.z * v.z; }
    static Vec cross(Vec u, Vec v) {
        return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    }
    static T norm(Vec u) { return M::sqrt(dot(u, u)); }
    // The arc between two points, in degrees.
    static T arc(Vec u, Vec v) { return deg(M::atan2(norm(cross(u, v)), dot(u, v))); }
    static T rad(T degrees) { return degrees * M::pi() / kHalfTurn; }
    static T deg(T radians) { return radians * kHalfTurn / M::pi(); }

    // The triangle of three points.
    static Elements<T> fromVertices(Vec A, Vec B, Vec C) {
        return {
            arc(B, C),           arc(A, C), arc(A, B), vertexAngle(A, B, C), vertexAngle(B, C, A),
            vertexAngle(C, A, B)};
    }
    // The point at `colatitude` from the north pole, on the meridian `longitude` (degrees).
    static Vec point(T colatitude, T longitude) {
        const T s = M::sin(rad(colatitude));
        return {s * M::cos(rad(longitude)), s * M::sin(rad(longitude)), M::cos(rad(colatitude))};
    }
    // The measures of a triangle in degrees, from its vertices: the excess A + B + C - 180 (34
    // digits leave plenty after the cancellation), the perimeter, and the radii of the circle
    // through the vertices, whose centre lies along A x B + B x C + C x A (the nearer of the two
    // centres), and of the circle touching the sides, whose centre lies along
    // sin a A + sin b B + sin c C.
    struct Measures {
        T excess, perimeter, circumradius, inradius;
    };
    static Measures measures(const Elements<T>& e) {
        const Vec C = point(0, 0), A = point(e[1], 0), B = point(e[0], e[5]);
        const auto plus = [](Vec u, Vec v) {
            return Vec{u.x + v.x, u.y + v.y, u.z + v.z};
        };
        const auto times = [](T s, Vec v) {
            return Vec{s * v.x, s * v.y, s * v.z};
        };
        const T circumradius = arc(plus(plus(cross(A, B), cross(B, C)), cross(C, A)), A);
        const auto sine = [](T degrees) {
            return M::sin(rad(degrees));
        };
        const Vec incentre =
            plus(plus(times(sine(e[0]), A), times(sine(e[1]), B)), times(sine(e[2]), C));
        const Vec sideA = cross(B, C);
        const T sinInradius = dot(incentre, sideA) / (norm(incentre) * norm(sideA));
        return {e[3] + e[4] + e[5] - kHalfTurn, e[0] + e[1] + e[2],
                std::min(circumradius, kHalfTurn - circumradius),
                deg(M::atan2(M::fabs(sinInradius), M::sqrt(1 - sinInradius * sinInradius)))};
    }

    // Two sides b, c and the angle A between them: always one triangle.
    static Elements<T> sideAngleSide(T A, T b, T c) {
        return fromVertices(point(0, 0), point(c, 0), point(b, A));
    }

private:
    static constexpr T kHalfTurn = 180;

    // The angle at p between the great circles towards q and r.
    static T vertexAngle(Vec p, Vec q, Vec r) {
        return deg(M::atan2(M::fabs(dot(p, cross(q, r))), dot(cross(p, q), cross(p, r))));
    }

    // Three sides: C from the law of cosines, then the vertices. (The construction carries enough
    // digits for the inverse cosine of a small triangle.)
    static std::vector<Elements<T>> threeSides(T a, T b, T c, Verdicts<T>& v) {
        for (T gap : {b + c - a, a + c - b, a + b - c, 2 * kHalfTurn - (a + b + c)})
            if (v.isCoincident(gap) || gap < 0)
                return {};
        const T cosC =
            (M::cos(rad(c)) - M::cos(rad(a)) * M::cos(rad(b))) / (M::sin(rad(a)) * M::sin(rad(b)));
        v.note(1 - M::fabs(cosC));
        return {fromVertices(point(b, 0), point(a, deg(M::acos(cosC))), point(0, 0))};
    }

    // Two sides a, b and the angle A opposite a. With A at the pole and C on the meridian 0 at
    // colatitude b, B lies on the meridian A at the colatitude s that puts it at distance a from
    // C: cos a = cos b cos s + sin b cos A sin s = R cos(s - phi).
    static std::optional<std::vector<Elements<T>>> sideSideAngle(T a, T b, T A, Verdicts<T>& v) {
        const T X = M::cos(rad(b)), Y = M::sin(rad(b)) * M::cos(rad(A));
        const T R = M::hypot(X, Y), ca = M::cos(rad(a));
        if (v.isCoincident(R))
            return v.isCoincident(ca) ? std::nullopt // any s fits: the data leave it free
                                      : std::optional(std::vector<Elements<T>>{});
        const T z = ca / R, phi = deg(M::atan2(Y, X));
        std::vector<T> colatitudes;
        if (v.isCoincident(1 - M::fabs(z)))
            colatitudes = {z > 0 ? phi : phi + kHalfTurn};
        else if (M::fabs(z) < 1)
            colatitudes = {phi + deg(M::acos(z)), phi - deg(M::acos(z))};
        std::vector<Elements<T>> found;
        for (T s : colatitudes) {
            s = M::fmod(s + 4 * kHalfTurn, 2 * kHalfTurn);
            if (v.isCoincident(s) || v.isCoincident(s - kHalfTurn) ||
                v.isCoincident(s - 2 * kHalfTurn) || s > kHalfTurn)
                continue;
            found.push_back(fromVertices(point(0, 0), point(s, A), point(b, 0)));
        }
        return found;
    }

    static Elements<T> polar(const Elements<T>& t) {
        return {kHalfTurn - t[3], kHalfTurn - t[4], kHalfTurn - t[5],
                kHalfTurn - t[0], kHalfTurn - t[1], kHalfTurn - t[2]};
    }
};

// The triangles that fit three given elements of a triangle so small that the sphere is the plane
// to the digits compared, constructed in the plane: with sides under 1e-9 degrees (1.7e-11
// radians) the spherical terms are smaller than the plane ones by the square of a side in
// radians, 3e-22 and less, where quadruple precision no longer tells points of the sphere apart.
// The excess is then the area. The sides are scaled to the largest given one before any verdict,
// so that a coincidence is judged relative to the triangle. Every way of giving three elements
// but the three angles, which fix no size in the plane (Reference takes them).
template <class T> class PlaneReference {
    using M = Math<T>;

public:
    static std::vector<Elements<T>> fitting(const GivenOf<T>& given, Verdicts<T>& v) {
        T scale = 0;
        for (std::size_t i = 0; i < 3; ++i)
            if (given[i])
                scale = std::max(scale, *given[i]);
        GivenOf<T> unit = given;
        for (std::size_t i = 0; i < 3; ++i)
            if (unit[i])
                *unit[i] /= scale;
        std::array<int, 3> perm{0, 1, 2};
        do {
            const GivenOf<T> g = relabel(unit, perm);
            const auto has = [&](std::size_t i) {
                return g[i].has_value();
            };
            std::vector<Elements<T>> found;
            if (has(0) && has(1) && has(2))
                found = threeSides(*g[0], *g[1], *g[2], v);
            else if (has(1) && has(2) && has(3))
                found = {sideAngleSide(*g[3], *g[1], *g[2])};
            else if (has(0) && has(1) && has(3))
                found = sideSideAngle(*g[0], *g[1], *g[3], v);
            else if (has(3) && has(4) && has(2))
                found = angleSideAngle(*g[3], *g[4], *g[2], v);
            else if (has(3) && has(4) && has(0))
                found = angleAngleSide(*g[3], *g[4], *g[0], v);
            else
                continue;
            for (Elements<T>& t : found) {
                // An element that only the sphere has comes negative: its supplement.
                for (std::size_t i = 0; i < 6; ++i) {
                    if (i < 3)
                        t[i] *= scale;
                    if (t[i] < 0)
                        t[i] += kHalfTurn;
                }
                t = relabel(t, inverseOf(perm));
            }
            return found;
        } while (std::next_permutation(perm.begin(), perm.end()));
        return {};
    }

    // Two sides b, c and the angle A between them, without a difference of nearly equal numbers:
    // a^2 = (b - c)^2 + 4 b c sin^2(A/2), and c - b cos A = (c - b) + 2 b sin^2(A/2).
    static Elements<T> sideAngleSide(T A, T b, T c) {
        const T h = sin(A / 2);
        const T a = M::sqrt((b - c) * (b - c) + 4 * b * c * h * h);
        const T B = deg(M::atan2(b * sin(A), (c - b) + 2 * b * h * h));
        return {a, b, c, A, B, kHalfTurn - A - B};
    }

    // The measures in degrees: the area of the plane triangle as the excess, and its radii. Of
    // the nearly lune that only the sphere has, with a small side x and the angle X opposite it,
    // from the small triangle T whose colunar triangle across x it is: the excess 2X less that of
    // T, and with S and s of the lune, cos(S - X) = sin(E_T / 2) and sin(s - x) = sin s_T, so
    // tan R = tan(x/2) / sin(E_T / 2) and tan r = tan(X/2) sin s_T.
    static typename Reference<T>::Measures measures(const Elements<T>& e) {
        std::size_t k = 0;
        while (k < 2 && e[k] > kHalfTurn / 2)
            ++k;
        const std::size_t i = (k + 1) % 3, j = (k + 2) % 3;
        const bool lune = e[i] > kHalfTurn / 2;
        const T y = lune ? kHalfTurn - e[i] : e[i], z = lune ? kHalfTurn - e[j] : e[j];
        const T X = e[k + 3], degree = M::pi() / kHalfTurn;
        const T area = y * z * sin(X) / 2; // in square degrees
        const T semiperimeter = (e[k] + y + z) / 2;
        // The circle through the vertices of a thin triangle is not small: tan R = tan(x/2) /
        // cos(S - X) is x / (2 sin X) there, to the square of a side in radians.
        if (!lune)
            return {area * degree, 2 * semiperimeter, deg(M::atan2(e[k] * degree, 2 * sin(X))),
                    area / semiperimeter};
        const T excess = area * degree;
        return {2 * X - excess, e[0] + e[1] + e[2], deg(M::atan2(e[k], excess)),
                deg(M::atan2(sin(X / 2) * semiperimeter * degree, cos(X / 2)))};
    }

private:
    static constexpr T kHalfTurn = 180;
    static T sin(T degrees) { return M::sin(degrees * M::pi() / kHalfTurn); }
    static T cos(T degrees) { return M::cos(degrees * M::pi() / kHalfTurn); }
    static T deg(T radians) { return radians * kHalfTurn / M::pi(); }

    // The angle opposite a in the plane triangle a, b, c, by the half-angle formula.
    static T angle(T a, T b, T c) {
        const T s = (a + b + c) / 2;
        return 2 * deg(M::atan2(M::sqrt((s - b) * (s - c)), M::sqrt(s * (s - a))));
    }
    static std::vector<Elements<T>> threeSides(T a, T b, T c, Verdicts<T>& v) {
        for (T gap : {b + c - a, a + c - b, a + b - c})
            if (v.isCoincident(gap) || gap < 0)
                return {};
        return {{a, b, c, angle(a, b, c), angle(b, c, a), angle(c, a, b)}};
    }
    // Two sides a, b and the angle A opposite a: sin B = b sin A / a, B and its supplement.
    static std::vector<Elements<T>> sideSideAngle(T a, T b, T A, Verdicts<T>& v) {
        const T sinB = b * sin(A) / a;
        std::vector<T> angles;
        if (v.isCoincident(1 - sinB))
            angles = {kHalfTurn / 2};
        else if (sinB < 1) {
            const T B = deg(M::atan2(sinB, M::sqrt((1 - sinB) * (1 + sinB))));
            angles = {B, kHalfTurn - B};
        }
        std::vector<Elements<T>> found;
        for (const T B : angles) {
            const T C = kHalfTurn - A - B;
            if (v.isCoincident(C) || C < 0)
                continue;
            found.push_back({a, b, a * sin(C) / sin(A), A, B, C});
        }
        return found;
    }
    // Two angles A, B and the side c between them.
    static std::vector<Elements<T>> angleSideAngle(T A, T B, T c, Verdicts<T>& v) {
        const T C = kHalfTurn - A - B;
        if (v.isCoincident(C) || C < 0)
            return {};
        return {{c * sin(A) / sin(C), c * sin(B) / sin(C), c, A, B, C}};
    }
    // Two angles A, B and the side a opposite A: the small triangle where A + B is under 180
    // degrees, and where B exceeds A a second one that only the sphere has, nearly a lune of angle
    // A: the colunar triangle across a of the small one with angles A, 180 - B and B - A, whose
    // other two sides and third angle it turns into their supplements.
    static std::vector<Elements<T>> angleAngleSide(T A, T B, T a, Verdicts<T>& v) {
        std::vector<Elements<T>> found;
        if (const T C = kHalfTurn - A - B; !v.isCoincident(C) && C > 0)
            found.push_back({a, a * sin(B) / sin(A), a * sin(C) / sin(A), A, B, C});
        if (const T C = B - A; !v.isCoincident(C) && C > 0)
            found.push_back({a, -a * sin(B) / sin(A), -a * sin(C) / sin(A), A, B, -C});
        return found;
    }
};

} // namespace esferica::testing
