// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/question/question_texts.h"

#include "codebook/hoist_words.h"
#include "qtext/utf8_text.h"

namespace mss::forms::question_texts {

using asking::AskMode;

QString typedLine(const asking::TypedAnswer& typed, AskMode mode) {
    QString why;
    if (const auto& refused = typed.refusal()) {
        why = toQString(codebook::refusalText(*refused));
    } else if (typed.refusedAsFull()) {
        // Every place the answer has is taken: say so rather than ignore the key.
        const std::size_t places = typed.atMost() + (typed.hoist().medicalM ? 1 : 0);
        why = mode == AskMode::Compose
                  ? QStringLiteral("Больше %1 флагов сигнал этого раздела не поднимает; Backspace снимает последний.")
                        .arg(places == 2   ? QStringLiteral("двух")
                             : places == 3 ? QStringLiteral("трёх")
                                           : QString::number(places))
                  : QStringLiteral("Все флаги сигнала уже названы; Backspace стирает последний.");
    }
    const QString up = QString::fromStdString(typed.shown());
    if (why.isEmpty()) return up.isEmpty() ? QStringLiteral("—") : up;
    return up.isEmpty() ? QStringLiteral("ничего. ") + why : up + QStringLiteral(" — ") + why;
}

}  // namespace mss::forms::question_texts
