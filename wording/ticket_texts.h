// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an exam ticket and its result say, in Russian, wherever they are
// read: on the exam's pages, on paper and on the terminal. Scopes, tasks,
// questions, the grade, and a ticket as a teacher reads it out or hands it
// round.

#include <QString>
#include <QStringList>

#include <chrono>

#include "exam/ticket_sitting.h"

namespace mss::wording {

QString scopeTitle(exam::ExamScope scope);
// «набрать», «разобрать», … as a teacher names the task.
QString taskTitle(exam::TaskKind kind);
// The question on the screen and on the cadets' sheet.
QString questionText(const exam::TicketQuestion& q);
// «Зачёт» / «Незачёт», and the line under it.
QString gradeTitle(const exam::ExamResult& r);
QString gradeDetails(const exam::ExamResult& r, std::size_t questions);
// «19 с», «3 мин», «3 мин 5 с».
QString timeTakenText(std::chrono::seconds taken);
// What a question asked, for the table of results: «Набрать: «…»»,
// «Флаг по виду» (the hoist is drawn beside it).
QString askedText(const exam::TicketQuestion& q);
// «верно», «ошибка» or «грубая ошибка».
QString mistakeText(const exam::QuestionResult& r);
// An answer as the cadet gave it, and the right one, for the table of results.
QString givenText(const exam::QuestionResult& r);
QString rightText(const exam::TicketQuestion& q);

// The ticket as a teacher reads it out, one question a line, naming what
// to hoist; and the answer key, one line a question.
QStringList ticketLines(const exam::Ticket& ticket);
// The ticket as the cadets read it on their sheet, one question a line,
// nothing in it that names a hoist to be read: the hoist is drawn beside it.
QStringList sheetLines(const exam::Ticket& ticket);
// The first line of the teacher's text: what it is and where the cadets' sheet comes from.
QString teacherTextNote();
QStringList answerKeyLines(const exam::Ticket& ticket);
QString ticketHeading(const exam::Ticket& ticket);
// «выборка 2»: how a ticket names the draw it was drawn by.
QString drawName(int draw);

}  // namespace mss::wording
