// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of the tests that click "&Calcular" headless: the command with its recording view.
#pragma once

#include "command/calculate.h"
#include "tests/support/fake_view.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace esferica::testing {

class ClickTest : public ::testing::Test {
protected:
    // Types the six input fields and the four option fields, forgets what earlier clicks
    // recorded, and runs the command.
    const Calculation& click(const Texts& inputs, const Options& options = defaultOptions()) {
        view.type(inputs);
        view.options = options;
        view.messages.clear();
        view.surface.clear();
        return view.click(form);
    }

    FakeView view;
    Calculator form;
};

} // namespace esferica::testing
