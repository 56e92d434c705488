// The toolkit boundary: every operation that the calculate command and the drawing need of the
// window, as two small interfaces. The Qt form implements them over its widgets; the tests and the
// fuzzer implement them with a recording fake, so the whole command runs headless.
#pragma once

#include <cstdint>
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

// A picture used as a drawing surface. Coordinates are single precision user coordinates set by
// Scale; colours are red + 256 * green + 65536 * blue. Every operation takes effect before the
// next one is called.
class Surface {
public:
    virtual ~Surface() = default;

    // (left, top) becomes the top-left corner and (right, bottom) the bottom-right corner; a
    // larger top than bottom makes y point up.
    virtual void Scale(float left, float top, float right, float bottom) = 0;
    // Erase everything to the background colour.
    virtual void Cls() = 0;
    // The colour of later lines and circles.
    virtual void setForeColor(std::int32_t color) = 0;
    // Move the current point.
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    // A straight segment from the current point to (x, y); (x, y) becomes the current point.
    virtual void Line(float x, float y) = 0;
    // The outline of the circle of radius r about (x, y), full turn, aspect 1.
    virtual void Circle(float x, float y, float r) = 0;
};

// The window's controls as the calculate command sees them. Indices follow the controls: input
// field i holds element i (0 = a, 1 = b, 2 = c, 3 = A, 4 = B, 5 = C), result label i shows element
// i of the solution and label 6 + i element i of the additional solution, option field 0 to 3 the
// parallel spacing, meridian spacing, inclination and rotation.
class FormView {
public:
    static constexpr int kInputFields = 6;
    static constexpr int kResultLabels = 12;
    static constexpr int kOptionFields = 4;

    virtual ~FormView() = default;

    virtual std::string inputText(int i) const = 0;  // as typed, UTF-8
    virtual std::string optionText(int i) const = 0; // as typed, UTF-8
    virtual void setResult(int i, std::string_view caption) = 0;
    virtual void setGraphStatus(GraphStatus status) = 0;
    // A modal message box with one OK button; returns when the user has closed it.
    virtual void showMessage(Message message) = 0;
    // The decimal separator of the user's locale, for the result labels.
    virtual std::string decimalSeparator() const = 0;
    virtual Surface& picture() = 0;
};

} // namespace esferica
