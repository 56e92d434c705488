// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of a click that draws: the calculate command on the real window, into the picture's
// backing image, flush included, for the triangle with three sides of 60 degrees under the default
// view and under grids of 1 and 0.05 degrees. Goals (medians on a 2-core machine): default under
// one 60 Hz frame (16.7 ms), 1-degree grid under 50 ms, 0.05-degree grid under 1 s.
//
// One step of turning the picture by hand, as a drag makes it: the window's redraw of the last
// scene under a view turned by a pixel's worth both ways (so that the parallels change as well as
// the meridians; the steps go back and forth), into the picture's backing image, at the default
// options and at grids of 1 and 0.25 degrees and the densest accepted, whose lines a turn draws
// thinned, and at 0.59 degrees, the finest grid that a turn at the picture's designed size draws
// whole: the slowest step of all; each in the classic picture (style 0) and in the readable one
// with its names and depth (style 1). Goals: 4 ms at the default options, 8 ms at the 1-degree
// grid, and within one 60 Hz frame (16 ms) at every grid. The click at the same grid runs in the
// same program, so that the ratio compares like with like; BM_TurnStepReadableOverClassic turns a
// window of each picture in alternation and reports both and their ratio. BM_ClickReadable is the
// click of the window as it opens, in the readable picture; goal at the default options: 1 ms.
//
// The picture against plain QPainter: the segments of one click are recorded, then replayed
// through the picture (its Scale, Cls, colour, Line and Circle calls and the flush) and drawn
// straight with an antialiased QPainter into an image of the same size; the picture may cost at
// most 1.3 times as much. BM_SurfaceOverBaseline times both in alternation and reports the ratio.
//
//   cmake --build build --target drawing_bench
//   build/bench/drawing_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "command/calculate.h"
#include "qt/picture/drawingsurface.h"
#include "qt/window/frmTrianguloEsf.h"
#include "tests/support/fake_view.h"
#include "tests/support/messages.h"
#include "tests/support/settings.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using esferica::testing::FakeSurface;
using esferica::testing::FakeView;
using esferica::testing::Options;

// Parallel spacing, meridian spacing, inclination, rotation.
const Options kDefault = esferica::testing::defaultOptions();
const Options kOneDegree{"1", "1", "30", "10"};
const Options kTwentiethDegree{"0.05", "0.05", "30", "10"};
// Close to the most lines of each family that the options accept.
const Options kDensest{"0.0181", "0.0361", "30", "10"};
const Options kQuarterDegree{"0.25", "0.25", "30", "10"};
// Lines 1.51 pixels apart across the middle of the sphere in the designed picture, just far
// enough apart to be drawn whole while the sphere moves (GridThinning).
const Options kFinestWhole{"0.59", "0.59", "30", "10"};

// The grid argument of a benchmark: 0 default options, 1 a 1-degree grid, 2 a 0.05-degree grid,
// 3 the densest accepted, 4 a 0.25-degree grid, 5 the finest grid a turn draws whole.
const Options& optionsOf(const benchmark::State& state) {
    static const std::array<const Options*, 6> all{&kDefault, &kOneDegree,     &kTwentiethDegree,
                                                   &kDensest, &kQuarterDegree, &kFinestWhole};
    return *all.at(static_cast<std::size_t>(state.range(0)));
}

// The window as the user has it after typing the three sides and the options, showing the
// classic picture or the readable one.
std::unique_ptr<frmTrianguloEsf> typedForm(const Options& options, bool classic = true) {
    auto form = std::make_unique<frmTrianguloEsf>();
    form->findChild<QAction*>(QStringLiteral("actDibujoClasico"))->setChecked(classic);
    esferica::testing::typeInto(*form, {"60", "60", "60", "", "", ""}, options);
    form->show();
    QApplication::processEvents();
    return form;
}

