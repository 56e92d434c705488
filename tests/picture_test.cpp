// SPDX-License-Identifier: GPL-3.0-or-later
// The picture on the real window, offscreen. Given the three sides of 60 degrees and the default
// view, when Calcular is clicked, then the sphere's outline is black and the triangle's three
// sides are red where the geometry puts them, and so they stay after the picture has been covered
// and uncovered or the window hidden and shown again.
//
// Expected positions come from the triangle's vertices on the unit sphere: the sides are
// great-circle arcs between 3-D vectors, turned by the inclination and mapped from user
// coordinates (-1.2 to 1.2, y up) onto the picture's pixels. The window draws the readable picture
// unless "Dibujo clásico" is chosen; both are checked, at whatever device pixel ratio the tests run
// (ctest runs them at 1, 1.5 and 2).
#include "command/calculate.h"
#include "qt/picture/drawingsurface.h"
#include "qt/window/design.h"
#include "qt/window/frmTrianguloEsf.h"
#include "tests/support/messages.h"
#include "tests/support/qt_test.h"
#include "tests/support/sphere.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <numbers>
#include <utility>
#include <vector>

namespace {

// The window and its picture at their designed sizes.
constexpr QSize kDesignedSize = esferica::design::pixels(esferica::design::kWindow).size();
constexpr QRect kDesignedPicture =
    esferica::design::pixels(esferica::design::control("Grafico").place);

using esferica::PictureStyle;
using esferica::testing::answerMessages;
using esferica::testing::choosePicture;
using esferica::testing::defaultOptions;
using esferica::testing::greatArc;
using esferica::testing::onSphere;
using esferica::testing::Options;
using esferica::testing::pictured;
using esferica::testing::Point;
using esferica::testing::QtTest;
using esferica::testing::Texts;
using esferica::testing::typeInto;
using esferica::testing::Vec3;
namespace testing = esferica::testing;

constexpr double kDeg = std::numbers::pi / 180;
// Default view: inclination 30 degrees; rotation 10 puts vertex A at longitude -90 - 10.
constexpr double kInclinationDeg = 30;
constexpr double kLongitudeADeg = -100;
// Antialiased one-pixel lines: a drawn point shows within this many device pixels of where it
// belongs.
constexpr int kReach = 2;
// The centre of a device pixel that an antialiased line of the outline touches is this close to
// it, and half the line's width more, and as much again where a line ends on the outline (its
// square cap): a line is a pixel of the picture wide, `ratio` device pixels.
constexpr double kOnOutline = 1;
double onOutline(double ratio) {
    return kOnOutline + ratio;
}
// A name lies within this many pixels of its vertex.
constexpr double kNameReach = 24;
// Long enough for the platform's update timer to have repainted the window.
constexpr int kRepaintWait = 30;

// The user coordinates of a sphere point under the default view.
QPointF userPoint(Vec3 v) {
    const Point p = pictured(v, kInclinationDeg);
    return {p.x, p.y};
}

// User coordinates to pixels of an image covering the picture: (-1.2, 1.2) is the top-left
// corner of the top-left pixel and (1.2, -1.2) the bottom-right corner of the bottom-right one.
QPointF toPixel(QPointF user, QSize image) {
    return {(user.x() + 1.2) / 2.4 * image.width(), (1.2 - user.y()) / 2.4 * image.height()};
}

bool isRed(QColor c) {
    return c.red() > 150 && c.red() - std::max(c.green(), c.blue()) > 80;
}
// Black at part coverage or more: the edge of an antialiased black line over white.
bool isGrey(QColor c) {
    const int high = std::max({c.red(), c.green(), c.blue()});
    return high < 200 && high - std::min({c.red(), c.green(), c.blue()}) < 30;
}
// Red over white at part coverage, as antialiasing draws the edges of a red line.
bool isPartlyRed(QColor c) {
    return c.red() > 200 && c.green() > 60 && c.green() < 200 &&
           std::abs(c.green() - c.blue()) < 30;
}

// Whether some pixel within kReach of `at` matches.
template <class Matches> bool near(const QImage& image, QPointF at, Matches matches) {
    const int cx = static_cast<int>(std::floor(at.x())), cy = static_cast<int>(std::floor(at.y()));
    for (int y = cy - kReach; y <= cy + kReach; ++y)
        for (int x = cx - kReach; x <= cx + kReach; ++x)
            if (image.valid(x, y) && matches(image.pixelColor(x, y)))
                return true;
    return false;
}

// The triangle with sides of 60 degrees as the window places it: C at the north pole, A and B
// at latitude 30, 70.53 degrees apart in longitude.
struct Sides {
    std::vector<QPointF> b, a, c; // user coordinates along C-A, C-B and A-B
};
Sides equilateralSides() {
    const double C = std::acos(1.0 / 3) / kDeg;
    const Vec3 north{0, 0, 1}, A = onSphere(30, kLongitudeADeg),
                               B = onSphere(30, kLongitudeADeg + C);
    const auto pictured = [](const std::vector<Vec3>& arc) {
        std::vector<QPointF> out;
        out.reserve(arc.size());
        for (const Vec3& v : arc)
            out.push_back(userPoint(v));
        return out;
    };
    return {pictured(greatArc(north, A, 400)), pictured(greatArc(north, B, 400)),
            pictured(greatArc(A, B, 400))};
}

// In every 3-degree sector about the centre the outermost grey lies on the unit circle: the
// outline, or the grid where it touches the outline; nothing is drawn outside.
void expectOutermostGreyOnTheOutline(const QImage& image) {
    const double pixelsPerUnit = image.width() / 2.4;
    const QPointF centre = toPixel({0, 0}, image.size());
    std::array<double, 120> outermost{}; // in units of the sphere's radius
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!isGrey(image.pixelColor(x, y)))
                continue;
            const double dx = x + 0.5 - centre.x(), dy = centre.y() - (y + 0.5);
            const double angle = std::atan2(dy, dx) / kDeg + 180; // 0 to 360
            double& sector =
                outermost[std::min<std::size_t>(119, static_cast<std::size_t>(angle / 3))];
            sector = std::max(sector, std::hypot(dx, dy) / pixelsPerUnit);
        }
    int misplaced = 0;
    for (std::size_t k = 0; k < outermost.size(); ++k)
        if (std::abs(outermost[k] - 1) * pixelsPerUnit > onOutline(image.width() / 353.0) &&
            ++misplaced <= 3)
            ADD_FAILURE() << "outermost grey in the sector at " << 3 * k - 180.0
                          << " degrees is at radius " << outermost[k];
    EXPECT_EQ(misplaced, 0);
}

