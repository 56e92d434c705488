// SPDX-License-Identifier: GPL-3.0-or-later
// The working laid out as text: headings at the margin, formulas and conditions indented under
// them.
#include "present/view.h"
#include "working/text.h"

namespace esferica {

namespace {

class Writer {
public:
    explicit Writer(const WorkingStyle& style) : style_(style) {}

    std::string sentence(Sentence s, const std::vector<std::string>& words = {}) const {
        return fill(std::string(sentenceText(s, style_.language)), words);
    }

    std::string math(const Math& m) const {
        std::string text = style_.language == Language::Spanish ? spanish(m.text) : m.text;
        std::vector<std::string> numbers;
        numbers.reserve(m.values.size());
        for (const Value& v : m.values)
            numbers.push_back(workingNumber(v, style_));
        return fill(text, numbers, true);
    }

    void line(int indent, std::string_view text) {
        out_.append(static_cast<std::size_t>(indent), ' ');
        out_ += text;
        out_ += '\n';
    }
    void blank() { out_ += '\n'; }

    void check(const Check& c) {
        std::string text = sentence(c.rule, c.words);
        if (c.rule == Sentence::OneTriangle || c.rule == Sentence::TwoTriangles)
            return line(2, text);
        if (!c.numbers.text.empty())
            text += ": " + math(c.numbers);
        line(2, sentence(c.holds ? Sentence::Holds : Sentence::Fails) + " " + text);
    }

    void step(const Step& s, int indent) {
        if (s.name != Sentence::None)
            line(indent, sentence(s.name, s.words));
        // Formulas that go together stand one a line.
        std::string_view formulas = s.formula;
        while (!formulas.empty()) {
            const std::size_t end = formulas.find("; ");
            line(indent + 2, math({std::string(formulas.substr(0, end)), {}}));
            formulas =
                end == std::string_view::npos ? std::string_view() : formulas.substr(end + 2);
        }
        for (const Math& m : s.substituted)
            line(indent + 2, math(m));
    }

    std::string text() && { return std::move(out_); }

private:
    // {0}, {1}, ... replaced by `words`.
    // In a formula (`operands`), a negative number after an operator or before a square, a power
    // of ten before a square, and an angle of several parts next to an operator or a function,
    // are put in parentheses: "73,07° + (-25,93°)", "(-0,1574)²", "(1,675·10⁻⁷)²",
    // "sen (60° 0′ 0″)", "(21° 19′ 21″)·π/180°".
    static std::string fill(const std::string& pattern, const std::vector<std::string>& words,
                            bool operands = false) {
        std::string text;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const std::size_t close = pattern.find('}', i);
            if (pattern[i] == '{' && close != std::string::npos && close - i == 2 &&
                pattern[i + 1] >= '0' && pattern[i + 1] <= '9') {
                const auto n = static_cast<std::size_t>(pattern[i + 1] - '0');
                const std::string word = n < words.size() ? words[n] : std::string();
                const bool negative = word.starts_with('-');
                const bool squared = pattern.compare(close + 1, 2, "²") == 0;
                const bool afterOperator = text.ends_with("+ ") || text.ends_with("− ") ||
                                           text.ends_with("·") || text.ends_with("/");
                const std::string_view next = std::string_view(pattern).substr(close + 1);
                const bool nextToOperator = afterOperator || squared || isFunction(text) ||
                                            next.starts_with(" +") || next.starts_with(" −") ||
                                            next.starts_with("·") || next.starts_with("/");
                const bool parts = word.find(' ') != std::string::npos;
                const bool operand =
                    operands && ((negative && (afterOperator || squared)) ||
                                 (squared && word.find("·10") != std::string::npos) ||
                                 (parts && nextToOperator));
                text += operand ? "(" + word + ")" : word;
                i = close;
            } else {
                text += pattern[i];
            }
        }
        return text;
    }

    // Whether `text` ends with the name of a function and the blank before its argument.
    static bool isFunction(std::string_view text) {
        for (const std::string_view name : {"sin ", "sen ", "cos ", "tan ", "cot "})
            if (text.ends_with(name))
                return true;
        return false;
    }

    // The formulas' function names as Spanish writes them: sen for sin.
    static std::string spanish(std::string text) {
        for (std::size_t at = text.find("sin"); at != std::string::npos;
             at = text.find("sin", at + 3)) {
            const bool word = at == 0 || !std::isalpha(static_cast<unsigned char>(text[at - 1]));
            if (word)
                text.replace(at, 3, "sen");
        }
        return text;
    }

    const WorkingStyle& style_;
    std::string out_;
};

Sentence caseSentence(Case kind) {
    switch (kind) {
    case Case::SSS:
        return Sentence::CaseSSS;
    case Case::AAA:
        return Sentence::CaseAAA;
    case Case::SAS:
        return Sentence::CaseSAS;
    case Case::ASA:
        return Sentence::CaseASA;
    case Case::SSA:
        return Sentence::CaseSSA;
    case Case::AAS:
        break;
    }
    return Sentence::CaseAAS;
}

} // namespace

std::string renderWorking(const Working& working, const WorkingStyle& style) {
    Writer w(style);
    w.line(0, w.sentence(Sentence::Heading));
    if (!working.kind) {
        w.line(0, w.sentence(Sentence::NoWorking, {outcomeText(working.outcome, style.language)}));
        return std::move(w).text();
    }
    w.line(0, w.sentence(caseSentence(*working.kind)));
    std::string given = w.sentence(Sentence::Given) + ": ";
    for (std::size_t i = 0; i < working.given.size(); ++i) {
        const auto& [e, degrees] = working.given[i];
        given += (i > 0 ? ", " : "") + std::string(elementLetter(e)) + " = " +
                 workingNumber({degrees, Quantity::Intermediate}, style);
    }
    w.line(0, given);
    w.blank();
    w.line(0, w.sentence(Sentence::Existence));
    for (const Check& c : working.checks)
        w.check(c);
    if (working.triangles.empty()) {
        w.line(2, w.sentence(Sentence::NoSolution));
        return std::move(w).text();
    }
    for (const TriangleWorking& t : working.triangles) {
        w.blank();
        w.line(0, w.sentence(t.additional ? Sentence::Additional : Sentence::Solution));
        for (const Step& s : t.steps)
            w.step(s, 2);
        for (const Step& s : t.napier)
            w.step(s, 2);
        for (const Check& c : t.quadrants)
            w.check(c);
        std::string results = w.sentence(Sentence::Results) + ": ";
        for (const Element e : kAllElements)
            results += (e == Element::a ? "" : ", ") + std::string(elementLetter(e)) + " = " +
                       workingNumber({t.elements[index(e)], Quantity::Angle}, style);
        w.line(2, results);
        w.line(2, w.sentence(Sentence::Measures));
        for (const Step& s : t.measures)
            w.step(s, 4);
        w.line(2, w.sentence(Sentence::Check));
        for (const Step& s : t.check)
            w.step(s, 4);
    }
    return std::move(w).text();
}

} // namespace esferica
