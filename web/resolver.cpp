// SPDX-License-Identifier: GPL-3.0-or-later
// The command line alone, without the window: `esferica --resolver` built for node as WebAssembly,
// and natively as its twin, so that a test can hold one's output against the other's.
#include "cli/resolver.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    std::ios::sync_with_stdio(false);
    auto status = esferica::runCommandLine(args, std::cin, std::cout, std::cerr);
    if (!status) {
        // What would open the window: there is none here, so the usage, as for a malformed word.
        const std::string_view help[] = {"--help"};
        esferica::runCommandLine(help, std::cin, std::cerr, std::cerr);
        status = esferica::kBadRequest;
    }
    std::cout.flush();
    return *status;
}