// Checks a picture of "Grafico", whatever its pixel density, against the geometry. In the readable
// picture the names of the vertices are red too, beside their vertices.
void expectSphereAndTriangle(const QImage& image, PictureStyle style = PictureStyle::Readable) {
    ASSERT_FALSE(image.isNull());
    const QSize size = image.size();
    expectOutermostGreyOnTheOutline(image);

    const Sides sides = equilateralSides();
    const std::array<std::pair<const char*, const std::vector<QPointF>*>, 3> named{
        {{"side b", &sides.b}, {"side a", &sides.a}, {"side c", &sides.c}}};
    std::vector<QPointF> allPixels;
    for (const auto& [name, points] : named) {
        int gaps = 0;
        for (std::size_t k = 0; k < points->size(); k += 10) {
            const QPointF p = toPixel((*points)[k], size);
            if (!near(image, p, isRed) && ++gaps <= 3)
                ADD_FAILURE() << name << ": no red near pixel (" << p.x() << ", " << p.y() << ")";
        }
        EXPECT_EQ(gaps, 0) << name;
        for (const QPointF& u : *points)
            allPixels.push_back(toPixel(u, size));
    }

    // Every red pixel belongs to one of the three sides, none of the rest of a great circle, or
    // to a name beside a vertex or the middle of a side.
    const double ratio = image.width() / 353.0;
    std::vector<QPointF> vertices;
    if (style == PictureStyle::Readable)
        for (const std::vector<QPointF>* side : {&sides.b, &sides.a, &sides.c})
            vertices.push_back(toPixel(side->back(), size)),
                vertices.push_back(toPixel(side->front(), size)),
                vertices.push_back(toPixel((*side)[side->size() / 2], size));
    int stray = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!isRed(image.pixelColor(x, y)))
                continue;
            const QPointF centre(x + 0.5, y + 0.5);
            double best = 1e9;
            for (const QPointF& p : allPixels)
                best = std::min(best, std::hypot(p.x() - centre.x(), p.y() - centre.y()));
            for (const QPointF& v : vertices)
                if (std::hypot(v.x() - centre.x(), v.y() - centre.y()) < kNameReach * ratio)
                    best = 0;
            if (best > kReach + 0.5 && ++stray <= 3)
                ADD_FAILURE() << "red pixel (" << x << ", " << y << ") is " << best
                              << " pixels from the triangle";
        }
    EXPECT_EQ(stray, 0);

    int partlyRed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            partlyRed += isPartlyRed(image.pixelColor(x, y));
    EXPECT_GT(partlyRed, 100) << "the sides are antialiased";
}

class PictureTest : public QtTest {
protected:
    void SetUp() override {
        esferica::testing::forgetSettings();
        form_ = std::make_unique<frmTrianguloEsf>();
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        grafico_ = form_->findChild<QWidget*>(QStringLiteral("Grafico"));
        ASSERT_NE(grafico_, nullptr);
    }
    void TearDown() override { form_.reset(); }

    // Types the fields and clicks Calcular; no message box may open (any that does is closed and
    // reported).
    void calculate(const Texts& inputs, const Options& options) {
        typeInto(*form_, inputs, options);
        const auto boxes = answerMessages([&] {
            QTest::mouseClick(form_->findChild<QPushButton*>(QStringLiteral("cmdCalcular")),
                              Qt::LeftButton);
        });
        EXPECT_EQ(boxes.size(), 0u) << "a message box opened";
        QApplication::processEvents();
    }
    void calculateEquilateral(const Options& options = defaultOptions()) {
        calculate({"60", "60", "60", "", "", ""}, options);
    }

    // The drawing in the picture's backing image, which the focus frame does not cover.
    const QImage& drawn() const {
        return static_cast<esferica::DrawingSurface*>(grafico_)->image();
    }

    // Whether shownPicture() can see the window: the offscreen platform grabs a window only in
    // part once its pixels are scaled (QT_SCALE_FACTOR).
    bool windowGrabbable() const {
        const QPixmap window = form_->screen()->grabWindow(form_->winId());
        return window.size() == form_->size() * window.devicePixelRatio();
    }

    // What the window shows where the picture is, as the platform has it in the window's backing
    // store (not repainted for the grab). Repaints go through the platform's update timer, so a
    // few milliseconds pass first.
    QImage shownPicture() const {
        QTest::qWait(kRepaintWait);
        const QPixmap window = form_->screen()->grabWindow(form_->winId());
        const qreal ratio = window.devicePixelRatio();
        const QRect area(grafico_->mapTo(form_.get(), QPoint(0, 0)) * ratio,
                         grafico_->size() * ratio);
        return window.copy(area).toImage();
    }

