// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/view.h"

#include "drawing/readable.h"
#include "numeric/angles.h"
#include "present/format.h"
#include "present/slips.h"

#include <cmath>
#include <vector>

namespace esferica {

namespace {

constexpr std::array<std::string_view, kElements> kLetters{"a", "b", "c", "A", "B", "C"};

// The longest typed text quoted whole, in characters; a longer one is cut there.
constexpr std::size_t kQuotedLength = 40;

// What a sentence needs of a click: the units its numbers are written in, and its words.
struct Wording {
    const Units& units;
    const Catalogue& words;

    std::string_view sep() const { return units.decimalSeparator; }
    std::string quoted(std::string_view text) const { return words.quoted(text); }
    std::string fill(Text id, Places places) const { return words.fill(id, places); }
    std::string degrees(double value) const { return quotedDegrees(value, sep()); }

    // A typed text quoted, cut after kQuotedLength characters.
    std::string typed(std::string_view text) const {
        std::size_t characters = 0;
        for (std::size_t i = 0; i < text.size(); ++i)
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 &&
                characters++ == kQuotedLength)
                return quoted(std::string(text.substr(0, i)) + "…");
        return quoted(text);
    }

    // "«40°30'», «17,5» o «17°5'»".
    std::string alternatives(const std::vector<std::string>& texts) const {
        std::string list;
        for (std::size_t i = 0; i < texts.size(); ++i)
            list = i == 0 ? quoted(texts[i])
                          : fill(i + 1 == texts.size() ? Text::ListLast : Text::ListMore,
                                 {{"list", list}, {"item", quoted(texts[i])}});
        return list;
    }

    // "a, b, c".
    std::string joined(const std::vector<std::string>& parts) const {
        std::string list;
        for (std::size_t i = 0; i < parts.size(); ++i)
            list = i == 0 ? parts[i] : fill(Text::ListMore, {{"list", list}, {"item", parts[i]}});
        return list;
    }
};

std::string_view trimmedText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\n") + 1 - first);
}

// What was read of a text, as a number where it has a value: "6", "49,5".
std::string readValue(const Reading& reading, const Wording& w) {
    if (!reading.degrees)
        return w.typed(reading.read);
    return quotedNumber(*reading.degrees, w.sep());
}

// What the user most likely meant by a text not read whole, as a sentence; empty when that is not
// clear.
std::string hintText(const Reading& reading, const Wording& w) {
    const Intent intent = likelyIntent(reading.typed, w.sep());
    const std::string first =
        intent.suggestions.empty() ? std::string() : w.quoted(intent.suggestions[0]);
    const auto hint = [&](Text id) {
        return w.fill(id, {{"text", first}});
    };
    switch (intent.slip) {
    case Slip::None:
        break;
    case Slip::SixtyOrMore:
        return std::string(w.words.text(Text::HintSixty));
    case Slip::LetterForZero:
        return hint(Text::HintLetterForZero);
    case Slip::LetterForOne:
        return hint(Text::HintLetterForOne);
    case Slip::LettersForDigits:
        return hint(Text::HintLettersForDigits);
    case Slip::LettersForMarks:
        return hint(Text::HintLettersForMarks);
    case Slip::Operation:
        return hint(Text::HintOperation);
    case Slip::SplitDigits:
        return w.fill(Text::HintSplitDigits, {{"list", w.alternatives(intent.suggestions)}});
    case Slip::MinutesMark:
        return hint(Text::HintMinutesMark);
    case Slip::SecondsMark:
        return hint(Text::HintSecondsMark);
    case Slip::MinutesWithoutDegrees:
        return hint(Text::HintMinutesWithoutDegrees);
    }
    return {};
}

// `text` and, when there is one, the hint after it.
std::string withHint(std::string text, const Reading& reading, const Wording& w) {
    if (const std::string hint = hintText(reading, w); !hint.empty())
        text += " " + hint;
    return text;
}

