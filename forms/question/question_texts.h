// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a question's page says that the drill and the exam say alike, in
// Russian: the flags typed so far.

#include <QString>

#include "asking/typed_answer.h"

namespace mss::forms::question_texts {

// What follows «Набрано:» while a question waits: the flags up, the M
// hoisted for the learner included, «—» when none stands; after a key that
// put nothing up, why: «M, A — Флаг A уже поднят…», «ничего. Над 1-м
// заменяющим нет ни буквы, ни цифры…».
QString typedLine(const asking::TypedAnswer& typed, asking::AskMode mode);

}  // namespace mss::forms::question_texts