    std::unique_ptr<frmTrianguloEsf> form_;
    QWidget* grafico_ = nullptr;
};

TEST_F(PictureTest, ShowsTheOutlineInBlackAndTheTriangleInRedWhereTheyBelong) {
    for (const PictureStyle style : {PictureStyle::Readable, PictureStyle::Classic}) {
        SCOPED_TRACE(style == PictureStyle::Classic ? "classic" : "readable");
        choosePicture(*form_, style);
        calculateEquilateral();
        expectSphereAndTriangle(grafico_->grab().toImage(), style);
    }
}

// Given negative spacings, which draw no grid, when Calcular is clicked, then the only black is the
// outline: a circle of radius 1 about the centre.
TEST_F(PictureTest, WithoutTheGridTheOutlineIsTheUnitCircle) {
    calculateEquilateral({"-15", "-20", "30", "10"});
    const QImage image = grafico_->grab().toImage();
    expectOutermostGreyOnTheOutline(image);
    const double pixelsPerUnit = image.width() / 2.4;
    int grey = 0, offCircle = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!isGrey(image.pixelColor(x, y)))
                continue;
            ++grey;
            const QPointF centre = toPixel({0, 0}, image.size());
            const double r = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
            if (std::abs(r - pixelsPerUnit) > onOutline(image.width() / 353.0) && ++offCircle <= 3)
                ADD_FAILURE() << "grey pixel (" << x << ", " << y << ") off the outline";
        }
    EXPECT_GT(grey, 2 * 3 * pixelsPerUnit) << "the outline goes all the way round";
    EXPECT_EQ(offCircle, 0);
}

