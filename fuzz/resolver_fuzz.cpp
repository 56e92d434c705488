// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the command line's reading, on arbitrary bytes. The bytes are standard input
// of `esferica --resolver -`, and their first line is also split into the words of `esferica
// --resolver WORDS`. Checked, aborting with a message on stderr when one fails:
//   - the run returns with status 0, 1 or 2, or 3 for words that ask for a picture (--imagen,
//     handed to a writer that writes nothing and fails for a name with an "x"), and for standard
//     input every line on standard error is a note that names its line of input;
//   - every line of input gets exactly one block, blocks a blank line apart, and the status is
//     the highest of the blocks': a block of a failed problem is one line "# ...", any other is a
//     table of lines "caption TAB value";
//   - the words give status 0, or 3, exactly when they print a table, and nothing on standard
//     output otherwise.
#include "cli/resolver.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void broken(const char* invariant, std::string_view detail = {}) {
    std::fprintf(stderr, "\n*** invariant broken: %s [%.*s]\n", invariant,
                 static_cast<int>(std::min<std::size_t>(detail.size(), 200)), detail.data());
    std::abort();
}

struct Run {
    int status;
    std::string out, err;
};

Run run(const std::vector<std::string_view>& args, std::string_view input) {
    std::istringstream in{std::string(input)};
    std::ostringstream out, err;
    const auto writer = [](const esferica::PictureRequest& request) {
        return request.path.find('x') == std::string::npos ? std::string() : std::string("no");
    };
    const std::optional<int> status = esferica::runCommandLine(args, in, out, err, writer);
    const bool picture = std::find(args.begin(), args.end(), "--imagen") != args.end();
    if (!status || *status < 0 || *status > (picture ? 3 : 2))
        broken("an exit status other than 0, 1 or 2, or 3 for a picture");
    return {*status, out.str(), err.str()};
}

// The blocks of the output: the texts between blank lines.
std::vector<std::string_view> blocksOf(std::string_view out) {
    std::vector<std::string_view> blocks;
    while (!out.empty()) {
        const std::size_t end = out.find("\n\n");
        blocks.push_back(out.substr(0, end == std::string_view::npos ? out.size() : end + 1));
        out.remove_prefix(end == std::string_view::npos ? out.size() : end + 2);
    }
    return blocks;
}

bool isTable(std::string_view block) {
    for (std::size_t start = 0; start < block.size();) {
        const std::size_t end = block.find('\n', start);
        const std::string_view line = block.substr(start, end - start);
        if (line.find('\t') == std::string_view::npos && line != "Solución adicional")
            return false;
        start = end + 1;
    }
    return !block.empty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const Run lines = run({"--resolver", "-"}, bytes);
    for (std::size_t at = 0; at < lines.err.size(); at = lines.err.find('\n', at) + 1)
        if (lines.err.compare(at, std::string_view("línea ").size(), "línea ") != 0)
            broken("a line on standard error that names no line of input", lines.err);
    std::size_t expected = 0;
    for (std::size_t at = 0; at < bytes.size(); ++expected) {
        const std::size_t end = bytes.find('\n', at);
        at = end == std::string_view::npos ? bytes.size() : end + 1;
    }
    const std::vector<std::string_view> blocks = blocksOf(lines.out);
    if (blocks.size() != expected)
        broken("a line of input without exactly one block", lines.out);
    int worst = 0;
    for (const std::string_view block : blocks) {
        if (block.starts_with("# ")) {
            if (block.find('\n') != block.size() - 1)
                broken("a failed problem's block of more than one line", block);
            worst = std::max(worst, 1);
        } else if (!isTable(block)) {
            broken("a block that is neither a table nor a failure", block);
        }
    }
    if ((worst == 0) != (lines.status == 0))
        broken("the status disagrees with the blocks");

    const std::string_view first = bytes.substr(0, bytes.find('\n'));
    std::vector<std::string_view> args{"--resolver"};
    for (std::size_t at = 0; at < first.size();) {
        const std::size_t end = std::min(first.find(' ', at), first.size());
        if (end > at)
            args.push_back(first.substr(at, end - at));
        at = end + 1;
    }
    if (args.size() == 2 && args[1] == "-")
        return 0; // that asks for standard input, checked above
    const Run words = run(args, {});
    const bool solved = words.status == 0 || words.status == 3;
    if (solved != isTable(words.out) || (!solved && !words.out.empty()))
        broken("the words' status disagrees with what they printed", words.out);
    return 0;
}
