// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the whole calculate command, headless, on arbitrary field texts.
//
// Input format, so that the corpus stays readable text: the bytes are split into lines at '\n'.
// Lines 1 to 6 are the input fields a, b, c, A, B, C; lines 7 to 10 the option fields (parallel
// spacing, meridian spacing, inclination, rotation). A missing input line is an empty field; a
// missing option line keeps the window's initial text (15, 20, 30, 10). Every further block of
// ten lines is one more click on the same window, whose triangle and fitting state carry over as
// they do between clicks of the real window; at most kMaxClicks clicks per input. A field can
// therefore hold no line feed, which the number reader ignores like a blank anyway. The first
// click draws the readable picture, as the window does by default, the next one the classic
// picture ("Dibujo clásico"), and so on in turn.
//
// Checked after every click, aborting with a message on stderr when one fails:
//   - the click returns (libFuzzer's -timeout bounds it);
//   - it ends with a drawing and no message, or with exactly one of the five fixed messages, the
//     one that matches how the run ended, and a reason for it;
//   - a field not read whole is never used: an input field not read whole yields no triangle, an
//     option field not read whole no drawing;
//   - no result label holds "inf" or "nan", and every label holds either nothing or a number in
//     the result format: [-]digits[.d[d]] without trailing zeros and never "-0", or the exponent
//     form d[.ddd]E(+|-)dd for a magnitude of 1e15 or more;
//   - after "Datos mal escritos", a count message or "No existe solución" all twelve labels are
//     empty and the picture was cleared with nothing drawn on it; after a drawing labels 0 to 5 are
//     filled and labels 6 to 11 are filled exactly when the run found two triangles;
//   - every element of a triangle shown lies strictly between 0 and 180 degrees;
//   - the picture received only finite coordinates, radii and directions, only black and red in
//     the classic picture (which sets no width or style and writes no name), only black, light
//     grey, red and blue in the readable one, and nothing drawn after "Error en datos de dibujo"
//     cleared it;
//   - the working of the click has one part a triangle shown, each ending with the triangle's
//     elements exactly as the labels show them.
// The window is the recording view of the tests, its surface keeping counters only.
#include "command/calculate.h"
#include "command/numbers.h"
#include "numeric/angles.h"
#include "tests/support/fake_view.h"
#include "working/text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace esferica {
namespace {

constexpr int kMaxClicks = 4;
// Labels kFirst to kLabels - 1 show the additional triangle.
constexpr int kFirst = kElements, kLabels = kResultLabels;

[[noreturn]] void broken(const char* invariant, std::string_view detail = {}) {
    std::fprintf(stderr, "\n*** invariant broken: %s", invariant);
    if (!detail.empty())
        std::fprintf(stderr, " [%.*s]", static_cast<int>(detail.size()), detail.data());
    std::fprintf(stderr, "\n");
    std::abort();
}

// The recording surface, told to keep no calls, with the colours and pens checked as they come.
class CheckingSurface : public testing::FakeSurface {
public:
    CheckingSurface() { record = false; }
    void setForeColor(std::int32_t color) override {
        const bool classicColour = color == kBlack || color == kRed;
        if (!(classicColour || (!classic && (color == kFarGrey || color == kBlue))))
            broken("a colour that the picture does not draw with", std::to_string(color));
        FakeSurface::setForeColor(color);
    }
    void setDrawWidth(int width) override {
        if (classic || (width != kThinLine && width != 2 * kThinLine))
            broken("a width that the picture does not draw with", std::to_string(width));
        FakeSurface::setDrawWidth(width);
    }
    void setDrawStyle(DrawStyle style) override {
        if (classic)
            broken("a dashed line in the classic picture");
        FakeSurface::setDrawStyle(style);
    }
    void Name(float x, float y, float dx, float dy, std::string_view text) override {
        if (classic)
            broken("a name in the classic picture", text);
        FakeSurface::Name(x, y, dx, dy, text);
    }
    void NameHalo(float x, float y, float dx, float dy, std::string_view text) override {
        if (classic)
            broken("a name's halo in the classic picture", text);
        FakeSurface::NameHalo(x, y, dx, dy, text);
    }

    bool classic = false; // the picture that the click draws
};

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// [-]digits[.d[d]]: no leading zero but a lone one, no trailing zero after the separator, never
// "-0", below kExponentFrom in magnitude.
bool isPlainNumber(std::string_view s) {
    std::size_t i = s.starts_with('-') ? 1 : 0;
    const std::size_t intStart = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    const std::string_view whole = s.substr(intStart, i - intStart);
    if (whole.empty() || (whole.size() > 1 && whole[0] == '0'))
        return false;
    if (i < s.size()) {
        if (s[i] != '.')
            return false;
        const std::string_view decimals = s.substr(i + 1);
        if (decimals.empty() || decimals.size() > 2 || decimals.back() == '0')
            return false;
        for (char ch : decimals)
            if (!isDigit(ch))
                return false;
    }
    if (s == "-0")
        return false;
    return std::fabs(std::strtod(std::string(s).c_str(), nullptr)) < kExponentFrom;
}

// [-]d[.digits]E(+|-)digits with a mantissa of one non-zero digit before the separator and no
// trailing zero after it, of magnitude kExponentFrom or more.
bool isExponentNumber(std::string_view s) {
    const std::size_t e = s.find('E');
    if (e == std::string_view::npos)
        return false;
    std::string_view mantissa = s.substr(0, e), exponent = s.substr(e + 1);
    if (mantissa.starts_with('-'))
        mantissa.remove_prefix(1);
    if (mantissa.empty() || !isDigit(mantissa[0]) || mantissa[0] == '0')
        return false;
    if (mantissa.size() > 1) {
        if (mantissa[1] != '.' || mantissa.size() == 2 || mantissa.back() == '0')
            return false;
        for (char ch : mantissa.substr(2))
            if (!isDigit(ch))
                return false;
    }
    if (exponent.size() < 2 || (exponent[0] != '+' && exponent[0] != '-'))
        return false;
    for (char ch : exponent.substr(1))
        if (!isDigit(ch))
            return false;
    std::string text(s);
    text[e] = 'e';
    const double v = std::strtod(text.c_str(), nullptr);
    return std::isfinite(v) && std::fabs(v) >= kExponentFrom;
}

void checkLabel(const std::string& label) {
    std::string lower;
    for (char ch : label)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos)
        broken("a result label shows inf or nan", label);
    if (!label.empty() && !isPlainNumber(label) && !isExponentNumber(label))
        broken("a result label is not a number of the result format", label);
}

