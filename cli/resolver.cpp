// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/resolver.h"

#include "cli/navigation.h"
#include "command/calculate.h"
#include "numeric/angles.h"
#include "present/format.h"
#include "present/view.h"
#include "working/text.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace esferica {

namespace {

constexpr std::string_view kSolve = "--resolver";
constexpr std::string_view kFromInput = "-";
constexpr std::string_view kHelp = "--help";
constexpr std::string_view kVersion = "--version";
constexpr std::string_view kImage = "--imagen";
constexpr std::string_view kView = "--vista";
constexpr std::string_view kSize = "--tamano";
constexpr std::string_view kClassic = "--clasico";
constexpr std::string_view kWorking = "--procedimiento";

constexpr std::string_view kLanguage = "--idioma";
constexpr std::string_view kFormat = "--formato";
constexpr std::string_view kDecimals = "--decimales";
constexpr std::string_view kTsv = "--tsv";

// The longest reason, in characters: a reason quotes every value not read whole, each cut to
// kQuotedLength characters, with a hint.
constexpr std::size_t kNoteLength = 2000;

// Blanks between words: spaces, tabs and a carriage return (a line from another system).
bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f';
}

// The length of the well-formed UTF-8 character at the start of `s`, or 0.
std::size_t utf8Length(std::string_view s) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(s[i]);
    };
    const unsigned char lead = byte(0);
    std::size_t n = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4;
    if (n == 0 || s.size() < n)
        return 0;
    for (std::size_t i = 1; i < n; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F))
        return 0;
    return n;
}

} // namespace

std::string printable(std::string_view word, std::size_t length) {
    std::string text;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < word.size(); ++shown) {
        if (shown == length) {
            text += "…";
            break;
        }
        const auto ch = static_cast<unsigned char>(word[i]);
        if (ch >= 0x20 && ch < 0x7F) {
            text += word[i++];
        } else if (const std::size_t n = ch >= 0x80 ? utf8Length(word.substr(i)) : 0; n > 0) {
            text += word.substr(i, n);
            i += n;
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            text += "\\x";
            text += kHex[ch >> 4];
            text += kHex[ch & 0xF];
            ++i;
        }
    }
    return text;
}

namespace {

// How the answers are written: the units, the words, and whether as lines of tab-separated
// columns.
struct Presentation {
    Units units;
    const Catalogue* words = &Catalogue::spanish();
    bool tsv = false;
    bool working = false; // --procedimiento: the working before each answer

    std::string quoted(std::string_view word) const { return words->quoted(printable(word)); }
    std::string fill(Text id, Places places) const { return words->fill(id, places); }
    std::string_view text(Text id) const { return words->text(id); }
};

// The number of decimals that `text` asks for: whole digits only, 0 to kMaxDecimals.
std::optional<int> decimalsOf(std::string_view text) {
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return std::nullopt;
    const int decimals = std::stoi(std::string(text));
    if (decimals > kMaxDecimals)
        return std::nullopt;
    return decimals;
}

// Why the option `arg` cannot take `value`, or an empty text when it can and `p` takes it.
std::string takeOption(std::string_view arg, std::string_view value, Presentation& p) {
    const std::string word = p.quoted(value);
    if (arg == kLanguage) {
        if (!languageNamed(value))
            return p.fill(Text::CliBadLanguage, {{"word", word}});
    } else if (arg == kFormat) {
        const std::optional<AngleFormat> format = angleFormatNamed(value);
        if (!format)
            return p.fill(Text::CliBadFormat, {{"word", word}});
        p.units.format = *format;
    } else if (const std::optional<int> decimals = decimalsOf(value)) {
        p.units.decimals = *decimals;
    } else {
        return p.fill(Text::CliBadDecimals,
                      {{"max", std::to_string(kMaxDecimals)}, {"word", word}});
    }
    return {};
}

// Takes the options of how to write the answers out of `args`, before or after the verb,
// leaving the rest in `rest`. Returns why the first malformed one is, or an empty text.
std::string takePresentation(std::span<const std::string_view> args,
                             std::vector<std::string_view>& rest, Presentation& p) {
    // The language first, so that what is wrong with the others is said in it.
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == kLanguage)
            if (const std::optional<Language> language = languageNamed(args[i + 1]))
                p.words = &Catalogue::of(*language);
    std::string malformed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == kTsv) {
            p.tsv = true;
        } else if (arg == kWorking) {
            p.working = true;
        } else if (arg != kLanguage && arg != kFormat && arg != kDecimals) {
            rest.push_back(arg);
        } else if (i + 1 == args.size()) {
            if (malformed.empty())
                malformed = p.fill(Text::CliNeedsValue, {{"option", std::string(arg)}});
        } else if (std::string why = takeOption(arg, args[++i], p);
                   !why.empty() && malformed.empty()) {
            malformed = std::move(why);
        }
    }
    return malformed;
}

