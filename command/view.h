// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit boundary: every operation that the calculate command needs of the window, and the
// drawing surface of drawing/surface.h. The Qt form implements it over its widgets; the tests and
// the fuzzer implement it with a recording fake, so the whole command runs headless.
#pragma once

#include "drawing/surface.h"

#include <array>
#include <string>
#include <string_view>

namespace esferica {

// The fixed messages. Their Spanish texts belong to the toolkit side.
enum class Message {
    Underdetermined, // fewer than three elements given
    Overdetermined,  // more than three elements given
    NoSolution,      // no triangle fits the data
    BadDrawingData,  // an option field that cannot be drawn with
};

// What the status label under the picture says.
enum class GraphStatus {
    Clear,
    SideNotFitted, // side c could not be fitted and was not drawn
};

// The window's controls as the calculate command sees them. Indices follow the controls: input
// field i holds element i (0 = a, 1 = b, 2 = c, 3 = A, 4 = B, 5 = C), result label i shows element
// i of the solution and label kFirstAdditionalLabel + i element i of the additional solution,
// option field 0 to 3 the parallel spacing, meridian spacing, inclination and rotation (degrees).
class FormView {
public:
    static constexpr int kInputFields = 6;
    static constexpr int kResultLabels = 12;
    static constexpr int kFirstAdditionalLabel = 6;
    static constexpr int kOptionFields = 4;
    // What the option fields hold when the window opens.
    static constexpr std::array<const char*, kOptionFields> kDefaultOptionTexts{"15", "20", "30",
                                                                                "10"};

    virtual ~FormView() = default;

    virtual std::string inputText(int i) const = 0;  // as typed, UTF-8
    virtual std::string optionText(int i) const = 0; // as typed, UTF-8
    // Replaces the text of option field i: a turned picture writes its view into the fields of
    // the inclination and the rotation.
    virtual void setOptionText(int i, std::string_view text) = 0;
    virtual void setResult(int i, std::string_view caption) = 0;
    virtual void setGraphStatus(GraphStatus status) = 0;
    // A modal message box with one OK button; returns when the user has closed it.
    virtual void showMessage(Message message) = 0;
    // The decimal separator of the user's locale, for the result labels.
    virtual std::string decimalSeparator() const = 0;
    virtual Surface& picture() = 0;
};

} // namespace esferica
