// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/checked.h"

#include <limits>

namespace esferica {

const char* ArithmeticFailure::what() const noexcept {
    switch (kind_) {
    case FailureKind::DivisionByZero:
        return "division by zero";
    case FailureKind::Overflow:
        return "overflow";
    case FailureKind::InvalidOperation:
        return "invalid operation";
    case FailureKind::NegativeSquareRoot:
        return "square root of a negative number";
    }
    return "arithmetic failure";
}

[[gnu::cold]] void fail(FailureKind kind) {
    throw ArithmeticFailure(kind);
}

float toSingle(Real x) {
    // Tested before the conversion: a double beyond the float range has no float to round to.
    if (!(std::fabs(x.value()) <= std::numeric_limits<float>::max())) [[unlikely]]
        fail(FailureKind::Overflow);
    return static_cast<float>(x.value());
}

} // namespace esferica