// What --imagen and its companions ask for.
struct PictureOptions {
    std::optional<std::string> path;
    std::string inclination = kDefaultOptionTexts[index(OptionField::Inclination)];
    std::string rotation = kDefaultOptionTexts[index(OptionField::Rotation)];
    int pixels = kDefaultPicturePixels;
    bool classic = false;
    bool given = false; // any of the four options was given
};

// The side of the picture in pixels that `text` asks for: whole digits only, within the bounds.
std::optional<int> picturePixels(std::string_view text) {
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return std::nullopt;
    const int pixels = std::stoi(std::string(text));
    if (pixels < kMinPicturePixels || pixels > kMaxPicturePixels)
        return std::nullopt;
    return pixels;
}

// Takes the picture's options out of `args`, leaving the problem's words in `words`. Returns why
// an option is malformed, or an empty text.
std::string takePictureOptions(std::span<const std::string_view> args,
                               std::vector<std::string_view>& words, PictureOptions& picture,
                               const Presentation& p) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool takesValue = arg == kImage || arg == kView || arg == kSize;
        if (!takesValue && arg != kClassic) {
            words.push_back(arg);
            continue;
        }
        picture.given = true;
        if (arg == kClassic) {
            picture.classic = true;
            continue;
        }
        if (i + 1 == args.size())
            return p.fill(Text::CliNeedsValue, {{"option", std::string(arg)}});
        const std::string_view value = args[++i];
        if (arg == kImage) {
            if (value.empty())
                return std::string(p.text(Text::CliImageNeedsFile));
            picture.path = std::string(value);
        } else if (arg == kView) {
            const std::size_t comma = value.find(',');
            if (comma == std::string_view::npos ||
                value.find(',', comma + 1) != std::string_view::npos)
                return p.fill(Text::CliBadView, {{"word", p.quoted(value)}});
            picture.inclination = value.substr(0, comma);
            picture.rotation = value.substr(comma + 1);
        } else if (const std::optional<int> pixels = picturePixels(value)) {
            picture.pixels = *pixels;
        } else {
            return p.fill(Text::CliBadSize, {{"min", std::to_string(kMinPicturePixels)},
                                             {"max", std::to_string(kMaxPicturePixels)},
                                             {"word", p.quoted(value)}});
        }
    }
    if (picture.given && !picture.path)
        return std::string(p.text(Text::CliPictureWithoutImage));
    return {};
}

// A problem as the words give it: the fields to compute, or why the words cannot be one.
struct Problem {
    FieldTexts fields;
    std::string malformed; // empty when every word is NAME=VALUE with a different NAME
};

Problem problemOf(std::span<const std::string_view> words, const Presentation& p) {
    Problem problem;
    std::array<bool, kElements> named{};
    for (const std::string_view word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string_view::npos) {
            problem.malformed = p.fill(Text::CliNotNameValue, {{"word", p.quoted(word)}});
            return problem;
        }
        const std::string_view name = word.substr(0, equals);
        const auto element = std::find_if(kAllElements.begin(), kAllElements.end(),
                                          [&](Element e) { return elementLetter(e) == name; });
        if (element == kAllElements.end()) {
            problem.malformed = p.fill(Text::CliNotElement, {{"word", p.quoted(name)}});
            return problem;
        }
        if (std::exchange(named[index(*element)], true)) {
            problem.malformed = p.fill(Text::CliElementTwice, {{"word", p.quoted(name)}});
            return problem;
        }
        problem.fields[*element] = word.substr(equals + 1);
    }
    return problem;
}

ExitStatus statusOf(Outcome outcome) {
    switch (outcome) {
    case Outcome::Solved:
    case Outcome::BadDrawingData: // the command line draws nothing
        return kSolved;
    case Outcome::NoSolution:
        return kNoTriangle;
    case Outcome::Underdetermined:
    case Outcome::Overdetermined:
    case Outcome::NotReadWhole:
        break;
    }
    return kBadRequest;
}

// A solved problem: its table. Any other: its message and why, as one line.
struct Answer {
    ExitStatus status;
    std::string text;
    bool malformed = false; // the words were no problem at all
    Calculation calc{};
};