void checkClick(const testing::FakeView& view, const Calculation& calc, long surfaceCallsBefore,
                const CheckingSurface& surface) {
    for (const std::string& label : view.results)
        checkLabel(label);
    if (!surface.allFinite)
        broken("a non-finite coordinate reached the picture");

    const bool pictureTouched = surface.callCount != surfaceCallsBefore;
    const auto labelsFilled = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            if (view.results[static_cast<std::size_t>(i)].empty())
                return false;
        return true;
    };
    const auto labelsEmpty = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            if (!view.results[static_cast<std::size_t>(i)].empty())
                return false;
        return true;
    };

    // A number read from part of a text is not what the user meant.
    const auto notWhole = [](const auto& readings) {
        return std::any_of(readings.begin(), readings.end(),
                           [](const Reading& r) { return r.partly(); });
    };
    if (notWhole(calc.inputs) && (calc.hasTriangles() || calc.outcome != Outcome::NotReadWhole))
        broken("an input field not read whole yielded a triangle");
    if (notWhole(calc.options) && calc.outcome == Outcome::Solved)
        broken("an option field not read whole was drawn with");

    // Every element of a triangle lies strictly between 0 and 180 degrees.
    if (calc.hasTriangles()) {
        const auto inside = [](const TriangleSolution& t) {
            for (const Element e : kAllElements)
                if (!(t[e] > 0 && t[e] < kPi))
                    return false;
            return true;
        };
        if (!inside(calc.primary) || (calc.additional && !inside(*calc.additional)))
            broken("a triangle was shown with an element outside (0, 180) degrees");
    }

    if (calc.outcome == Outcome::Solved) {
        if (!view.messages.empty())
            broken("a drawn run showed a message");
        if (!labelsFilled(0, kFirst))
            broken("a drawn run left a label of the triangle empty");
        if (calc.additional ? !labelsFilled(kFirst, kLabels) : !labelsEmpty(kFirst, kLabels))
            broken("the labels of the additional triangle disagree with the additional triangle");
        if (surface.drawnSinceCls == 0)
            broken("a drawn run drew nothing");
        return;
    }

    if (view.messages.size() != 1)
        broken("a run that did not draw showed other than exactly one message",
               std::to_string(view.messages.size()));
    if (view.messages.back() != calc.outcome)
        broken("the message does not match how the run ended");
    if (view.reason.empty())
        broken("a message without its reason");
    if (calc.outcome == Outcome::BadDrawingData) {
        if (surface.drawnSinceCls != 0)
            broken("something was drawn although the drawing data were refused");
        return;
    }
    if (!labelsEmpty(0, kLabels))
        broken("a run that ended before showing results left a label filled");
    if (!pictureTouched || surface.drawnSinceCls != 0)
        broken("a run that ended before the drawing stage left a drawing on the picture");
}

void checkWorking(const testing::FakeView& view, const Calculation& calc) {
    const Working working = workingOf(calc);
    const std::string text = renderWorking(working, {Language::Spanish, 2, view.separator});
    const std::size_t triangles = !calc.hasTriangles() ? 0 : calc.additional ? 2 : 1;
    if (working.triangles.size() != triangles)
        broken("the working does not show the triangles that the labels show", text);
    for (std::size_t t = 0; t < triangles; ++t) {
        std::string results = "  Resultados: ";
        for (const Element e : kAllElements)
            results += (e == Element::a ? "" : ", ") + std::string(elementLetter(e)) + " = " +
                       view.results[t * kElements + index(e)] + "°";
        if (text.find(results + "\n") == std::string::npos)
            broken("the working's results are not the labels", results);
    }
}

} // namespace
} // namespace esferica

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace esferica;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    Calculator form;
    testing::FakeView view;
    CheckingSurface surface;
    view.picture = &surface;
    std::size_t pos = 0;
    for (int click = 0; click < kMaxClicks && (click == 0 || pos < bytes.size()); ++click) {
        view.inputs.fill("");
        view.options = testing::defaultOptions();
        for (int field = 0; field < kElements + kOptionFields && pos < bytes.size(); ++field) {
            const std::size_t end = std::min(bytes.find('\n', pos), bytes.size());
            std::string text(bytes.substr(pos, end - pos));
            pos = end + 1;
            if (field < kElements)
                view.inputs[static_cast<std::size_t>(field)] = std::move(text);
            else
                view.options[static_cast<std::size_t>(field - kElements)] = std::move(text);
        }

        surface.classic = click % 2 == 1;
        form.setPictureStyle(surface.classic ? PictureStyle::Classic : PictureStyle::Readable);
        view.messages.clear();
        const long surfaceCallsBefore = surface.callCount;
        const Calculation& calc = view.click(form);
        checkClick(view, calc, surfaceCallsBefore, surface);
        checkWorking(view, calc);
    }
    return 0;
}
