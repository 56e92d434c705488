// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the command line's reading, on arbitrary bytes. The bytes are standard input
// of `esferica --resolver -`, and their first line is also split into the words of `esferica
// --resolver WORDS`. Checked, aborting with a message on stderr when one fails:
//   - the run returns with status 0, 1 or 2, or 3 for words that ask for a picture (--imagen,
//     handed to a writer that writes nothing and fails for a name with an "x"), and for standard
//     input nothing goes to standard error;
//   - every line of input gets exactly one block, blocks a blank line apart, and the status is
//     the highest of the problems': an empty line, one of blanks and a comment (a line that
//     begins with #) are copied as they are without their trailing blanks, a block of a failed
//     problem is one line "# ...", any other is a table of lines "caption TAB value";
//   - the words give status 0, or 3, exactly when they print a table, and nothing on standard
//     output otherwise; with --tsv, a header and one row a triangle, or one row with the message
//     of a problem not solved, every row as many columns as the header.
#include "cli/resolver.h"
#include "present/catalogue.h"

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

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f';
}

// A line that is copied to the output rather than solved: empty, blanks, or a comment.
bool isCopied(std::string_view line) {
    const auto first = std::find_if_not(line.begin(), line.end(), isBlank);
    return first == line.end() || *first == '#';
}

std::string_view withoutTrailingBlanks(std::string_view line) {
    while (!line.empty() && isBlank(line.back()))
        line.remove_suffix(1);
    return line;
}

// The next line of `out`, with its line feed, taken from its start; empty at the end.
std::string_view takeLine(std::string_view& out) {
    const std::size_t end = out.find('\n');
    const std::string_view line =
        out.substr(0, end == std::string_view::npos ? out.size() : end + 1);
    out.remove_prefix(line.size());
    return line;
}

// The lines of `text`, each without its line feed.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The heading of a second triangle's table, in any language the words may ask for.
bool isAdditionalHeading(std::string_view line) {
    using esferica::Catalogue, esferica::Language, esferica::Text;
    return line == Catalogue::of(Language::Spanish).text(Text::AdditionalHeading) ||
           line == Catalogue::of(Language::English).text(Text::AdditionalHeading);
}

bool isTable(std::string_view block) {
    const std::vector<std::string_view> lines = linesOf(block);
    return !lines.empty() && std::all_of(lines.begin(), lines.end(), [](std::string_view line) {
        return line.find('\t') != std::string_view::npos || isAdditionalHeading(line);
    });
}

// Whether tab-separated answers agree with `solved`: a header, then rows of as many columns,
// the last of which, the message, is empty in every row exactly when the problem was solved.
bool tsvAgrees(std::string_view out, bool solved) {
    const std::vector<std::string_view> lines = linesOf(out);
    if (lines.size() < 2)
        return false;
    const auto columns = std::count(lines[0].begin(), lines[0].end(), '\t');
    return std::all_of(lines.begin() + 1, lines.end(), [&](std::string_view row) {
        return std::count(row.begin(), row.end(), '\t') == columns && row.ends_with('\t') == solved;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const Run lines = run({"--resolver", "-"}, bytes);
    if (!lines.err.empty())
        broken("standard input wrote to standard error", lines.err);
    std::string_view out = lines.out;
    int worst = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        const std::string_view line = bytes.substr(at, end - at);
        if (at > 0 && takeLine(out) != "\n")
            broken("blocks not one blank line apart", lines.out);
        at = end + 1;
        if (isCopied(line)) {
            if (takeLine(out) != std::string(withoutTrailingBlanks(line)) + "\n")
                broken("an empty line or a comment not copied as its block", line);
            continue;
        }
        const std::string_view first = takeLine(out);
        if (first.starts_with("# ")) {
            worst = std::max(worst, 1);
            continue;
        }
        std::string_view table = first;
        while (!out.empty() && !out.starts_with("\n"))
            table = std::string_view(table.data(), table.size() + takeLine(out).size());
        if (!isTable(table))
            broken("a block that is neither a table nor a failure", table);
    }
    if (!out.empty())
        broken("more blocks than lines of input", lines.out);
    if ((worst == 0) != (lines.status == 0))
        broken("the status disagrees with the blocks");

    const std::string_view first = bytes.substr(0, bytes.find('\n'));
    std::vector<std::string_view> args{"--resolver"};
    for (std::size_t at = 0; at < first.size();) {
        const std::size_t end = std::min(first.find(' ', at), first.size());
        // --procedimiento prints a working besides the table, which these checks do not read.
        if (end > at && first.substr(at, end - at) != "--procedimiento")
            args.push_back(first.substr(at, end - at));
        at = end + 1;
    }
    if (std::find(args.begin(), args.end(), "-") != args.end())
        return 0; // that asks for standard input, checked above
    const Run words = run(args, {});
    const bool solved = words.status == 0 || words.status == 3;
    const bool tsv = std::find(args.begin(), args.end(), "--tsv") != args.end();
    if (tsv && !words.out.empty() ? !tsvAgrees(words.out, solved)
                                  : solved != isTable(words.out) || (!solved && !words.out.empty()))
        broken("the words' status disagrees with what they printed", words.out);
    return 0;
}
