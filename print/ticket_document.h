// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A ticket on paper, for the printing module: the blank ticket as a teacher
// hands it round, with its answer key on a page of its own, and a ticket's
// result with every question, the answer given and the right one, hoists
// drawn as one set flies them.

#include "exam/ticket_sitting.h"
#include "print/document.h"

namespace mss::print {

Document ticketDocument(const exam::Ticket& ticket);
Document resultDocument(const exam::Ticket& ticket, const exam::ExamResult& result);

}  // namespace mss::print