// "«lado a» = 60°", or the text itself where it holds no value of a double.
std::string named(const Calculation& calc, Element e, const Wording& w) {
    const Reading& r = calc.reading(e);
    const std::string field = w.quoted(elementCaption(e, w.words));
    if (r.degrees)
        return w.fill(Text::NamedValue, {{"field", field}, {"value", w.degrees(*r.degrees)}});
    return w.fill(Text::NamedText, {{"field", field}, {"typed", w.typed(r.read)}});
}

// "a = 60°": an element by its letter, in a formula.
std::string letter(const Calculation& calc, Element e, const Wording& w) {
    return w.fill(Text::Formula, {{"letter", std::string(elementLetter(e))},
                                  {"value", w.degrees(calc.reading(e).degrees.value_or(0))}});
}

// The given elements, and the non-empty fields that do not count as given, for the count
// messages.
std::string countReason(const Calculation& calc, const Wording& w) {
    std::vector<std::string> given, notCounted;
    for (const Element e : kAllElements) {
        const Reading& r = calc.reading(e);
        const std::string field = w.quoted(elementCaption(e, w.words));
        if (calc.isGiven(e)) {
            given.push_back(named(calc, e, w));
        } else if (!r.degrees) {
            notCounted.push_back(
                w.fill(Text::NotCountedTooLarge, {{"field", field}, {"typed", w.typed(r.read)}}));
        } else if (!r.read.empty() && r.degrees == 0.0) {
            notCounted.push_back(w.fill(Text::NotCountedZero, {{"field", field}}));
        }
    }
    std::string text;
    if (given.empty() && calc.outcome == Outcome::Underdetermined)
        text = w.words.text(Text::CountNone);
    else
        text = w.fill(calc.outcome == Outcome::Underdetermined ? Text::CountUnder : Text::CountOver,
                      {{"n", std::to_string(given.size())}, {"list", w.joined(given)}});
    for (const std::string& note : notCounted) {
        text += ' ';
        text += note;
    }
    return text;
}

std::string outOfRangeReason(const Calculation& calc, Element e, const Wording& w) {
    const Reading& r = calc.reading(e);
    if (!r.degrees)
        return w.fill(Text::ElementTooLarge, {{"named", named(calc, e, w)}});
    std::string text = w.fill(Text::ElementOutOfRange, {{"named", named(calc, e, w)}});
    // A text of digits alone far beyond a turn may be degrees, minutes and seconds typed together.
    if (std::fabs(*r.degrees) > 360 && !hasMarks(r.read)) {
        text += ' ';
        text += w.words.text(Text::HintTypeMarks);
    }
    // The angle at the pole between two meridians is the short way round, under 180 degrees.
    if (!isSide(e) && *r.degrees > 180 && *r.degrees < 360) {
        const auto typed = [&](double degrees) {
            return hasMarks(r.typed) ? typedSexagesimal(degrees, w.sep())
                                     : typedDecimal(degrees, w.sep()) + "°";
        };
        text += ' ';
        text += w.fill(Text::HintLongitudes,
                       {{"value", typed(*r.degrees)}, {"rest", typed(360 - *r.degrees)}});
    }
    return text;
}

// The other two sides of a side, or angles of an angle, in the order a, b, c.
std::array<Element, 2> othersOf(Element e) {
    const std::size_t first = isSide(e) ? 0 : 3;
    std::array<Element, 2> others{};
    std::size_t n = 0;
    for (std::size_t i = first; i < first + 3; ++i)
        if (i != index(e))
            others[n++] = kAllElements[i];
    return others;
}

