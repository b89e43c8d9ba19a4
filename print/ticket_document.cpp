// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/ticket_document.h"

#include "wording/ticket_texts.h"

namespace mss::print {

namespace {

// The hoist a question shows; nothing where the question is a meaning to compose.
std::vector<int> hoistShown(const exam::TicketQuestion& q) {
    return q.kind == exam::TaskKind::ComposeHoist ? std::vector<int>{} : q.hoist.flown;
}

}  // namespace

Document ticketDocument(const exam::Ticket& ticket) {
    Document d{wording::ticketHeading(ticket), {}, false};
    // The cadets' sheet: hoists drawn, nothing that names them.
    d.blocks.push_back(Block::heading(wording::ticketHeading(ticket)));
    const QStringList lines = wording::sheetLines(ticket);
    for (std::size_t i = 0; i < ticket.questions.size(); ++i)
        d.blocks.push_back(
            Block::row({Cell{lines[static_cast<qsizetype>(i)], {}}, Cell{QString(), hoistShown(ticket.questions[i])}},
                       {0.75, 0.25}));
    // The key on a page of its own, for the teacher.
    d.blocks.push_back(Block::pageBreak());
    d.blocks.push_back(Block::heading(QStringLiteral("Ответы к билету № %1").arg(ticket.number)));
    const QStringList key = wording::answerKeyLines(ticket);
    for (std::size_t i = 0; i < ticket.questions.size(); ++i)
        d.blocks.push_back(
            Block::row({Cell{key[static_cast<qsizetype>(i)], {}}, Cell{QString(), ticket.questions[i].hoist.flown}},
                       {0.75, 0.25}));
    return d;
}

Document resultDocument(const exam::Ticket& ticket, const exam::ExamResult& result) {
    Document d{wording::ticketHeading(ticket), {}, false};
    d.blocks.push_back(
        Block::heading(QStringLiteral("%1 — %2").arg(wording::ticketHeading(ticket), wording::gradeTitle(result))));
    d.blocks.push_back(Block::paragraph(wording::gradeDetails(result, ticket.questions.size())));
    int n = 0;
    for (const exam::QuestionResult& r : result.questions) {
        ++n;
        d.blocks.push_back(Block::row(
            {Cell{QStringLiteral("%1. %2").arg(n).arg(wording::askedText(*r.question)), hoistShown(*r.question)},
             Cell{QStringLiteral("Ответ: %1 — %2").arg(wording::givenText(r), wording::mistakeText(r)), {}},
             Cell{QStringLiteral("Правильно: %1").arg(wording::rightText(*r.question)), {}}},
            {0.3, 0.35, 0.35}));
    }
    return d;
}

}  // namespace mss::print