void BM_Click(benchmark::State& state) {
    const std::unique_ptr<frmTrianguloEsf> form = typedForm(optionsOf(state));
    for (auto _ : state) {
        form->cmdCalcular_Click();
        // The repaint that the flush scheduled happens in the event loop, outside the click.
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_ClickReadable(benchmark::State& state) {
    const std::unique_ptr<frmTrianguloEsf> form = typedForm(optionsOf(state), false);
    for (auto _ : state) {
        form->cmdCalcular_Click();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// A window with its picture drawn, ready to turn.
std::unique_ptr<frmTrianguloEsf> drawnForm(const Options& options, bool classic) {
    std::unique_ptr<frmTrianguloEsf> form = typedForm(options, classic);
    form->cmdCalcular_Click();
    QApplication::processEvents();
    return form;
}

// One turn step of `form`, the `step`-th: ten steps one way, ten back.
void turnStep(frmTrianguloEsf& form, int step) {
    const double way = (step / 10) % 2 == 0 ? 1 : -1;
    form.Grafico_Turn(0.5 * way, -0.5 * way);
    // The redraw that the turn queued, and nothing else of the event loop.
    QCoreApplication::sendPostedEvents(&form, QEvent::MetaCall);
}

void BM_TurnStep(benchmark::State& state) {
    const std::unique_ptr<frmTrianguloEsf> form = drawnForm(optionsOf(state), state.range(1) == 0);
    int step = 0;
    for (auto _ : state) {
        turnStep(*form, step++);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// The readable picture against the classic one, step for step in alternation, so that whatever
// else the machine does weighs on both alike.
void BM_TurnStepReadableOverClassic(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::unique_ptr<frmTrianguloEsf> classic = drawnForm(optionsOf(state), true);
    const std::unique_ptr<frmTrianguloEsf> readable = drawnForm(optionsOf(state), false);
    Clock::duration classicTime{}, readableTime{};
    int step = 0;
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        turnStep(*classic, step);
        const Clock::time_point t1 = Clock::now();
        turnStep(*readable, step);
        const Clock::time_point t2 = Clock::now();
        ++step;
        classicTime += t1 - t0;
        readableTime += t2 - t1;
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    const auto ms = [&](Clock::duration t) {
        return std::chrono::duration<double, std::milli>(t).count() /
               static_cast<double>(state.iterations());
    };
    state.counters["classic_ms"] = ms(classicTime);
    state.counters["readable_ms"] = ms(readableTime);
    state.counters["ratio"] = ms(readableTime) / ms(classicTime);
}

// What one click puts on the picture, recorded call by call.
std::vector<FakeSurface::Call> recordedClick(const Options& options) {
    FakeView view;
    view.type({"60", "60", "60", "", "", ""});
    view.options = options;
    esferica::Calculator form;
    view.click(form);
    return view.surface.calls;
}

void replay(const std::vector<FakeSurface::Call>& calls, esferica::DrawingSurface& surface) {
    using Op = FakeSurface::Op;
    for (const FakeSurface::Call& c : calls) {
        switch (c.op) {
        case Op::Scale:
            surface.Scale(c.x, c.y, c.r, c.w);
            break;
        case Op::Cls:
            surface.Cls();
            break;
        case Op::ForeColor:
            surface.setForeColor(c.color);
            break;
        case Op::CurrentX:
            surface.setCurrentX(c.x);
            break;
        case Op::CurrentY:
            surface.setCurrentY(c.y);
            break;
        case Op::Line:
            surface.Line(c.x, c.y);
            break;
        case Op::Circle:
            surface.Circle(c.x, c.y, c.r);
            break;
        case Op::DrawWidth:
            surface.setDrawWidth(c.width);
            break;
        case Op::DrawStyle:
            surface.setDrawStyle(c.style);
            break;
        case Op::Name:
            surface.Name(c.x, c.y, c.r, c.w, c.text);
            break;
        case Op::Halo:
            surface.NameHalo(c.x, c.y, c.r, c.w, c.text);
            break;
        }
    }
    surface.flush();
}

// The same drawing prepared for plain QPainter: runs of segments in one colour, already in pixels,
// and the outline circle.
struct PlainDrawing {
    struct Run {
        QColor color;
        std::vector<QLineF> lines;
    };
    std::vector<Run> runs;
    QPointF circleCentre;
    double circleRadius = 0;
    int circleBeforeRun = 0; // the circle is drawn before this run
    QColor circleColor;
};

PlainDrawing plainDrawing(const std::vector<FakeSurface::Call>& calls, QSize size) {
    using Op = FakeSurface::Op;
    double left = 0, top = 0, sx = 1, sy = 1;
    const auto px = [&](float x, float y) {
        return QPointF((x - left) * sx, (y - top) * sy);
    };
    const auto colorOf = [](std::int32_t c) {
        return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    };
    PlainDrawing d;
    QColor color = Qt::black;
    float cx = 0, cy = 0;
    for (const FakeSurface::Call& c : calls) {
        switch (c.op) {
        case Op::Scale:
            left = c.x;
            top = c.y;
            sx = size.width() / (static_cast<double>(c.r) - c.x);
            sy = size.height() / (static_cast<double>(c.w) - c.y);
            break;
        case Op::Cls:
            d.runs.clear();
            break;
        case Op::ForeColor:
            color = colorOf(c.color);
            break;
        case Op::CurrentX:
            cx = c.x;
            break;
        case Op::CurrentY:
            cy = c.y;
            break;
        case Op::Line:
            if (d.runs.empty() || d.runs.back().color != color)
                d.runs.push_back({color, {}});
            d.runs.back().lines.emplace_back(px(cx, cy), px(c.x, c.y));
            cx = c.x;
            cy = c.y;
            break;
        case Op::Circle:
            d.circleCentre = px(c.x, c.y);
            d.circleRadius = std::abs(c.r * sx);
            d.circleBeforeRun = static_cast<int>(d.runs.size());
            d.circleColor = color;
            break;
        case Op::DrawWidth:
        case Op::DrawStyle:
        case Op::Name:
        case Op::Halo:
            break; // the classic click that these drawings come from makes none of these
        }
    }
    return d;
}

QPen cosmeticPen(const QColor& color) {
    QPen pen(color, 1);
    pen.setCosmetic(true);
    return pen;
}

void drawPlain(const PlainDrawing& d, QImage& image) {
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= static_cast<int>(d.runs.size()); ++i) {
        if (i == d.circleBeforeRun) {
            p.setPen(cosmeticPen(d.circleColor));
            p.drawEllipse(d.circleCentre, d.circleRadius, d.circleRadius);
        }
        if (i == static_cast<int>(d.runs.size()))
            break;
        const PlainDrawing::Run& run = d.runs[static_cast<std::size_t>(i)];
        p.setPen(cosmeticPen(run.color));
        p.drawLines(run.lines.data(), static_cast<int>(run.lines.size()));
    }
}

// The picture as the window has it: its size, shown, at the screen's pixel ratio.
std::unique_ptr<esferica::DrawingSurface> shownSurface() {
    auto surface = std::make_unique<esferica::DrawingSurface>();
    surface->resize(353, 353);
    surface->show();
    QApplication::processEvents();
    return surface;
}

QImage imageLike(const esferica::DrawingSurface& surface) {
    QImage image(surface.image().size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(surface.image().devicePixelRatio());
    return image;
}

void BM_SurfaceReplay(benchmark::State& state) {
    const std::vector<FakeSurface::Call> calls = recordedClick(optionsOf(state));
    const auto surface = shownSurface();
    for (auto _ : state)
        replay(calls, *surface);
    state.counters["lines"] = static_cast<double>(
        std::count_if(calls.begin(), calls.end(),
                      [](const FakeSurface::Call& c) { return c.op == FakeSurface::Op::Line; }));
}

void BM_PlainQPainter(benchmark::State& state) {
    const auto surface = shownSurface();
    const PlainDrawing d = plainDrawing(recordedClick(optionsOf(state)), surface->size());
    QImage image = imageLike(*surface);
    for (auto _ : state) {
        drawPlain(d, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Both ways in alternation, so that whatever else the machine is doing weighs on both alike; the
// plain drawing starts from the recorded segments already in pixels, which the picture has to
// compute from user coordinates as part of its cost.
void BM_SurfaceOverBaseline(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::vector<FakeSurface::Call> calls = recordedClick(optionsOf(state));
    const auto surface = shownSurface();
    const PlainDrawing d = plainDrawing(calls, surface->size());
    QImage image = imageLike(*surface);
    Clock::duration surfaceTime{}, plainTime{};
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        replay(calls, *surface);
        const Clock::time_point t1 = Clock::now();
        drawPlain(d, image);
        benchmark::DoNotOptimize(image.constBits());
        const Clock::time_point t2 = Clock::now();
        surfaceTime += t1 - t0;
        plainTime += t2 - t1;
    }
    const auto ms = [&](Clock::duration t) {
        return std::chrono::duration<double, std::milli>(t).count() /
               static_cast<double>(state.iterations());
    };
    state.counters["surface_ms"] = ms(surfaceTime);
    state.counters["plain_ms"] = ms(plainTime);
    state.counters["ratio"] = ms(surfaceTime) / ms(plainTime);
}

// Arguments: 0 = default options, 1 = 1-degree grid, 2 = 0.05-degree grid.
void gridArgs(benchmark::internal::Benchmark* b) {
    b->ArgName("grid")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Click)->Apply(gridArgs);
// The densest grid the options accept: the slowest click a user can ask for. Goal: under 2 s.
BENCHMARK(BM_Click)->Name("BM_Click/densest")->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickReadable)->ArgName("grid")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TurnStep)
    ->ArgNames({"grid", "style"})
    ->ArgsProduct({{0, 1, 4, 3, 5}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TurnStepReadableOverClassic)
    ->ArgName("grid")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SurfaceReplay)->Apply(gridArgs);
BENCHMARK(BM_PlainQPainter)->Apply(gridArgs);
BENCHMARK(BM_SurfaceOverBaseline)->Apply(gridArgs);

} // namespace

int main(int argc, char** argv) {
    // The window is measured offscreen, whatever display the shell has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    esferica::testing::useOwnSettings(); // the windows' choices never reach the user's
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