std::string noTriangleReason(const Calculation& calc, const Wording& w) {
    const NoTriangleReason reason = *calc.noTriangle;
    const Element e = reason.element;
    const auto deg = [&](Element x) {
        return calc.reading(x).degrees.value_or(0);
    };
    const auto name = [](Element x) {
        return std::string(elementLetter(x));
    };
    const auto [p, q] = othersOf(e);
    const auto sum = [&](Element x, Element y) {
        return w.fill(Text::SumFormula,
                      {{"x", name(x)}, {"y", name(y)}, {"value", w.degrees(deg(x) + deg(y))}});
    };
    switch (reason.why) {
    case NoTriangleWhy::SidesInequality:
        return w.fill(deg(e) > deg(p) + deg(q) ? Text::SidesGreater : Text::SidesEqual,
                      {{"side", letter(calc, e, w)}, {"sum", sum(p, q)}});
    case NoTriangleWhy::SidesSum:
        return w.fill(Text::SidesSum,
                      {{"value", w.degrees(deg(Element::a) + deg(Element::b) + deg(Element::c))}});
    case NoTriangleWhy::AnglesSum:
        return w.fill(Text::AnglesSum,
                      {{"value", w.degrees(deg(Element::A) + deg(Element::B) + deg(Element::C))}});
    case NoTriangleWhy::AnglesInequality:
        return w.fill(
            Text::AnglesInequality,
            {{"sum", sum(p, q)}, {"letter", name(e)}, {"value", w.degrees(180 + deg(e))}});
    case NoTriangleWhy::SineCondition:
    case NoTriangleWhy::NoClosure: {
        if (reason.why == NoTriangleWhy::NoClosure)
            return std::string(w.words.text(Text::NoClosure));
        // The other given element of the same kind, and the one of the other kind.
        Element other = p, between = e;
        for (const Element x : kAllElements)
            if (calc.isGiven(x) && x != e) {
                if (isSide(x) == isSide(e))
                    other = x;
                else
                    between = x;
            }
        return w.fill(isSide(e) ? Text::SineSide : Text::SineAngle,
                      {{"other", letter(calc, other, w)},
                       {"between", letter(calc, between, w)},
                       {"x", name(e)},
                       {"y", name(other)},
                       {"z", name(between)},
                       {"given", letter(calc, e, w)}});
    }
    case NoTriangleWhy::Undetermined:
        return std::string(w.words.text(Text::Undetermined));
    case NoTriangleWhy::Degenerate:
        if (reason.flatDegrees)
            return w.fill(isSide(e) ? Text::DegenerateSide : Text::DegenerateAngle,
                          {{"x", name(e)}, {"value", w.degrees(*reason.flatDegrees)}});
        break;
    }
    return std::string(w.words.text(Text::Degenerate));
}

// Every field of `calc` not read whole, each in its own sentences, then `rule`.
std::string notReadWholeReason(const Calculation& calc, Text rule, const Wording& w) {
    std::string text;
    for (const Field& field : calc.fieldsNotReadWhole())
        text += fieldReadingReason(fieldCaption(field, w.words), calc.reading(field), w.units,
                                   w.words) +
                " ";
    return text + std::string(w.words.text(rule));
}

std::string badOptionReason(const Calculation& calc, const Wording& w) {
    const auto [field, problem] = *calc.badOption;
    const Reading& r = calc.reading(field);
    const std::string caption = w.quoted(optionCaption(field, w.words));
    const bool parallels = field == OptionField::LatSpacing;
    const double turn = parallels ? 180 : 360;
    switch (problem) {
    case OptionProblem::NoSpacing:
        if (r.read.empty())
            return w.fill(parallels ? Text::ParallelsEmpty : Text::MeridiansEmpty,
                          {{"field", caption}});
        return w.fill(parallels ? Text::ParallelsZero : Text::MeridiansZero, {{"field", caption}});
    case OptionProblem::TooFine:
        return w.fill(parallels ? Text::ParallelsTooFine : Text::MeridiansTooFine,
                      {{"field", caption},
                       {"value", w.degrees(r.degrees.value_or(0))},
                       {"n", std::to_string(static_cast<int>(kMaxGridLines))},
                       {"finest", w.degrees(turn / kMaxGridLines)}});
    case OptionProblem::NotReadWhole:
        return notReadWholeReason(calc, Text::RuleOptions, w);
    case OptionProblem::TooLarge:
        break;
    }
    return w.fill(Text::OptionTooLarge, {{"field", caption}, {"typed", w.typed(r.read)}});
}

