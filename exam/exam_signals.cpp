// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam_signals.h"

#include <set>
#include <stdexcept>

#include "data/exam_signals_bytes.h"

namespace mss::exam {

namespace {

std::optional<SignalRole> roleNamed(std::string_view name) {
    if (name == "distress") return SignalRole::Distress;
    if (name == "urgency") return SignalRole::Urgency;
    if (name == "common") return SignalRole::Common;
    return std::nullopt;
}

std::optional<int> drawNamed(std::string_view text) {
    for (int draw = kFirstDraw; draw <= kLatestDraw; ++draw)
        if (text == std::to_string(draw)) return draw;
    return std::nullopt;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    for (std::size_t start = 0;;) {
        const auto tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return out;
        start = tab + 1;
    }
}

}  // namespace

std::optional<ExamSignals> ExamSignals::parse(std::string_view text, std::string* problem) {
    auto fail = [problem](int line, const std::string& what) -> std::optional<ExamSignals> {
        if (problem) *problem = "строка " + std::to_string(line) + ": " + what;
        return std::nullopt;
    };
    ExamSignals list;
    std::set<std::string, std::less<>> seen;
    int lineNo = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto end = text.find('\n', pos);
        std::string_view line = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (lineNo == 1 || line.empty()) continue;  // the header
        const auto f = fields(line);
        if (f.size() != 4 || f[0].empty() || f[3].empty())
            return fail(lineNo, "ожидались код, роль, выборка и тема через табуляцию");
        const auto role = roleNamed(f[1]);
        if (!role) return fail(lineNo, "неизвестная роль «" + std::string(f[1]) + "»");
        const auto since = drawNamed(f[2]);
        if (!since) return fail(lineNo, "неизвестная выборка билетов «" + std::string(f[2]) + "»");
        if (!seen.emplace(f[0]).second) return fail(lineNo, "код " + std::string(f[0]) + " указан дважды");
        list.signals_.push_back({std::string(f[0]), *role, *since, std::string(f[3])});
    }
    return list;
}

const ExamSignals& ExamSignals::shipped() {
    static const ExamSignals list = [] {
        std::string problem;
        auto parsed = parse(data::examSignalsBytes(), &problem);
        // The file is checked by its tests when the program is built.
        if (!parsed) throw std::logic_error("data/exam_signals.tsv: " + problem);
        return *parsed;
    }();
    return list;
}

const ExamSignal* ExamSignals::find(std::string_view code) const {
    for (const ExamSignal& s : signals_)
        if (s.code == code) return &s;
    return nullptr;
}

bool ExamSignals::isGross(std::string_view code) const {
    const ExamSignal* s = find(code);
    return s && s->role != SignalRole::Common;
}

bool ExamSignals::asksInDraw(std::string_view code, int draw) const {
    const ExamSignal* s = find(code);
    return s && s->since <= draw;
}

}  // namespace mss::exam
