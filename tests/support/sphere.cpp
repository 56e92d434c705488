// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/sphere.h"

#include <algorithm>
#include <cmath>

namespace esferica::testing {

namespace {
constexpr double kDeg = 3.14159265358979323846 / 180;
}

Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double norm(Vec3 a) {
    return std::sqrt(dot(a, a));
}

Vec3 onSphere(double latDeg, double lonDeg) {
    const double lat = latDeg * kDeg, lon = lonDeg * kDeg;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

double arc(Vec3 u, Vec3 v) {
    return std::atan2(norm(cross(u, v)), dot(u, v));
}

double vertexAngle(Vec3 p, Vec3 q, Vec3 r) {
    const Vec3 tq = q - p * dot(p, q);
    const Vec3 tr = r - p * dot(p, r);
    return std::atan2(norm(cross(tq, tr)), dot(tq, tr));
}

std::vector<Vec3> greatArc(Vec3 p, Vec3 q, int n) {
    const double omega = std::acos(std::clamp(dot(p, q), -1.0, 1.0));
    std::vector<Vec3> out;
    for (int k = 0; k <= n; ++k) {
        const double s = static_cast<double>(k) / n;
        out.push_back(p * (std::sin((1 - s) * omega) / std::sin(omega)) +
                      q * (std::sin(s * omega) / std::sin(omega)));
    }
    return out;
}

double distance(Point p, Point q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

namespace {
Vec3 turned(Vec3 v, double inclinationDeg) {
    const double i = inclinationDeg * kDeg;
    const Vec3 axis{1, 0, 0};
    return v * std::cos(i) + cross(axis, v) * std::sin(i) +
           axis * (dot(axis, v) * (1 - std::cos(i)));
}
} // namespace

Point pictured(Vec3 v, double inclinationDeg) {
    const Vec3 r = turned(v, inclinationDeg);
    return {r.x, r.z};
}

// The north pole tips towards the viewer as the inclination grows, and turns to -y: the viewer
// looks from -y.
double towardsViewer(Vec3 v, double inclinationDeg) {
    return -turned(v, inclinationDeg).y;
}

Vec3 unpictured(Point p, bool far, double inclinationDeg) {
    const double depth = std::sqrt(std::max(0.0, 1 - p.x * p.x - p.y * p.y));
    return turned({p.x, far ? depth : -depth, p.y}, -inclinationDeg);
}

std::array<double, 6> randomTriangle(std::mt19937_64& rng, double minDeg, double maxDeg) {
    std::uniform_real_distribution<double> z(-1, 1), turn(0, 2 * std::acos(-1.0));
    const auto point = [&] {
        const double h = z(rng), t = turn(rng), s = std::sqrt(1 - h * h);
        return Vec3{s * std::cos(t), s * std::sin(t), h};
    };
    const double toDeg = 180 / std::acos(-1.0);
    for (;;) {
        const Vec3 A = point(), B = point(), C = point();
        const std::array<double, 6> t{arc(B, C) * toDeg,
                                      arc(A, C) * toDeg,
                                      arc(A, B) * toDeg,
                                      vertexAngle(A, B, C) * toDeg,
                                      vertexAngle(B, C, A) * toDeg,
                                      vertexAngle(C, A, B) * toDeg};
        if (std::all_of(t.begin(), t.end(), [&](double e) { return e >= minDeg && e <= maxDeg; }))
            return t;
    }
}

} // namespace esferica::testing