// The six elements of a triangle in words, for a screen reader.
std::string inWords(const TriangleSolution& t, const Wording& w) {
    std::vector<std::string> parts;
    parts.reserve(kElements);
    for (const Element e : kAllElements)
        parts.push_back(
            w.fill(Text::AnnounceElement, {{"caption", std::string(elementCaption(e, w.words))},
                                           {"value", w.degrees(RadtoGrad(t[e]).value())}}));
    return w.joined(parts);
}

std::string announcementText(const Calculation& calc, const Wording& w) {
    const auto message = [&] {
        return w.fill(Text::AnnounceMessage,
                      {{"message", std::string(messageText(calc.outcome, w.words))},
                       {"reason", reasonText(calc, w.units, w.words)}});
    };
    if (!calc.hasTriangles())
        return message();
    std::string text = w.fill(Text::AnnounceSolution, {{"elements", inWords(calc.primary, w)}});
    if (calc.additional) {
        text += ' ';
        text += w.fill(Text::AnnounceAdditional, {{"elements", inWords(*calc.additional, w)}});
    }
    if (calc.outcome == Outcome::BadDrawingData) {
        text += ' ';
        text += message();
    }
    return text;
}

Shown shownMeasure(const Measures& measures, Measure m, const Units& units,
                   const Catalogue& words) {
    const std::optional<double> value = measureValue(measures, m);
    if (!value) {
        const std::string none(words.text(Text::MeasureNotComputed));
        return {none, none};
    }
    if (m == Measure::Area)
        return {areaLabel(*value, units), areaTooltip(*value, units)};
    // The measures' labels carry their degree sign, as the result labels do not.
    return {units.format == AngleFormat::Decimal ? degreesWithSign(*value, units.decimalSeparator)
                                                 : angleLabel(*value, units),
            angleTooltip(*value, units)};
}

} // namespace

std::optional<double> measureValue(const Measures& measures, Measure m) {
    const auto degrees = [](const std::optional<Real>& x) -> std::optional<double> {
        if (!x)
            return std::nullopt;
        try {
            return RadtoGrad(*x).value();
        } catch (const Failure&) {
            return std::nullopt;
        }
    };
    switch (m) {
    case Measure::Excess:
        return degrees(measures.excess);
    case Measure::Area:
        return measures.area ? std::optional(measures.area->value()) : std::nullopt;
    case Measure::Perimeter:
        return degrees(measures.perimeter);
    case Measure::Circumradius:
        return degrees(measures.circumradius);
    case Measure::Inradius:
        break;
    }
    return degrees(measures.inradius);
}

std::string measureCell(const Measures& measures, Measure m, const Units& units,
                        const Catalogue& words) {
    const std::optional<double> value = measureValue(measures, m);
    if (!value)
        return std::string(words.text(Text::MeasureNotComputed));
    return m == Measure::Area ? areaCell(*value, units) : angleCell(*value, units);
}

std::string_view elementCaption(Element e, const Catalogue& words) {
    return words.text(offset(Text::CaptionSideA, index(e)));
}

std::string_view elementLetter(Element e) {
    return kLetters[index(e)];
}

std::string_view optionCaption(OptionField f, const Catalogue& words) {
    return words.text(offset(Text::CaptionLatSpacing, index(f)));
}

std::string_view fieldCaption(const Field& f, const Catalogue& words) {
    if (const auto* e = std::get_if<Element>(&f))
        return elementCaption(*e, words);
    return optionCaption(std::get<OptionField>(f), words);
}

std::string_view measureCaption(Measure m, const Catalogue& words) {
    return words.text(offset(Text::MeasureExcess, static_cast<std::size_t>(m)));
}

std::string_view caseName(Case kind, const Catalogue& words) {
    return words.text(offset(Text::CaseSSS, static_cast<std::size_t>(kind)));
}

std::string_view messageText(Outcome outcome, const Catalogue& words) {
    if (outcome == Outcome::Solved)
        return {};
    return words.text(offset(Text::MessageUnderdetermined, static_cast<std::size_t>(outcome) - 1));
}

std::string_view formatName(AngleFormat format, const Catalogue& words) {
    return words.text(offset(Text::FormatDecimal, static_cast<std::size_t>(format)));
}