// The readable picture, at whatever pixel ratio: the equator in black in front and light grey
// behind; the triangle's sides solid in front and dashed behind; the names beside their vertices,
// outside the triangle and inside the picture; the additional triangle in blue; the triangles
// twice as wide as the grid.
TEST_F(PictureTest, ReadablePictureShowsDepthNamesAndColours) {
    // Sides of 60 under inclination -40 put C behind, with the equator the only line of the grid.
    const double inc = -40, angleC = std::acos(1.0 / 3) / kDeg;
    calculateEquilateral({"90", "-20", "-40", "10"});
    const QImage& image = drawn();
    const qreal ratio = image.devicePixelRatio();
    const auto pixel = [&](Vec3 v) {
        const Point p = pictured(v, inc);
        return toPixel({p.x, p.y}, image.size());
    };
    const Vec3 north{0, 0, 1}, A = onSphere(30, kLongitudeADeg),
                               B = onSphere(30, kLongitudeADeg + angleC);
    std::vector<std::vector<Vec3>> sides{greatArc(north, A, 200), greatArc(north, B, 200),
                                         greatArc(A, B, 200)};
    QPolygonF outline; // of the triangle, in the picture's pixels
    for (const std::vector<Vec3>& side : {sides[0], sides[2]})
        for (const Vec3& v : side)
            outline << pixel(v) / ratio;
    for (auto v = sides[1].rbegin(); v != sides[1].rend(); ++v) // from B back to C
        outline << pixel(*v) / ratio;
    const auto offLines = [&](QPointF at, double reach) {
        for (const QPointF& p : outline)
            if (std::hypot(p.x() - at.x() / ratio, p.y() - at.y() / ratio) < reach)
                return false;
        return std::hypot(at.x() / ratio - pixel(north).x() / ratio,
                          at.y() / ratio - pixel(north).y() / ratio) > kNameReach;
    };
    int wrong = 0;
    for (double lon = 0; lon < 360; lon += 3) {
        const Vec3 v = onSphere(0, lon);
        const double depth = testing::towardsViewer(v, inc);
        if (std::abs(depth) < 0.2 || !offLines(pixel(v), kNameReach))
            continue;
        const bool dark = near(image, pixel(v), [](QColor c) { return c.lightness() < 100; });
        const bool light = near(image, pixel(v), [](QColor c) {
            return isGrey(c) && c.lightness() > 140 && c.lightness() < 230;
        });
        if ((depth > 0 ? !dark : dark || !light) && ++wrong <= 3)
            ADD_FAILURE() << "equator at longitude " << lon
                          << (depth > 0 ? ", in front" : ", behind");
    }
    EXPECT_EQ(wrong, 0);
    // Along each side, away from the vertices: every point red in front, some behind.
    std::array<int, 2> points{}, red{};
    for (const std::vector<Vec3>& side : sides)
        for (std::size_t k = 30; k + 30 < side.size(); ++k) {
            const double depth = testing::towardsViewer(side[k], inc);
            if (std::abs(depth) < 0.05)
                continue;
            const QPointF at = pixel(side[k]);
            const QColor c = image.pixelColor(static_cast<int>(at.x()), static_cast<int>(at.y()));
            ++points[depth < 0];
            red[depth < 0] += c.red() > 150 && c.green() < 150;
        }
    ASSERT_GT(points[0], 50);
    ASSERT_GT(points[1], 50);
    EXPECT_GT(red[0], points[0] * 95 / 100) << "solid in front";
    EXPECT_GT(red[1], points[1] * 3 / 10) << "dashed behind";
    EXPECT_LT(red[1], points[1] * 85 / 100) << "dashed behind";

    // Names: A, B and C, each beside its vertex, and a, b and c beside the middle of their sides,
    // clear of it and of the triangle, in the picture.
    const auto middle = [](Vec3 p, Vec3 q) {
        return (p + q) * (1 / testing::norm(p + q));
    };
    const std::map<QString, Vec3> vertices{{"A", A},
                                           {"B", B},
                                           {"C", north},
                                           {"a", middle(north, B)},
                                           {"b", middle(north, A)},
                                           {"c", middle(A, B)}};
    QStringList named;
    for (const auto& stroke :
         static_cast<esferica::DrawingSurface*>(grafico_)->strokes().strokes()) {
        if (stroke.kind != esferica::StrokeRecord::Kind::Text)
            continue;
        SCOPED_TRACE(qPrintable(stroke.text));
        named << stroke.text;
        const QRectF box = esferica::nameInk(stroke.text, stroke.font).translated(stroke.centre);
        EXPECT_TRUE(QRectF(grafico_->rect()).contains(box));
        const QPointF vertex = pixel(vertices.at(stroke.text)) / ratio;
        const double dx = std::max({box.left() - vertex.x(), 0.0, vertex.x() - box.right()});
        const double dy = std::max({box.top() - vertex.y(), 0.0, vertex.y() - box.bottom()});
        EXPECT_GT(std::hypot(dx, dy), 1) << "clear of its vertex";
        EXPECT_LT(std::hypot(dx, dy), kNameReach / 2) << "beside it";
        EXPECT_FALSE(outline.containsPoint(box.center(), Qt::OddEvenFill)) << "outside";
        int inked = 0;
        for (int y = static_cast<int>(box.top() * ratio); y < box.bottom() * ratio; ++y)
            for (int x = static_cast<int>(box.left() * ratio); x < box.right() * ratio; ++x)
                inked += isRed(image.pixelColor(x, y));
        EXPECT_GT(inked, 5 * ratio * ratio);
    }
    EXPECT_EQ(named, (QStringList{"A", "B", "C", "a", "b", "c"}));

    // The ambiguous case under the default view: side a of the additional triangle in blue, and
    // along one row, side b twice as wide as the grid's meridian beside it (by their coverage).
    calculate({"40", "60", "", "30", "", ""}, defaultOptions());
    const QImage& two = drawn();
    const double c2 = 24.51, a = 40, b = 60;
    const double angleC2 =
        std::acos((std::cos(c2 * kDeg) - std::cos(a * kDeg) * std::cos(b * kDeg)) /
                  (std::sin(a * kDeg) * std::sin(b * kDeg))) /
        kDeg;
    int blue = 0, sampled = 0;
    for (const Vec3& v : greatArc(north, onSphere(90 - a, kLongitudeADeg + angleC2), 100)) {
        const QPointF at = toPixel(userPoint(v), two.size());
        if (std::hypot(at.x() - toPixel(userPoint(north), two.size()).x(),
                       at.y() - toPixel(userPoint(north), two.size()).y()) < kNameReach * ratio)
            continue;
        ++sampled;
        const QColor c = two.pixelColor(static_cast<int>(at.x()), static_cast<int>(at.y()));
        blue += c.blue() > 120 && c.red() < 100;
    }
    EXPECT_GT(blue, sampled * 9 / 10);
    const int row =
        static_cast<int>(toPixel(userPoint(onSphere(52.5, kLongitudeADeg)), two.size()).y());
    const auto coverage = [&](Vec3 on, auto ink) {
        const int x = static_cast<int>(toPixel(userPoint(on), two.size()).x());
        double sum = 0;
        for (int dx = -static_cast<int>(6 * ratio); dx <= 6 * ratio; ++dx)
            sum += ink(two.pixelColor(x + dx, row));
        return sum;
    };
    // Side b is both triangles' there, in red or in blue.
    const double wide = coverage(onSphere(52.5, kLongitudeADeg), [](QColor c) {
        if (c.red() > c.green() + 30)
            return (255 - c.green()) / 255.0;
        return c.blue() > c.red() + 30 ? (255 - c.red()) / 255.0 : 0;
    });
    const double thin = coverage(onSphere(52.5, kLongitudeADeg - 20),
                                 [](QColor c) { return (255 - c.lightness()) / 255.0; });
    EXPECT_NEAR(wide / thin, 2, 0.5) << "twice as wide, at every pixel ratio";
}