// Why values were not read whole, each named by its word's name.
std::string notReadWhole(const Calculation& calc, const Presentation& p) {
    std::string why;
    for (const Element e : kAllElements)
        if (calc.reading(e).partly()) {
            if (!why.empty())
                why += ' ';
            why += fieldReadingReason(elementLetter(e), calc.reading(e), p.units, *p.words);
        }
    return why;
}

// The message of a problem that was not solved, and why, as one line.
std::string messageLine(const Calculation& calc, const Presentation& p) {
    std::string text(messageText(calc.outcome, *p.words));
    const std::string why = calc.outcome == Outcome::NotReadWhole
                                ? notReadWhole(calc, p)
                                : reasonText(calc, p.units, *p.words);
    if (!why.empty())
        text += ": " + printable(why, kNoteLength);
    return text;
}

// The header of the tab-separated answers: the triangle, the six values given as typed, the six
// elements and the five measures, and the message.
std::string tsvHeader(const Presentation& p) {
    std::string line(p.text(Text::TsvTriangle));
    for (const Element e : kAllElements)
        line += '\t' + p.fill(Text::TsvGiven, {{"letter", std::string(elementLetter(e))}});
    for (const Element e : kAllElements)
        (line += '\t') += elementCaption(e, *p.words);
    for (const Measure m : kAllMeasures)
        (line += '\t') += measureCaption(m, *p.words);
    (line += '\t') += p.text(Text::TsvMessage);
    return line + '\n';
}

// One line of tab-separated columns for each triangle of `calc`, the values given echoed on each;
// a problem not solved has one line, with its message.
std::string tsvLines(const Problem& problem, const Calculation& calc, const Presentation& p) {
    const auto lineOf = [&](Text heading, const TriangleSolution* t,
                            const std::optional<Measures>* measures, const std::string& message) {
        std::string line(p.text(heading));
        for (const Element e : kAllElements)
            line += '\t' + printable(problem.fields[e]);
        for (const Element e : kAllElements) {
            line += '\t';
            if (t)
                line += angleCell(RadtoGrad((*t)[e]).value(), p.units);
        }
        for (const Measure m : kAllMeasures) {
            line += '\t';
            if (measures && *measures)
                line += measureCell(**measures, m, p.units, *p.words);
        }
        return line + '\t' + message + '\n';
    };
    if (!calc.hasTriangles())
        return lineOf(Text::SolutionHeading, nullptr, nullptr, messageLine(calc, p));
    std::string lines =
        lineOf(Text::SolutionHeading, &calc.primary, &calc.primaryMeasures, std::string());
    if (calc.additional)
        lines += lineOf(Text::AdditionalHeading, &*calc.additional, &calc.additionalMeasures,
                        std::string());
    return lines;
}

Answer answer(const Problem& problem, const Presentation& p) {
    if (!problem.malformed.empty())
        return {kBadRequest, p.fill(Text::CliMalformed, {{"why", problem.malformed}}), true};
    const Calculation calc = compute(problem.fields);
    const ExitStatus status = statusOf(calc.outcome);
    Answer a{status, {}, false, calc};
    if (p.tsv)
        a.text = tsvLines(problem, calc, p);
    else if (status == kSolved)
        a.text = resultsTable(calc, p.units, *p.words);
    else
        a.text = messageLine(calc, p);
    return a;
}

// Draws the picture of a solved problem as `picture` asks, saying on `err` why it could not.
ExitStatus drawPicture(const Answer& a, const PictureOptions& picture, const PictureWriter& writer,
                       std::ostream& err, const Presentation& p) {
    const Calculation& calc = a.calc;
    if (!calc.scene) {
        std::string why(messageText(Outcome::BadDrawingData, *p.words));
        if (const std::string reason = reasonText(calc, p.units, *p.words); !reason.empty())
            why += ": " + printable(reason, kNoteLength);
        err << p.fill(Text::CliImageNotDrawn, {{"why", why}}) << '\n';
        return kImageNotWritten;
    }
    if (!writer) {
        err << p.fill(Text::CliImageNotDrawn, {{"why", std::string(p.text(Text::CliCannotDraw))}})
            << '\n';
        return kImageNotWritten;
    }
    PictureRequest request{*picture.path, *calc.scene, calc.view, picture.pixels,
                           p.words->language()};
    request.scene.style = picture.classic ? PictureStyle::Classic : PictureStyle::Readable;
    if (const std::string failure = writer(request); !failure.empty()) {
        err << failure << '\n';
        return kImageNotWritten;
    }
    return kSolved;
}