std::string readingNote(const Reading& reading, const Units& units, const Catalogue& words) {
    if (!reading.partly())
        return {};
    const Wording w{units, words};
    if (reading.read.empty())
        return withHint(w.fill(Text::NoteNothingRead, {{"left", w.typed(reading.left)}}), reading,
                        w);
    return withHint(
        w.fill(Text::NoteRead, {{"read", readValue(reading, w)}, {"left", w.typed(reading.left)}}),
        reading, w);
}

std::string fieldReadingReason(std::string_view name, const Reading& reading, const Units& units,
                               const Catalogue& words) {
    const Wording w{units, words};
    const std::string field = w.quoted(name), typed = w.typed(trimmedText(reading.typed));
    if (reading.read.empty())
        return withHint(w.fill(Text::ReasonNothingRead, {{"field", field}, {"typed", typed}}),
                        reading, w);
    return withHint(w.fill(Text::ReasonRead, {{"field", field},
                                              {"typed", typed},
                                              {"read", readValue(reading, w)},
                                              {"left", w.typed(reading.left)}}),
                    reading, w);
}

std::string reasonText(const Calculation& calc, const Units& units, const Catalogue& words) {
    const Wording w{units, words};
    switch (calc.outcome) {
    case Outcome::Solved:
        return {};
    case Outcome::Underdetermined:
    case Outcome::Overdetermined:
        return countReason(calc, w);
    case Outcome::NotReadWhole:
        return notReadWholeReason(calc, Text::RuleInputs, w);
    case Outcome::NoSolution:
        if (calc.outOfRange)
            return outOfRangeReason(calc, *calc.outOfRange, w);
        if (calc.noTriangle)
            return noTriangleReason(calc, w);
        return {};
    case Outcome::BadDrawingData:
        if (calc.badOption)
            return badOptionReason(calc, w);
        return {};
    }
    return {};
}

std::optional<Field> faultField(const Calculation& calc) {
    switch (calc.outcome) {
    case Outcome::Solved:
    case Outcome::Underdetermined:
    case Outcome::Overdetermined:
        break;
    case Outcome::NotReadWhole:
        if (const std::vector<Field> fields = calc.fieldsNotReadWhole(); !fields.empty())
            return fields.front();
        break;
    case Outcome::NoSolution:
        if (calc.outOfRange)
            return *calc.outOfRange;
        if (calc.noTriangle) {
            switch (calc.noTriangle->why) {
            case NoTriangleWhy::SidesInequality:
            case NoTriangleWhy::AnglesInequality:
            case NoTriangleWhy::SineCondition:
                return calc.noTriangle->element;
            default:
                break;
            }
        }
        break;
    case Outcome::BadDrawingData:
        if (calc.badOption)
            return calc.badOption->field;
        break;
    }
    return std::nullopt;
}

std::string_view statusText(const SceneDrawing& drawing, const Catalogue& words) {
    if (drawing.missingSides() == 0)
        return {};
    if (drawing.triangles < 2)
        return words.text(Text::StatusSideC);
    if (drawing.missingSides() == 2)
        return words.text(Text::StatusBothSidesC);
    if (drawing.additionalSideMissing)
        return words.text(Text::StatusAdditionalSideC);
    return words.text(Text::StatusPrimarySideC);
}

std::string resultsTable(const Calculation& calc, const Units& units, const Catalogue& words) {
    std::string table;
    if (!calc.hasTriangles())
        return table;
    const auto row = [&](std::string_view caption, const std::string& value) {
        table += caption;
        table += '\t';
        table += value;
        table += '\n';
    };
    const auto rows = [&](const TriangleSolution& t, const std::optional<Measures>& measures) {
        for (const Element e : kAllElements)
            row(elementCaption(e, words), angleCell(RadtoGrad(t[e]).value(), units));
        if (measures)
            for (const Measure m : kAllMeasures)
                row(measureCaption(m, words), measureCell(*measures, m, units, words));
    };
    rows(calc.primary, calc.primaryMeasures);
    if (calc.additional) {
        table += words.text(Text::AdditionalHeading);
        table += '\n';
        rows(*calc.additional, calc.additionalMeasures);
    }
    return table;
}

