// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticket_command.h"

#include <cstdio>

#include "exam/exam_signals.h"
#include "forms/exam/exam_texts.h"

namespace mss::app {

namespace {

struct ScopeWord {
    const char* word;
    exam::ExamScope scope;
};

constexpr ScopeWord kScopeWords[] = {
    {"основной", exam::ExamScope::Basic},         {"полный", exam::ExamScope::Full},
    {"флаги", exam::ExamScope::Flags},            {"однобуквенные", exam::ExamScope::SingleLetter},
    {"общий", exam::ExamScope::General},          {"медицинский", exam::ExamScope::Medical},
    {"таблицы", exam::ExamScope::Tables},
};

}  // namespace

std::optional<exam::ExamScope> scopeOfWord(const QString& word) {
    for (const ScopeWord& w : kScopeWords)
        if (word.trimmed().toLower() == QString::fromUtf8(w.word)) return w.scope;
    return std::nullopt;
}

int printTicket(const codebook::CodeBook& book, int number, exam::ExamScope scope) {
    const exam::ExamPool pool(book, exam::ExamSignals::shipped());
    const exam::Ticket ticket = exam::drawTicket(pool, number, scope);
    QStringList lines{forms::exam_texts::ticketHeading(ticket)};
    lines << forms::exam_texts::ticketLines(ticket) << QString() << QStringLiteral("Ответы:")
          << forms::exam_texts::answerKeyLines(ticket);
    const QByteArray bytes = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    return 0;
}

}  // namespace mss::app
