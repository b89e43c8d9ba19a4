// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exam's pages alone say, in Russian: the title, how to answer,
// the time left. What a ticket and its result say on the pages, on paper and
// on the terminal alike is wording/ticket_texts.h.

#include <QString>

#include <chrono>

#include "exam/ticket_sitting.h"

namespace mss::forms::exam_texts {

inline const QString kExamTitle = QStringLiteral("Зачёт");

QString scopeToolTip(exam::ExamScope scope);
QString howToAnswer(const exam::TicketQuestion& q);
// «Вопрос 7 из 20».
QString progressLine(std::size_t place, std::size_t count);
// «Осталось 9 мин» / «Осталось 45 с».
QString timeLeftText(std::chrono::seconds left);
// Asked before the window closes on a ticket not handed in.
QString leaveTicketQuestion(const exam::Ticket& ticket);

}  // namespace mss::forms::exam_texts
