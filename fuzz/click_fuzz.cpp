// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the whole calculate command, headless, on arbitrary field texts.
//
// Input format, so that the corpus stays readable text: the bytes are split into lines at '\n'.
// Lines 1 to 6 are the input fields a, b, c, A, B, C; lines 7 to 10 the option fields (parallel
// spacing, meridian spacing, inclination, rotation). A missing input line is an empty field; a
// missing option line keeps the window's initial text (15, 20, 30, 10). Every further block of
// ten lines is one more click on the same window, whose triangle and fitting state carry over as
// they do between clicks of the real window; at most kMaxClicks clicks per input. A field can
// therefore hold no line feed, which the number reader ignores like a blank anyway.
//
// Checked after every click, aborting with a message on stderr when one fails:
//   - the click returns (libFuzzer's -timeout bounds it);
//   - it ends with a drawing and no message, or with exactly one of the four fixed messages, the
//     one that matches how the run ended;
//   - no result label holds "inf" or "nan", and every label holds either nothing or a number in
//     the result format: [-]digits[.d[d]] without trailing zeros and never "-0", or the exponent
//     form d[.ddd]E(+|-)dd for a magnitude of 1e15 or more;
//   - after a count message or "No existe solución" all twelve labels are empty and the picture
//     was cleared with nothing drawn on it; after a drawing labels 0 to 5 are filled and labels 6
//     to 11 are filled exactly when the run found two triangles;
//   - every element of a triangle shown lies strictly between 0 and 180 degrees;
//   - the picture received only finite coordinates and radii, only black and red, and nothing
//     drawn after "Error en datos de dibujo" cleared it.
#include "command/calculate.h"
#include "command/numbers.h"
#include "command/view.h"
#include "numeric/angles.h"

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
// Labels kFirst to 11 show the additional triangle.
constexpr int kFirst = FormView::kFirstAdditionalLabel, kLabels = FormView::kResultLabels;

[[noreturn]] void broken(const char* invariant, std::string_view detail = {}) {
    std::fprintf(stderr, "\n*** invariant broken: %s", invariant);
    if (!detail.empty())
        std::fprintf(stderr, " [%.*s]", static_cast<int>(detail.size()), detail.data());
    std::fprintf(stderr, "\n");
    std::abort();
}

// A drawing surface that checks every call as it comes and keeps only counters, so that a grid
// of a hundred thousand lines costs no memory.
class CheckingSurface : public Surface {
public:
    void Scale(float left, float top, float right, float bottom) override {
        finite(left), finite(top), finite(right), finite(bottom);
        ++calls;
    }
    void Cls() override {
        ++calls;
        drawnSinceCls = 0;
    }
    void setForeColor(std::int32_t color) override {
        if (color != kBlack && color != kRed)
            broken("a colour other than black and red", std::to_string(color));
        ++calls;
    }
    void setCurrentX(float x) override {
        finite(x);
        ++calls;
    }
    void setCurrentY(float y) override {
        finite(y);
        ++calls;
    }
    void Line(float x, float y) override {
        finite(x), finite(y);
        ++calls;
        ++drawnSinceCls;
    }
    void Circle(float x, float y, float r) override {
        finite(x), finite(y), finite(r);
        ++calls;
        ++drawnSinceCls;
    }

    long calls = 0;
    long drawnSinceCls = 0;

private:
    static void finite(float v) {
        if (!std::isfinite(v))
            broken("a non-finite coordinate reached the picture");
    }
};

class CheckingView : public FormView {
public:
    std::string inputText(int i) const override { return inputs.at(static_cast<std::size_t>(i)); }
    std::string optionText(int i) const override { return options.at(static_cast<std::size_t>(i)); }
    void setOptionText(int i, std::string_view text) override {
        options.at(static_cast<std::size_t>(i)) = text;
    }
    void setResult(int i, std::string_view caption) override {
        results.at(static_cast<std::size_t>(i)) = caption;
    }
    void setGraphStatus(GraphStatus s) override { status = s; }
    void showMessage(Message m) override {
        message = m;
        ++messages;
    }
    std::string decimalSeparator() const override { return "."; }
    Surface& picture() override { return surface; }

