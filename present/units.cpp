// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/units.h"

namespace esferica {

namespace {

constexpr std::array<std::string_view, kAngleFormats> kNames{"decimal", "gms", "gm", "rad"};
// The decimals of the last unit in the full-precision texts and in the labels, form by form. A
// ten-thousandth of a second and a millionth of a minute are both a few 1e-8 degrees: finer than
// any result's accuracy needs to show, as ten decimals of a degree are.
constexpr std::array<int, kAngleFormats> kPreciseDecimals{10, 4, 6, 10};
constexpr std::array<int, kAngleFormats> kLabelDecimals{2, 0, 2, 4};

std::size_t indexOf(AngleFormat format) {
    return static_cast<std::size_t>(format);
}

} // namespace

std::string_view angleFormatName(AngleFormat format) {
    return kNames[indexOf(format)];
}

std::optional<AngleFormat> angleFormatNamed(std::string_view name) {
    for (const AngleFormat format : kAllAngleFormats)
        if (kNames[indexOf(format)] == name)
            return format;
    return std::nullopt;
}

int Units::preciseDecimals() const {
    return decimals.value_or(kPreciseDecimals[indexOf(format)]);
}

int Units::labelDecimals() const {
    return kLabelDecimals[indexOf(format)];
}

} // namespace esferica