// Names in every view: over a sweep of views of triangles of several shapes, one and two of them,
// every name of the readable picture lies wholly inside the picture, and no two overlap, in the
// window's own font.
TEST_F(PictureTest, NamesNeverOverlapInAnyView) {
    const std::array<Texts, 5> triangles{{{"60", "60", "60", "", "", ""},
                                          {"40", "60", "", "30", "", ""},
                                          {"40", "", "", "50", "70", ""},
                                          {"3", "3", "3", "", "", ""},
                                          {"150", "40", "", "", "", "30"}}};
    auto* picture = static_cast<esferica::DrawingSurface*>(grafico_);
    esferica::Calculator command;
    command.setPictureStyle(PictureStyle::Readable);
    int views = 0;
    for (const Texts& inputs : triangles) {
        esferica::FieldTexts fields;
        for (std::size_t i = 0; i < inputs.size(); ++i)
            fields.inputs[i] = inputs[i];
        ASSERT_EQ(command.calculate(fields).outcome, esferica::Outcome::Solved);
        for (int inclination = -90; inclination <= 90; inclination += 30)
            for (int rotation = 0; rotation < 360; rotation += 15) {
                SCOPED_TRACE(inputs[0] + "/" + inputs[1] + "/" + inputs[2] + "/" + inputs[3] + "/" +
                             inputs[4] + "/" + inputs[5] + " under " + std::to_string(inclination) +
                             ", " + std::to_string(rotation));
                ASSERT_TRUE(command.turnTo(std::to_string(inclination), std::to_string(rotation)));
                command.drawPicture(*picture);
                ++views;
                std::vector<std::pair<QString, QRectF>> boxes;
                for (const auto& stroke : picture->strokes().strokes())
                    if (stroke.kind == esferica::StrokeRecord::Kind::Text)
                        boxes.emplace_back(
                            stroke.text,
                            esferica::nameInk(stroke.text, stroke.font).translated(stroke.centre));
                ASSERT_GE(boxes.size(), 6u);
                for (std::size_t i = 0; i < boxes.size(); ++i) {
                    EXPECT_TRUE(QRectF(grafico_->rect()).contains(boxes[i].second))
                        << qPrintable(boxes[i].first) << " out of the picture";
                    for (std::size_t j = 0; j < i; ++j)
                        EXPECT_FALSE(boxes[i].second.intersects(boxes[j].second))
                            << qPrintable(boxes[i].first) << " over " << qPrintable(boxes[j].first);
                }
            }
    }
    EXPECT_EQ(views, 5 * 7 * 24);
}

// Given a drawn picture, when another widget covers it and goes away, then the picture shows the
// same drawing again.
TEST_F(PictureTest, CoveredAndUncoveredStillShowsTheDrawing) {
    if (!windowGrabbable())
        GTEST_SKIP() << "the platform cannot grab this window whole";
    calculateEquilateral();
    {
        SCOPED_TRACE("as drawn");
        expectSphereAndTriangle(shownPicture());
    }
    auto cover = std::make_unique<QWidget>(form_.get());
    cover->setGeometry(grafico_->geometry().adjusted(-10, -10, 10, 10));
    cover->setAutoFillBackground(true);
    QPalette palette = cover->palette();
    palette.setColor(QPalette::Window, Qt::blue);
    cover->setPalette(palette);
    cover->show();
    cover->raise();
    const auto bluePixels = [this] {
        const QImage shown = shownPicture();
        int n = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                n += shown.pixelColor(x, y) == QColor(Qt::blue);
        return std::pair(n, shown.width() * shown.height());
    };
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const auto [blue, all] = bluePixels();
        return blue == all;
    })) << "the cover hides the whole picture";
    cover.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bluePixels().first == 0; })) << "the cover is gone";
    SCOPED_TRACE("uncovered");
    expectSphereAndTriangle(shownPicture());
}

// Given a drawn picture, when the window is hidden and shown again, then the drawing is back.
TEST_F(PictureTest, HiddenAndShownAgainStillShowsTheDrawing) {
    if (!windowGrabbable())
        GTEST_SKIP() << "the platform cannot grab this window whole";
    calculateEquilateral();
    form_->hide();
    QApplication::processEvents();
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    SCOPED_TRACE("shown again");
    expectSphereAndTriangle(shownPicture());
}

// The pictures that clicks drew at the designed size before the picture could turn or grow, kept
// in tests/data: at one device pixel per pixel the same clicks must draw them to the last pixel in
// the classic picture, "Dibujo clásico".
// ESFERICA_WRITE_REFERENCES=DIR writes them into DIR instead.
struct Reference {
    const char* file;
    Texts inputs;
    Options options;
};
const Reference kReferences[] = {
    {"equilateral.png", {"60", "60", "60", "", "", ""}, defaultOptions()},
    {"equilateral-1-degree.png", {"60", "60", "60", "", "", ""}, {"1", "1", "30", "10"}},
    {"ambiguous.png", {"40", "60", "", "30", "", ""}, defaultOptions()},
    {"side-c-not-fitted.png", {"90", "90", "100", "", "", ""}, defaultOptions()},
};

QString referencePath(const char* file) {
    return QStringLiteral(ESFERICA_TEST_DATA "/") + QLatin1String(file);
}

class ReferencePictureTest : public PictureTest {
protected:
    void SetUp() override {
        PictureTest::SetUp();
        if (form_->devicePixelRatioF() != 1)
            GTEST_SKIP() << "the reference pictures are drawn at one device pixel per pixel";
        choosePicture(*form_, PictureStyle::Classic);
    }
    // Compares the picture with the reference image of `row`, or writes it.
    void expectReference(const Reference& row) {
        SCOPED_TRACE(row.file);
        const QImage image = drawn().convertToFormat(QImage::Format_RGB32);
        if (const QByteArray dir = qgetenv("ESFERICA_WRITE_REFERENCES"); !dir.isEmpty()) {
            ASSERT_TRUE(image.save(QString::fromLocal8Bit(dir) + "/" + QLatin1String(row.file)));
            return;
        }
        const QImage reference(referencePath(row.file));
        ASSERT_FALSE(reference.isNull()) << "no reference image";
        ASSERT_EQ(image.size(), reference.size());
        EXPECT_TRUE(image == reference.convertToFormat(QImage::Format_RGB32))
            << "the picture differs from the reference";
    }
};

// The window grown by `growth` pixels both ways, once its events have been handled.
void resizeBy(QWidget& form, int growth) {
    form.resize(kDesignedSize + QSize(growth, growth));
    QApplication::processEvents();
}

