// SPDX-License-Identifier: GPL-3.0-or-later
// Base fixture of the tests that drive Qt widgets offscreen: one QApplication for the whole test
// program, created before the first suite that needs it, whose settings (the window's choice of
// picture) live in a folder of its own that goes with it: a test never reads or writes the user's.
#pragma once

#include "tests/support/settings.h"

#include <QApplication>
#include <QString>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace esferica::testing {

class QtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "esferica_test";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv); // lives until the process ends
            useOwnSettings();
        }
    }
};

} // namespace esferica::testing
