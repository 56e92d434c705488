// The picture on the real window, offscreen. Given the three sides of 60 degrees and the default
// view, when Calcular is clicked, then the sphere's outline is black and the triangle's three
// sides are red where the geometry puts them, and so they stay after the picture has been covered
// and uncovered or the window hidden and shown again.
//
// Expected positions come from the triangle's vertices on the unit sphere: the sides are
// great-circle arcs between 3-D vectors, turned by the inclination and mapped from user
// coordinates (-1.2 to 1.2, y up) onto the picture's pixels.
#include "qt/drawingsurface.h"
#include "qt/frmTrianguloEsf.h"
#include "tests/support/messages.h"
#include "tests/support/qt_test.h"
#include "tests/support/sphere.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>
#include <utility>
#include <vector>

namespace {

using esferica::testing::answerMessages;
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

constexpr double kDeg = std::numbers::pi / 180;
// Default view: inclination 30 degrees; rotation 10 puts vertex A at longitude -90 - 10.
constexpr double kInclinationDeg = 30;
constexpr double kLongitudeADeg = -100;
// Antialiased one-pixel lines: a drawn point shows within this many pixels of where it belongs.
constexpr int kReach = 2;
// The centre of a pixel that an antialiased line of the outline touches is this close to it.
constexpr double kOnOutline = 1.5;
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
        if (std::abs(outermost[k] - 1) * pixelsPerUnit > kReach && ++misplaced <= 3)
            ADD_FAILURE() << "outermost grey in the sector at " << 3 * k - 180.0
                          << " degrees is at radius " << outermost[k];
    EXPECT_EQ(misplaced, 0);
}

// Checks a picture of "Grafico", whatever its pixel density, against the geometry.
void expectSphereAndTriangle(const QImage& image) {
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

    // Every red pixel belongs to one of the three sides: none of the rest of a great circle.
    int stray = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!isRed(image.pixelColor(x, y)))
                continue;
            const QPointF centre(x + 0.5, y + 0.5);
            double best = 1e9;
            for (const QPointF& p : allPixels)
                best = std::min(best, std::hypot(p.x() - centre.x(), p.y() - centre.y()));
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
    calculateEquilateral();
    SCOPED_TRACE("grabbed picture");
    expectSphereAndTriangle(grafico_->grab().toImage());
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
            if (std::abs(r - pixelsPerUnit) > kOnOutline && ++offCircle <= 3)
                ADD_FAILURE() << "grey pixel (" << x << ", " << y << ") off the outline";
        }
    EXPECT_GT(grey, 2 * 3 * pixelsPerUnit) << "the outline goes all the way round";
    EXPECT_EQ(offCircle, 0);
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
// in tests/data: at one device pixel per pixel the same clicks must draw them to the last pixel.
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

TEST_F(ReferencePictureTest, AClickDrawsTheReferencePixels) {
    for (const Reference& row : kReferences) {
        calculate(row.inputs, row.options);
        expectReference(row);
    }
}

} // namespace