TEST_F(ReferencePictureTest, AClickDrawsTheReferencePixelsAndSoDoesTheDesignedSizeAfterGrowing) {
    for (const Reference& row : kReferences) {
        calculate(row.inputs, row.options);
        expectReference(row);
        resizeBy(*form_, 120);
        ASSERT_EQ(drawn().size(), QSize(473, 473));
        resizeBy(*form_, 0);
        SCOPED_TRACE("grown and back at the designed size");
        expectReference(row);
    }
}

// Turning and growing, through the real window.
class ExploreTest : public PictureTest {
protected:
    QLineEdit* option(int i) const {
        return form_->findChild<QLineEdit*>(QStringLiteral("txtGrid(%1)").arg(i));
    }
    // What the fields of the inclination and the rotation show.
    QStringList view() const { return {option(2)->text(), option(3)->text()}; }
    // Runs `action` on the window and then its queued events; returns how many times the picture
    // was drawn again and checks that no message box opened.
    int redrawsOf(const std::function<void()>& action) {
        int redraws = 0;
        const QMetaObject::Connection counting = QObject::connect(
            form_.get(), &frmTrianguloEsf::pictureRedrawn, [&redraws] { ++redraws; });
        const auto boxes = answerMessages([&] {
            action();
            QApplication::processEvents();
        });
        QObject::disconnect(counting);
        EXPECT_EQ(boxes.size(), 0u) << "a message box opened";
        return redraws;
    }
    // A drag with the left button from the centre of the picture through `moves`, each relative
    // to the previous point, every move handled as it comes. The pointer may stop between pixels,
    // as touchpads and tablets report it.
    void drag(const std::vector<QPointF>& moves) {
        QPointF at = grafico_->rect().center();
        QTest::mousePress(grafico_, Qt::LeftButton, {}, at.toPoint());
        for (const QPointF& move : moves) {
            at += move;
            QMouseEvent event(QEvent::MouseMove, at, grafico_->mapToGlobal(at), Qt::NoButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(grafico_, &event);
            QApplication::processEvents();
        }
        QTest::mouseRelease(grafico_, Qt::LeftButton, {}, at.toPoint());
    }
    // The segments of the picture's drawing.
    std::size_t segments() const {
        return static_cast<esferica::DrawingSurface*>(grafico_)->strokes().segmentCount();
    }
    // The centre of the red pixels of the picture.
    QPointF redCentre() const {
        const QImage& image = drawn();
        QPointF sum;
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (isRed(image.pixelColor(x, y))) {
                    sum += QPointF(x, y);
                    ++n;
                }
        return n ? sum / n : QPointF();
    }
};

// Given the drawn equilateral triangle (inclination 30, rotation 10), dragging or pressing the
// arrow keys turns it like grabbing the sphere: the near side, where the triangle is, follows the
// mouse, half a degree per pixel of its whole travel. The fields show the new view, under which
// the next Calcular draws the very same picture. A grid too fine for the picture is thinned while
// the sphere moves, and drawn whole when the drag ends or the keys pause.
TEST_F(ExploreTest, DragAndArrowKeysTurnThePictureAndTheFieldsFollow) {
    struct Row {
        const char* name;
        std::function<void()> turn;
        QStringList view;
        QPoint redMoves; // the way the red centre moves along the axis of the turn
        Options options = defaultOptions();
        bool thinned = false;   // while the sphere moves
        bool keysPause = false; // the turn ends with no release: whole after a pause
    };
    const Options fine{"0.25", "0.25", "30", "10"}, typed120{"15", "20", "120", "10"};
    const auto drags = [this](const std::vector<QPointF>& moves) {
        return [=, this] {
            drag(moves);
        };
    };
    const auto hundred = [&](QPointF move) {
        return drags(std::vector<QPointF>(100, move));
    };
    const auto keys = [this](Qt::Key key, Qt::KeyboardModifiers modifiers, int times) {
        return [=, this] {
            grafico_->setFocus(Qt::TabFocusReason);
            for (int i = 0; i < times; ++i)
                QTest::keyClick(grafico_, key, modifiers);
        };
    };
    const Row rows[] = {
        {"drag right", drags({{10, 0}, {10, 0}}), {"30", "0"}, {1, 0}},
        {"drag left", drags({{-5, 0}, {-2, 0}}), {"30", "13.5"}, {-1, 0}},
        {"drag down", drags({{0, 30}}), {"45", "10"}, {0, 1}},
        {"drag up past the pole", drags({{0, -200}, {0, -200}}), {"-90", "10"}, {0, -1}},
        {"right arrow", keys(Qt::Key_Right, {}, 2), {"30", "0"}, {1, 0}},
        {"left arrow with shift", keys(Qt::Key_Left, Qt::ShiftModifier, 3), {"30", "13"}, {-1, 0}},
        {"down arrow", keys(Qt::Key_Down, {}, 1), {"35", "10"}, {0, 1}},
        {"up arrow with shift", keys(Qt::Key_Up, Qt::ShiftModifier, 1), {"29", "10"}, {0, -1}},
        {"100 moves of 0.09 pixels", hundred({0.09, 0}), {"30", "5.5"}, {1, 0}},
        {"100 moves of 0.15 pixels", hundred({0, 0.15}), {"37.5", "10"}, {0, 1}},
        {"up from a typed 120", drags({{0, -2}}), {"119", "10"}, {0, -1}, typed120},
        {"drag, fine grid", drags({{10, 0}, {10, 0}}), {"30", "0"}, {1, 0}, fine, true},
        {"arrows, fine grid", keys(Qt::Key_Right, {}, 2), {"30", "0"}, {1, 0}, fine, true, true},
    };
    // A thinned grid draws a third of the lines or fewer at the fine grid; the readable picture
    // splits its lines by depth, a few segments more or fewer as the sphere turns, never as many.
    const auto thinnedFrom = [this](std::size_t whole) {
        return segments() < whole * 7 / 10;
    };
    for (const PictureStyle style : {PictureStyle::Classic, PictureStyle::Readable}) {
        choosePicture(*form_, style);
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            SCOPED_TRACE(style == PictureStyle::Classic ? "classic" : "readable");
            calculateEquilateral(row.options);
            const std::size_t whole = segments();
            const QPointF before = redCentre();
            bool thinned = false;
            const QMetaObject::Connection watching =
                QObject::connect(form_.get(), &frmTrianguloEsf::pictureRedrawn,
                                 [&] { thinned = thinned || thinnedFrom(whole); });
            EXPECT_GE(redrawsOf(row.turn), 1);
            QObject::disconnect(watching);
            EXPECT_EQ(thinned, row.thinned);
            EXPECT_EQ(thinnedFrom(whole), row.keysPause) << "a drag's release draws the whole grid";
            QImage copied;
            if (row.keysPause) {
                form_->findChild<QAction*>(QStringLiteral("actCopiarImagen"))->trigger();
                copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
                EXPECT_FALSE(thinnedFrom(whole)) << "a copy takes the whole picture at once";
            }
            EXPECT_TRUE(QTest::qWaitFor([&] { return !thinnedFrom(whole); }))
                << "whole once the sphere stops";
            EXPECT_EQ(view(), row.view);
            const QPointF moved = redCentre() - before;
            const double along = moved.x() * row.redMoves.x() + moved.y() * row.redMoves.y();
            EXPECT_GT(along, 0.5) << "red centre moved by (" << moved.x() << ", " << moved.y()
                                  << ")";
            const QImage turned = drawn();
            QTest::mouseClick(form_->findChild<QPushButton*>(QStringLiteral("cmdCalcular")),
                              Qt::LeftButton);
            EXPECT_TRUE(drawn() == turned) << "Calcular draws the turned view again";
            if (row.keysPause) {
                EXPECT_TRUE(copied == drawn().convertToFormat(QImage::Format_RGB32))
                    << "the copy is the picture of a click at that view";
            }
            EXPECT_EQ(view(), row.view);
        }
    }
}

