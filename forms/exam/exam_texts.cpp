// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/exam/exam_texts.h"

namespace mss::forms::exam_texts {

using exam::ExamScope;
using exam::TaskKind;

QString scopeToolTip(ExamScope scope) {
    switch (scope) {
        case ExamScope::Basic:
            return QStringLiteral(
                "40 флагов и вымпелов, однобуквенные сигналы и главные сигналы общего раздела: "
                "бедствие, срочность, самые ходовые");
        case ExamScope::Full: return QStringLiteral("Весь свод, медицинский раздел и таблицы дополнений тоже");
        default: return QStringLiteral("Только этот раздел");
    }
}

QString howToAnswer(const exam::TicketQuestion& q) {
    switch (q.kind) {
        case TaskKind::FlagBySight:
            return QStringLiteral("Нажмите его клавишу; заменяющие — Shift+1, 2, 3, ответный вымпел — Shift+0.");
        case TaskKind::ReadHoistType:
            return QStringLiteral("Наберите буквы и цифры, которые обозначает подъём; Backspace снимает последнюю.");
        case TaskKind::ComposeHoist:
            return QStringLiteral(
                "Поднимайте флаги сверху вниз; повтор — заменяющим (Shift+1, 2, 3), "
                "ответный вымпел — Shift+0; Backspace снимает последний.");
        default: return QStringLiteral("Выберите ответ: клавиши 1–4 или щелчок.");
    }
}

QString progressLine(std::size_t place, std::size_t count) {
    return QStringLiteral("Вопрос %1 из %2").arg(place + 1).arg(count);
}

QString timeLeftText(std::chrono::seconds left) {
    const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(left).count();
    if (minutes >= 1) return QStringLiteral("Осталось: %1 мин").arg(minutes + (left.count() % 60 ? 1 : 0));
    return QStringLiteral("Осталось: %1 с").arg(left.count());
}

QString leaveTicketQuestion(const exam::Ticket& ticket) {
    return QStringLiteral(
               "Билет № %1 не сдан. Прервать его?\n\nОтветы и оставшееся время сохранятся: билет можно "
               "будет продолжить из списка «Зачёты».")
        .arg(ticket.number);
}

}  // namespace mss::forms::exam_texts