View present(const Calculation& calc, const Units& units, const Catalogue& words) {
    View view;
    if (calc.hasTriangles())
        for (std::size_t i = 0; i < kResultLabels; ++i) {
            const bool additional = i >= kElements;
            if (additional && !calc.additional)
                break;
            const TriangleSolution& t = additional ? *calc.additional : calc.primary;
            const double degrees = RadtoGrad(t[kAllElements[i % kElements]]).value();
            view.results[i] = {angleLabel(degrees, units), angleTooltip(degrees, units)};
        }
    for (const Element e : kAllElements)
        view.bold[index(e)] = calc.isGiven(e);
    for (std::size_t i = 0; i < kElements; ++i)
        view.notes[i] = readingNote(calc.inputs[i], units, words);
    for (std::size_t i = 0; i < kOptionFields; ++i)
        view.notes[kElements + i] = readingNote(calc.options[i], units, words);
    const std::array<const std::optional<Measures>*, 2> measures{&calc.primaryMeasures,
                                                                 &calc.additionalMeasures};
    for (std::size_t i = 0; i < measures.size(); ++i) {
        if (!calc.hasTriangles() || !*measures[i])
            continue;
        std::string rows;
        for (const Measure m : kAllMeasures) {
            Shown& shown = view.measures[i][static_cast<std::size_t>(m)];
            shown = shownMeasure(**measures[i], m, units, words);
            if (!rows.empty())
                rows += '\n';
            rows += std::string(measureCaption(m, words)) + ": " + shown.tooltip;
        }
        view.measureRows[i] = rows;
    }
    view.message = messageText(calc.outcome, words);
    view.reason = reasonText(calc, units, words);
    view.fault = faultField(calc);
    view.announcement = announcementText(calc, Wording{units, words});
    view.table = resultsTable(calc, units, words);
    return view;
}

std::string pictureDescription(const SceneDrawing& drawing, ViewAngles view,
                               std::string_view decimalSeparator, const Catalogue& words) {
    if (drawing.triangles == 0)
        return std::string(words.text(Text::PictureNothing));
    const auto degrees = [&](double value) {
        return degreesWithSign(value, decimalSeparator);
    };
    std::string text = words.fill(Text::PictureSphere, {{"inclination", degrees(view.inclination)},
                                                        {"rotation", degrees(view.rotation)}});
    const bool two = drawing.triangles > 1;
    if (drawing.style == PictureStyle::Classic) {
        text += words.text(two ? Text::PictureClassicTwo : Text::PictureClassicOne);
    } else {
        const auto names = [&](bool additional) {
            std::array<std::string, 3> named;
            for (std::size_t i = 0; i < kVertices.size(); ++i) {
                const Vertex v = kVertices[i];
                named[i] =
                    vertexName(v, additional,
                               additional && drawing.sharedVertices[static_cast<std::size_t>(v)]);
            }
            return words.fill(Text::PictureVertices,
                              {{"a", named[0]}, {"b", named[1]}, {"c", named[2]}});
        };
        text += two ? words.fill(Text::PictureReadableTwo,
                                 {{"first", names(false)}, {"second", names(true)}})
                    : words.fill(Text::PictureReadableOne, {{"first", names(false)}});
    }
    if (drawing.primarySideMissing && drawing.additionalSideMissing)
        text += words.text(Text::PictureMissingBoth);
    else if (drawing.primarySideMissing)
        text += words.text(two ? Text::PictureMissingPrimary : Text::PictureMissing);
    else if (drawing.additionalSideMissing)
        text += words.text(Text::PictureMissingAdditional);
    return text;
}

SvgLayerNames svgLayerNames(const Catalogue& words) {
    return {words.text(Text::LayerFarSide),  words.text(Text::LayerGrid),
            words.text(Text::LayerSolution), words.text(Text::LayerAdditional),
            words.text(Text::LayerNames),    words.text(Text::LayerHalos)};
}

} // namespace esferica
