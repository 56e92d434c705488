// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it was designed: every control's object name, kind, place and caption, in twips
// (15 to a pixel at 96 dots per inch), in the order the window makes them, which is also the order
// they are stacked in and the order a screen reader finds them in. The window places its controls
// from this table, and the tests hold the window to it. The places are those of the designed size;
// as the window grows, the picture grows with it and the controls under the picture move down.
#pragma once

#include "command/calculate.h"

#include <QRect>
#include <array>
#include <cstddef>
#include <string_view>

namespace esferica::design {

constexpr int kTwipsPerPixel = 15;

// A rectangle in twips: its top-left corner and its size.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The rectangle in pixels, each measure rounded down to a whole pixel.
constexpr QRect pixels(const Twips& place) {
    return {place.left / kTwipsPerPixel, place.top / kTwipsPerPixel, place.width / kTwipsPerPixel,
            place.height / kTwipsPerPixel};
}

enum class Kind {
    Label,   // a caption, or a label that shows a value (QLabel)
    TextBox, // a field (QLineEdit)
    Button,  // a QPushButton
    Picture, // the diagram of the triangle's names (a QLabel holding a pixmap)
    Surface, // the picture the triangles are drawn on (DrawingSurface)
};

struct Control {
    std::string_view name; // the object name; a member of an array with its index, "txtInput(0)"
    Kind kind;
    Twips place;
    std::string_view caption; // in UTF-8: the text of a label or a button, a field's initial text
};

// The designed size of the window: the size it opens at, and the smallest it can be made.
inline constexpr Twips kWindow{0, 0, 11040, 6765};

inline constexpr std::array<Control, 54> kControls{{
    {"lblInput(0)", Kind::Label, {240, 1440, 855, 375}, "lado a"},
    {"txtInput(0)", Kind::TextBox, {1080, 1440, 735, 285}, ""},
    {"lblInput(1)", Kind::Label, {240, 1800, 855, 375}, "lado b"},
    {"txtInput(1)", Kind::TextBox, {1080, 1800, 735, 285}, ""},
    {"lblInput(2)", Kind::Label, {240, 2160, 855, 375}, "lado c"},
    {"txtInput(2)", Kind::TextBox, {1080, 2160, 735, 285}, ""},
    {"lblInput(3)", Kind::Label, {240, 2520, 855, 375}, "ángulo A"},
    {"txtInput(3)", Kind::TextBox, {1080, 2520, 735, 285}, ""},
    {"lblInput(4)", Kind::Label, {240, 2880, 855, 375}, "ángulo B"},
    {"txtInput(4)", Kind::TextBox, {1080, 2880, 735, 285}, ""},
    {"lblInput(5)", Kind::Label, {240, 3240, 855, 375}, "ángulo C"},
    {"txtInput(5)", Kind::TextBox, {1080, 3240, 735, 285}, ""},
    {"cmdCalcular", Kind::Button, {480, 240, 1455, 375}, "&Calcular"},
    {"Grafico", Kind::Surface, {5280, 360, 5295, 5295}, ""},
    // The option fields start with the texts that the command reads when none is given.
    {"lblgrid(0)", Kind::Label, {360, 4560, 735, 255}, "º red lat."},
    {"txtGrid(0)", Kind::TextBox, {1320, 4560, 735, 285}, kDefaultOptionTexts[0]},
    {"lblgrid(1)", Kind::Label, {360, 4920, 735, 255}, "º red long"},
    {"txtGrid(1)", Kind::TextBox, {1320, 4920, 735, 285}, kDefaultOptionTexts[1]},
    {"lblgrid(2)", Kind::Label, {360, 5280, 855, 255}, "Inclinación"},
    {"txtGrid(2)", Kind::TextBox, {1320, 5280, 735, 285}, kDefaultOptionTexts[2]},
    {"lblgrid(3)", Kind::Label, {360, 5640, 855, 255}, "Rotación"},
    {"txtGrid(3)", Kind::TextBox, {1320, 5640, 735, 285}, kDefaultOptionTexts[3]},
    {"cmdNavegacion", Kind::Button, {7200, 6240, 1695, 375}, "&Navegación…"},
    {"Picture1", Kind::Picture, {2040, 1680, 855, 1575}, ""},
    // The letters of the results and their values: the solution, then the additional triangle.
    {"lblout(0)", Kind::Label, {3360, 480, 255, 375}, "a"},
    {"lblOutcome(0)", Kind::Label, {3720, 480, 855, 255}, ""},
    {"lblout(1)", Kind::Label, {3360, 840, 255, 375}, "b"},
    {"lblOutcome(1)", Kind::Label, {3720, 840, 855, 255}, ""},
    {"lblout(2)", Kind::Label, {3360, 1200, 255, 375}, "c"},
    {"lblOutcome(2)", Kind::Label, {3720, 1200, 855, 255}, ""},
    {"lblout(3)", Kind::Label, {3360, 1560, 255, 375}, "A"},
    {"lblOutcome(3)", Kind::Label, {3720, 1560, 855, 255}, ""},
    {"lblout(4)", Kind::Label, {3360, 1920, 255, 375}, "B"},
    {"lblOutcome(4)", Kind::Label, {3720, 1920, 855, 255}, ""},
    {"lblout(5)", Kind::Label, {3360, 2280, 255, 375}, "C"},
    {"lblOutcome(5)", Kind::Label, {3720, 2280, 855, 255}, ""},
    {"lblout(6)", Kind::Label, {3360, 3240, 255, 375}, "a"},
    {"lblOutcome(6)", Kind::Label, {3720, 3240, 855, 255}, ""},
    {"lblout(7)", Kind::Label, {3360, 3600, 255, 375}, "b"},
    {"lblOutcome(7)", Kind::Label, {3720, 3600, 855, 255}, ""},
    {"lblout(8)", Kind::Label, {3360, 3960, 255, 375}, "c"},
    {"lblOutcome(8)", Kind::Label, {3720, 3960, 855, 255}, ""},
    {"lblout(9)", Kind::Label, {3360, 4320, 255, 375}, "A"},
    {"lblOutcome(9)", Kind::Label, {3720, 4320, 855, 255}, ""},
    {"lblout(10)", Kind::Label, {3360, 4680, 255, 375}, "B"},
    {"lblOutcome(10)", Kind::Label, {3720, 4680, 855, 255}, ""},
    {"lblout(11)", Kind::Label, {3360, 5040, 255, 375}, "C"},
    {"lblOutcome(11)", Kind::Label, {3720, 5040, 855, 255}, ""},
    {"Label1", Kind::Label, {240, 960, 2175, 375}, "Ingrese los datos conocidos:"},
    {"Label2", Kind::Label, {3240, 2640, 1455, 255}, "Solución"},
    {"lbladicional", Kind::Label, {3240, 5400, 1455, 615}, "Solución adicional (si existe)"},
    {"Label3", Kind::Label, {240, 4200, 2175, 255}, "Opciones de gráfico:"},
    // The status under the picture: what a drawing left out, on up to two lines.
    {"Resolvergraf", Kind::Label, {5400, 5760, 4575, 375}, ""},
    {"cmdProcedimiento", Kind::Button, {5400, 6240, 1695, 375}, "&Procedimiento"},
}};

// Whether `name` is the member `index` of the array `array`: "lblOutcome(11)" of "lblOutcome".
constexpr bool isMember(std::string_view name, std::string_view array, int index) {
    if (!name.starts_with(array) || !name.ends_with(')'))
        return false;
    const std::string_view number = name.substr(array.size());
    if (number.size() < 3 || number.front() != '(')
        return false;
    int read = 0;
    for (const char digit : number.substr(1, number.size() - 2)) {
        if (digit < '0' || digit > '9')
            return false;
        read = read * 10 + (digit - '0');
    }
    return read == index;
}

// The row of the control `name`. Evaluated as the program compiles: a name that is not in the
// table does not compile.
consteval Control control(std::string_view name) {
    for (const Control& row : kControls)
        if (row.name == name)
            return row;
    throw "no control of this name in the design";
}

// The rows of the members 0 to N - 1 of the control array `array`, in the order of their indices;
// a member missing from the table does not compile.
template <std::size_t N> consteval std::array<Control, N> members(std::string_view array) {
    std::array<Control, N> rows{};
    for (std::size_t i = 0; i < N; ++i) {
        bool found = false;
        for (const Control& row : kControls)
            if (isMember(row.name, array, static_cast<int>(i))) {
                rows[i] = row;
                found = true;
            }
        if (!found)
            throw "a member of this array is missing from the design";
    }
    return rows;
}

// No two controls share a name.
consteval bool namesAreUnique() {
    for (std::size_t i = 0; i < kControls.size(); ++i)
        for (std::size_t j = i + 1; j < kControls.size(); ++j)
            if (kControls[i].name == kControls[j].name)
                return false;
    return true;
}
static_assert(namesAreUnique());

} // namespace esferica::design