    std::array<std::string, kInputFields> inputs;
    std::array<std::string, kOptionFields> options;
    std::array<std::string, kResultLabels> results;
    GraphStatus status = GraphStatus::Clear;
    Message message = Message::Underdetermined;
    int messages = 0;
    CheckingSurface surface;
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

Message messageFor(RunEnd end) {
    switch (end) {
    case RunEnd::Underdetermined:
        return Message::Underdetermined;
    case RunEnd::Overdetermined:
        return Message::Overdetermined;
    case RunEnd::NoSolution:
        return Message::NoSolution;
    case RunEnd::BadDrawingData:
    case RunEnd::Drawn:
        break;
    }
    return Message::BadDrawingData;
}

void checkClick(const CheckingView& view, const RunReport& report, long surfaceCallsBefore) {
    for (const std::string& label : view.results)
        checkLabel(label);

    const bool pictureTouched = view.surface.calls != surfaceCallsBefore;
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

    // Every element of a triangle lies strictly between 0 and 180 degrees.
    if (report.end == RunEnd::Drawn || report.end == RunEnd::BadDrawingData) {
        const auto inside = [](const TriangleSolution& t) {
            for (int i = 0; i < TriangleSolution::kElements; ++i)
                if (!(t.element(i) > 0 && t.element(i) < kPi))
                    return false;
            return true;
        };
        if (!inside(report.primary) || (report.twoSolutions && !inside(report.additional)))
            broken("a triangle was shown with an element outside (0, 180) degrees");
    }

    if (report.end == RunEnd::Drawn) {
        if (view.messages != 0)
            broken("a drawn run showed a message");
        if (!labelsFilled(0, kFirst))
            broken("a drawn run left a label of the triangle empty");
        if (report.twoSolutions ? !labelsFilled(kFirst, kLabels) : !labelsEmpty(kFirst, kLabels))
            broken("the labels of the additional triangle disagree with twoSolutions");
        if (view.surface.drawnSinceCls == 0)
            broken("a drawn run drew nothing");
        return;
    }

    if (view.messages != 1)
        broken("a run that did not draw showed other than exactly one message",
               std::to_string(view.messages));
    if (view.message != messageFor(report.end))
        broken("the message does not match how the run ended");
    if (report.end == RunEnd::BadDrawingData) {
        if (view.surface.drawnSinceCls != 0)
            broken("something was drawn although the drawing data were refused");
        return;
    }
    if (!labelsEmpty(0, kLabels))
        broken("a run that ended before showing results left a label filled");
    if (!pictureTouched || view.surface.drawnSinceCls != 0)
        broken("a run that ended before the drawing stage left a drawing on the picture");
}

} // namespace
} // namespace esferica

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace esferica;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    Calculator form;
    CheckingView view;
    std::size_t pos = 0;
    for (int click = 0; click < kMaxClicks && (click == 0 || pos < bytes.size()); ++click) {
        view.inputs.fill("");
        for (int i = 0; i < FormView::kOptionFields; ++i)
            view.options[static_cast<std::size_t>(i)] =
                FormView::kDefaultOptionTexts[static_cast<std::size_t>(i)];
        for (int field = 0; field < 10 && pos < bytes.size(); ++field) {
            const std::size_t end = std::min(bytes.find('\n', pos), bytes.size());
            std::string text(bytes.substr(pos, end - pos));
            pos = end + 1;
            if (field < FormView::kInputFields)
                view.inputs[static_cast<std::size_t>(field)] = std::move(text);
            else
                view.options[static_cast<std::size_t>(field - FormView::kInputFields)] =
                    std::move(text);
        }

        view.messages = 0;
        const long surfaceCallsBefore = view.surface.calls;
        const RunReport report = form.calculate(view);
        checkClick(view, report, surfaceCallsBefore);
    }
    return 0;
}
