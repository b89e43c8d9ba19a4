// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/exam/exam_document.h"

#include "forms/exam/exam_texts.h"

namespace mss::forms {

namespace {

using print::Block;
using print::Cell;

// The hoist a question shows; nothing where the question is a meaning to compose.
std::vector<int> hoistShown(const exam::TicketQuestion& q) {
    return q.kind == exam::TaskKind::ComposeHoist ? std::vector<int>{} : q.hoist.flown;
}

}  // namespace

print::Document ticketDocument(const exam::Ticket& ticket) {
    print::Document d{exam_texts::ticketHeading(ticket), {}, false};
    // The cadets' sheet: hoists drawn, nothing that names them.
    d.blocks.push_back(Block::heading(exam_texts::ticketHeading(ticket)));
    const QStringList lines = exam_texts::sheetLines(ticket);
    for (std::size_t i = 0; i < ticket.questions.size(); ++i)
        d.blocks.push_back(Block::row({Cell{lines[static_cast<qsizetype>(i)], {}},
                                       Cell{QString(), hoistShown(ticket.questions[i])}},
                                      {0.75, 0.25}));
    // The key on a page of its own, for the teacher.
    d.blocks.push_back(Block::pageBreak());
    d.blocks.push_back(Block::heading(QStringLiteral("Ответы к билету № %1").arg(ticket.number)));
    const QStringList key = exam_texts::answerKeyLines(ticket);
    for (std::size_t i = 0; i < ticket.questions.size(); ++i)
        d.blocks.push_back(Block::row({Cell{key[static_cast<qsizetype>(i)], {}},
                                       Cell{QString(), ticket.questions[i].hoist.flown}},
                                      {0.75, 0.25}));
    return d;
}

print::Document resultDocument(const exam::Ticket& ticket, const exam::ExamResult& result) {
    print::Document d{exam_texts::ticketHeading(ticket), {}, false};
    d.blocks.push_back(Block::heading(QStringLiteral("%1 — %2").arg(exam_texts::ticketHeading(ticket),
                                                                     exam_texts::gradeTitle(result))));
    d.blocks.push_back(Block::paragraph(exam_texts::gradeDetails(result, ticket.questions.size())));
    int n = 0;
    for (const exam::QuestionResult& r : result.questions) {
        ++n;
        d.blocks.push_back(Block::row(
            {Cell{QStringLiteral("%1. %2").arg(n).arg(exam_texts::askedText(*r.question)), hoistShown(*r.question)},
             Cell{QStringLiteral("Ответ: %1 — %2").arg(exam_texts::givenText(r), exam_texts::mistakeText(r)), {}},
             Cell{QStringLiteral("Правильно: %1").arg(exam_texts::rightText(*r.question)), {}}},
            {0.3, 0.35, 0.35}));
    }
    return d;
}

}  // namespace mss::forms