// The working of a problem as the command line prints it: in the form and decimals of the table,
// so that its final values are the table's.
std::string workingText(const Calculation& calc, const Presentation& p) {
    return renderWorking(workingOf(calc),
                         workingStyle(p.words->language(), p.units, ResultsShown::Table)) +
           "\n";
}

} // namespace

std::optional<std::string_view> copiedLine(std::string_view line) {
    const auto first = std::find_if_not(line.begin(), line.end(), isBlank);
    if (first != line.end() && *first != '#')
        return std::nullopt;
    const auto last = std::find_if_not(line.rbegin(), line.rend(), isBlank);
    return line.substr(0, static_cast<std::size_t>(last.base() - line.begin()));
}

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

namespace {

// One problem a line of `in`, each answered by a block on `out`; blocks are separated by one
// blank line, and a problem that fails is the block "# message". An empty line or a comment is
// its own block, copied without its trailing blanks, so that the blocks still match the lines one
// to one. The exit status is the highest of the problems'.
int solveLines(std::istream& in, std::ostream& out, const Presentation& p) {
    int status = kSolved;
    std::string line, block;
    bool first = true;
    if (p.tsv)
        out << tsvHeader(p);
    while (std::getline(in, line)) {
        block.clear();
        // Tab-separated lines need no blank line between them.
        if (!std::exchange(first, false) && !p.tsv)
            block += '\n';
        if (const std::optional<std::string_view> copied = copiedLine(line)) {
            (block += *copied) += '\n';
            out << block;
            continue;
        }
        const Problem problem = problemOf(wordsOf(line), p);
        const Answer a = answer(problem, p);
        status = std::max<int>(status, a.status);
        if (p.working && !a.malformed)
            block += workingText(a.calc, p);
        if ((p.tsv && !a.malformed) || a.status == kSolved) {
            block += a.text;
        } else {
            block += "# ";
            block += a.text;
            block += '\n';
        }
        out << block;
    }
    return status;
}

} // namespace

std::optional<int> runCommandLine(std::span<const std::string_view> args, std::istream& in,
                                  std::ostream& out, std::ostream& err,
                                  const PictureWriter& writer) {
    if (args.empty())
        return std::nullopt;
    std::vector<std::string_view> rest;
    Presentation p;
    const std::string badPresentation = takePresentation(args, rest, p);
    if (rest.empty())
        return std::nullopt;
    args = rest;
    if (args[0] == kHelp) {
        out << p.text(Text::CliHelp);
        return kSolved;
    }
    if (args[0] == kVersion) {
        out << "esferica " ESFERICA_VERSION "\n";
        return kSolved;
    }
    if (!badPresentation.empty()) {
        err << p.fill(Text::CliBadOption, {{"why", badPresentation}}) << '\n'
            << p.text(Text::CliUsage);
        return kBadRequest;
    }
    if (const std::optional<int> status = runNavigation(args, in, out, err, *p.words))
        return status;
    if (args[0] != kSolve)
        return std::nullopt;

    std::vector<std::string_view> words;
    PictureOptions picture;
    if (const std::string malformed = takePictureOptions(args.subspan(1), words, picture, p);
        !malformed.empty() || (picture.path && words.size() == 1 && words[0] == kFromInput)) {
        err << p.fill(Text::CliBadOption,
                      {{"why",
                        malformed.empty() ? std::string(p.text(Text::CliImageOfOne)) : malformed}})
            << '\n'
            << p.text(Text::CliUsage);
        return kBadRequest;
    }
    if (words.size() == 1 && words[0] == kFromInput)
        return solveLines(in, out, p);
    Problem problem = problemOf(words, p);
    problem.fields[OptionField::Inclination] = picture.inclination;
    problem.fields[OptionField::Rotation] = picture.rotation;
    const Answer a = answer(problem, p);
    if (p.working && !a.malformed)
        out << workingText(a.calc, p);
    if (p.tsv && !a.malformed) {
        out << tsvHeader(p) << a.text;
    } else if (a.status == kSolved) {
        out << a.text;
    } else {
        err << a.text << '\n';
        if (a.malformed)
            err << p.text(Text::CliUsage);
    }
    if (a.status == kSolved && picture.path) {
        out.flush();
        return drawPicture(a, picture, writer, err, p);
    }
    return a.status;
}

} // namespace esferica