// "Mirar al triángulo", from the picture's menu or with Home on the picture, turns the view so
// that the solution faces the viewer: the middle of its vertices at the picture's centre and C
// straight above it. The fields show the view, and a drag then turns on from there.
TEST_F(ExploreTest, LookingAtTheTriangleTurnsItToFaceTheViewer) {
    struct Row {
        const char* name;
        Texts inputs;
        bool key; // Home, or the menu's entry
    };
    const Row rows[] = {
        {"equilateral, Home", {"60", "60", "60", "", "", ""}, true},
        {"ambiguous, from the menu", {"40", "60", "", "30", "", ""}, false},
        {"wide, Home", {"150", "40", "", "", "", "30"}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        calculate(row.inputs, defaultOptions());
        EXPECT_GE(
            redrawsOf([&] {
                if (row.key) {
                    grafico_->setFocus(Qt::TabFocusReason);
                    QTest::keyClick(grafico_, Qt::Key_Home);
                } else {
                    form_->findChild<QAction*>(QStringLiteral("actMirarAlTriangulo"))->trigger();
                }
            }),
            1);
        const QLocale locale; // the fields' and the tooltips' separator
        const double inclination = locale.toDouble(view()[0]),
                     rotation = locale.toDouble(view()[1]);
        // The solution's vertices as the window places them under the view now shown, from its
        // elements to ten decimals.
        const auto value = [&](int i) {
            return locale.toDouble(
                form_->findChild<QLabel*>(QStringLiteral("lblOutcome(%1)").arg(i))
                    ->toolTip()
                    .section(QChar(0xB0), 0, 0));
        };
        const double lonA = -90 - rotation;
        const Vec3 A = onSphere(90 - value(1), lonA), B = onSphere(90 - value(0), lonA + value(5)),
                   C{0, 0, 1};
        const Vec3 sum = A + B + C;
        const Point middle = pictured(sum * (1 / testing::norm(sum)), inclination);
        EXPECT_NEAR(middle.x, 0, 0.005);
        EXPECT_NEAR(middle.y, 0, 0.005);
        const Point top = pictured(C, inclination);
        EXPECT_NEAR(top.x, 0, 1e-9);
        EXPECT_GT(top.y, middle.y) << "C up";
        EXPECT_GT(testing::towardsViewer(sum, inclination), 0) << "facing the viewer";
        // A drag turns on from the view faced.
        drag({{10, 0}});
        EXPECT_NEAR(locale.toDouble(option(3)->text()), rotation - 5, 0.051);
    }
}

// "Nombres de los lados" turns the names of the sides off and on again, and the window remembers
// the choice.
TEST_F(ExploreTest, SideNamesTurnOffAndTheChoiceIsKept) {
    const auto names = [this] {
        QStringList found;
        for (const auto& stroke :
             static_cast<esferica::DrawingSurface*>(grafico_)->strokes().strokes())
            if (stroke.kind == esferica::StrokeRecord::Kind::Text)
                found << stroke.text;
        return found;
    };
    calculateEquilateral();
    EXPECT_EQ(names(), (QStringList{"A", "B", "C", "a", "b", "c"}));
    auto* sides = form_->findChild<QAction*>(QStringLiteral("actNombresLados"));
    ASSERT_NE(sides, nullptr);
    EXPECT_TRUE(sides->isCheckable() && sides->isChecked());
    sides->trigger();
    EXPECT_EQ(names(), (QStringList{"A", "B", "C"}));
    form_ = std::make_unique<frmTrianguloEsf>();
    grafico_ = form_->findChild<QWidget*>(QStringLiteral("Grafico"));
    EXPECT_FALSE(form_->findChild<QAction*>(QStringLiteral("actNombresLados"))->isChecked());
    calculateEquilateral();
    EXPECT_EQ(names(), (QStringList{"A", "B", "C"}));
    form_->findChild<QAction*>(QStringLiteral("actNombresLados"))->trigger();
    EXPECT_EQ(names(), (QStringList{"A", "B", "C", "a", "b", "c"}));
}

// Mouse moves that arrive before the picture is drawn again are drawn together, once, at the
// latest view.
TEST_F(ExploreTest, MovesArrivingTogetherAreDrawnOnce) {
    calculateEquilateral();
    const int redraws = redrawsOf([this] {
        QPoint at = grafico_->rect().center();
        QTest::mousePress(grafico_, Qt::LeftButton, {}, at);
        for (int i = 0; i < 40; ++i)
            QTest::mouseMove(grafico_, at += QPoint(1, 0));
        QTest::mouseRelease(grafico_, Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(view(), (QStringList{"30", "-10"}));
}

// Before any drawing, and after each of the messages has cleared the picture, turning does
// nothing: the picture stays white and the fields as they are.
TEST_F(ExploreTest, NothingToTurnWithoutADrawing) {
    struct Row {
        const char* name;
        Texts inputs; // clicked after a drawing, unless empty
        Options options;
    };
    const Row rows[] = {
        {"before any drawing", {}, defaultOptions()},
        {"too few elements", {"60", "60", "", "", "", ""}, defaultOptions()},
        {"too many elements", {"60", "60", "60", "60", "", ""}, defaultOptions()},
        {"no triangle", {"30", "40", "80", "", "", ""}, defaultOptions()},
        {"unusable drawing data", {"60", "60", "60", "", "", ""}, {"15", "0", "30", "10"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.inputs == Texts{}) {
            typeInto(*form_, row.inputs, row.options);
        } else {
            calculateEquilateral();
            typeInto(*form_, row.inputs, row.options);
            answerMessages([this] {
                QTest::mouseClick(form_->findChild<QPushButton*>(QStringLiteral("cmdCalcular")),
                                  Qt::LeftButton);
            });
        }
        const QStringList fields = view();
        EXPECT_EQ(redrawsOf([this] {
                      drag({{10, 10}});
                      grafico_->setFocus(Qt::TabFocusReason);
                      QTest::keyClick(grafico_, Qt::Key_Left);
                      resizeBy(*form_, 50);
                      resizeBy(*form_, 0);
                  }),
                  0);
        EXPECT_EQ(view(), fields);
        EXPECT_TRUE(std::all_of(drawn().constBits(), drawn().constBits() + drawn().sizeInBytes(),
                                [](uchar byte) { return byte == 0xff; }))
            << "the picture is white";
    }
}

// The picture grows as a square from its top-left corner by the lesser growth of the window; the
// status label and the buttons under the picture follow its bottom edge, every other control
// stays; the window never shrinks below its designed size. The grown picture is drawn anew at its
// size, as Calcular draws it there.
TEST_F(ExploreTest, ThePictureGrowsWithTheWindowAndIsDrawnAgainAtItsSize) {
    std::map<QString, QRect> places;
    for (const QWidget* child : form_->findChildren<QWidget*>())
        if (!child->objectName().isEmpty())
            places[child->objectName()] = child->geometry();
    calculate({"60", "60", "60", "", "", ""}, {"1", "1", "30", "10"});
    EXPECT_EQ(redrawsOf([this] { form_->resize(kDesignedSize + QSize(200, 90)); }), 1);
    for (const auto& [name, place] : places) {
        SCOPED_TRACE(qPrintable(name));
        const QRect now = form_->findChild<QWidget*>(name)->geometry();
        if (name == QLatin1String("Grafico"))
            EXPECT_EQ(now, kDesignedPicture.adjusted(0, 0, 90, 90));
        else if (name == QLatin1String("Resolvergraf") ||
                 name == QLatin1String("cmdProcedimiento") ||
                 name == QLatin1String("cmdNavegacion"))
            EXPECT_EQ(now, place.translated(0, 90));
        else
            EXPECT_EQ(now, place);
    }
    const QImage grown = drawn();
    ASSERT_EQ(grown.size(), QSize(443, 443) * grown.devicePixelRatio());
    calculate({"60", "60", "60", "", "", ""}, {"1", "1", "30", "10"});
    EXPECT_TRUE(drawn() == grown) << "drawn as Calcular draws at this size, not stretched";

    form_->resize(500, 300);
    QApplication::processEvents();
    EXPECT_EQ(form_->size(), kDesignedSize);
    EXPECT_EQ(grafico_->geometry(), kDesignedPicture);
}

// The picture shows a frame while it has the keyboard focus; the drawing itself (what is copied
// and saved) does not change.
TEST_F(ExploreTest, ThePictureShowsAFocusFrame) {
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    calculateEquilateral();
    form_->findChild<QPushButton*>(QStringLiteral("cmdCalcular"))->setFocus();
    const QImage unfocused = grafico_->grab().toImage();
    const QImage drawing = drawn();
    grafico_->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(grafico_->grab().toImage() == unfocused);
    EXPECT_TRUE(drawn() == drawing);
}

} // namespace
