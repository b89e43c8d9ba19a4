// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_check.h"

#include <algorithm>

#include "codebook/hoist_words.h"
#include "codebook/one_set_hoist.h"
#include "codebook/signal_flags.h"
#include "complements.h"

namespace mss::codebook::message {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A group as letters, then figures, then the letters after them: L6330N is
// "L", "6330", "N"; DI20 is "DI", "20", "".
struct Shape {
    std::string_view letters;
    std::string_view figures;
    std::string_view after;
};

Shape shapeOf(std::string_view group) {
    const auto firstFigure = std::find_if(group.begin(), group.end(), [](char c) { return isDigit(c) || c == '.'; });
    const auto lettersEnd = static_cast<std::size_t>(firstFigure - group.begin());
    const std::string_view rest = group.substr(lettersEnd);
    const auto afterFigures = std::find_if(rest.begin(), rest.end(), [](char c) { return !isDigit(c) && c != '.'; });
    const auto figuresEnd = static_cast<std::size_t>(afterFigures - rest.begin());
    return {group.substr(0, lettersEnd), rest.substr(0, figuresEnd), rest.substr(figuresEnd)};
}

// The letters that may follow the figures of `shape`, when its letter takes
// N/S or E/W.
std::string_view hemispheresOf(const Shape& shape) {
    if (shape.letters.size() != 1) return {};
    const ComplementRule* rule = complementRuleOf(shape.letters[0]);
    return rule ? rule->hemispheres : std::string_view{};
}

std::string hemispherePair(std::string_view hemispheres) {
    return std::string(1, hemispheres[0]) + " или " + std::string(1, hemispheres[1]);
}

GroupVerdict verdictOf(std::size_t place, const std::string& expected, const std::string& given) {
    GroupVerdict verdict{place, Mistake::None, expected, given, {}};
    if (expected == given) return verdict;
    if (given.empty()) {
        verdict.mistake = Mistake::MissingGroup;
        verdict.explanation = "не хватает группы " + expected;
        return verdict;
    }
    if (expected.empty()) {
        verdict.mistake = Mistake::ExtraGroup;
        verdict.explanation = "лишняя группа " + given;
        return verdict;
    }
    const Shape want = shapeOf(expected);
    const Shape got = shapeOf(given);
    const std::string_view hemispheres = hemispheresOf(want);
    if (!hemispheres.empty() && want.letters == got.letters && want.figures == got.figures) {
        if (got.after.empty()) {
            verdict.mistake = Mistake::MissingHemisphere;
            verdict.explanation = "в группе " + expected + " не хватает " + hemispherePair(hemispheres) + ": нужно " +
                                  std::string(want.after);
            return verdict;
        }
        if (got.after.size() == 1 && hemispheres.find(got.after[0]) != std::string_view::npos) {
            verdict.mistake = Mistake::WrongHemisphere;
            verdict.explanation = "нужно " + std::string(want.after) + ", а не " + std::string(got.after);
            return verdict;
        }
    }
    // A figure wrong counts before the letters after the figures: L6340 for
    // L6330N is first of all a wrong latitude.
    if (want.letters == got.letters && !want.figures.empty() && !got.figures.empty() && want.figures != got.figures) {
        verdict.mistake = Mistake::WrongFigure;
        verdict.explanation = "после " + std::string(want.letters) + " нужно " + std::string(want.figures) + ", а не " +
                              std::string(got.figures);
        return verdict;
    }
    verdict.mistake = Mistake::WrongGroup;
    verdict.explanation = "нужна группа " + expected + ", а не " + given;
    return verdict;
}

}  // namespace

std::vector<GroupVerdict> compareMessages(std::span<const std::string> expected, std::span<const std::string> given) {
    std::vector<GroupVerdict> verdicts;
    const std::size_t places = std::max(expected.size(), given.size());
    for (std::size_t i = 0; i < places; ++i) {
        const std::string none;
        verdicts.push_back(verdictOf(i, i < expected.size() ? expected[i] : none, i < given.size() ? given[i] : none));
    }
    return verdicts;
}

GroupVerdict judgeRaisedGroup(std::string_view expected, std::span<const int> flags) {
    const std::string want(expected);
    const EncodedHoist right = encodeHoist(want);
    // Held flag by flag against the right hoist: where only substitutes
    // differ, the mistake is the substitute.
    if (right.ok() && right.flags.size() == flags.size()) {
        std::optional<std::size_t> firstDifference;
        bool onlySubstitutes = true;
        for (std::size_t i = 0; i < flags.size(); ++i) {
            if (right.flags[i].flag == flags[i]) continue;
            if (!firstDifference) firstDifference = i;
            if (!isSubstitute(right.flags[i].flag) && !isSubstitute(flags[i])) onlySubstitutes = false;
        }
        if (!firstDifference) return {0, Mistake::None, want, want, {}};
        if (onlySubstitutes) {
            const std::size_t at = *firstDifference;
            const FlownHoist raised = readHoist(flags);
            std::string given;
            for (const FlownFlag& f : raised) given += f.standsFor != 0 ? f.standsFor : '?';
            return {0, Mistake::SubstituteMisplaced, want, given,
                    std::to_string(at + 1) + "-м сверху нужен " +
                        std::string(signalFlag(right.flags[at].flag).fullName) + ", а поднят " +
                        std::string(signalFlag(flags[at]).fullName)};
        }
    }
    const DecodedHoist raised = decodeHoist(flags);
    if (!raised.ok()) {
        std::string given;
        for (const FlownFlag& f : readHoist(flags)) given += f.standsFor != 0 ? f.standsFor : '?';
        return {0, Mistake::NoHoist, want, given, refusalText(*raised.refusal)};
    }
    return verdictOf(0, want, raised.group);
}

std::string_view mistakeName(Mistake mistake) {
    switch (mistake) {
        case Mistake::None: return "верно";
        case Mistake::MissingGroup: return "пропущена группа";
        case Mistake::ExtraGroup: return "лишняя группа";
        case Mistake::WrongGroup: return "не та группа";
        case Mistake::WrongFigure: return "неверная цифра";
        case Mistake::MissingHemisphere: return "нет N/S или E/W";
        case Mistake::WrongHemisphere: return "не та сторона света";
        case Mistake::SubstituteMisplaced: return "заменяющий не на месте";
        case Mistake::NoHoist: return "флаги не составляют подъём";
    }
    return {};
}

}  // namespace mss::codebook::message
