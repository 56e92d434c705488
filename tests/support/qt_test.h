// SPDX-License-Identifier: GPL-3.0-or-later
// Base fixture of the tests that drive Qt widgets offscreen: one QApplication for the whole test
// program, created before the first suite that needs it.
#pragma once

#include <QApplication>
#include <gtest/gtest.h>

namespace esferica::testing {

class QtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "esferica_test";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv); // lives until the process ends
        }
    }
};

} // namespace esferica::testing
