// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/ticket_texts.h"

#include "codebook/hoist_words.h"
#include "codebook/signal_flags.h"
#include "qtext/utf8_text.h"
#include "wording/drill_words.h"
#include "wording/russian_plural.h"

namespace mss::wording {

namespace {

using exam::ExamScope;
using exam::TaskKind;

// A meaning asked to compose, quoted, its own code hidden.
QString meaningAsked(const exam::TicketQuestion& q) { return quoted(asking::meaningToCompose(*q.signal)); }

// «Однобуквенный сигнал»: a task's name at the head of a line.
QString capitalised(const QString& words) { return words.left(1).toUpper() + words.mid(1); }

// A code, and where a substitute flies in it, its flags: AA (A, 1-й заменяющий).
QString codeWithFlags(const exam::TicketQuestion& q) {
    const QString code = toQString(q.signal->code);
    const QString flags = toQString(codebook::hoistLine(q.hoist.flown));
    return flags == QStringList(code.split(QString(), Qt::SkipEmptyParts)).join(QStringLiteral(", "))
               ? code
               : QStringLiteral("%1 (%2)").arg(code, flags);
}

// What the teacher hoists for a question: the code, a table's row, or a flag's name.
QString shownHoist(const exam::TicketQuestion& q) {
    if (q.set == asking::SignalSet::Flags) return toQString(codebook::signalFlag(q.hoist.flown.front()).fullName);
    if (!q.hoist.table.empty())
        return QStringLiteral("таблица %1, цифра %2").arg(toQString(q.hoist.table), toQString(q.hoist.flags));
    return codeWithFlags(q);
}

}  // namespace

QString scopeTitle(ExamScope scope) {
    switch (scope) {
        case ExamScope::Basic: return QStringLiteral("Основной");
        case ExamScope::Full: return QStringLiteral("Полный");
        case ExamScope::Flags: return setTitle(asking::SignalSet::Flags);
        case ExamScope::SingleLetter: return setTitle(asking::SignalSet::SingleLetter);
        case ExamScope::General: return setTitle(asking::SignalSet::General);
        case ExamScope::Medical: return setTitle(asking::SignalSet::Medical);
        case ExamScope::Tables: return setTitle(asking::SignalSet::Tables);
    }
    return {};
}

QString taskTitle(TaskKind kind) {
    switch (kind) {
        case TaskKind::FlagBySight: return QStringLiteral("флаг по виду");
        case TaskKind::SingleLetterMeaning: return QStringLiteral("однобуквенный сигнал");
        case TaskKind::ReadHoistChoose: return QStringLiteral("разобрать (значение)");
        case TaskKind::ReadHoistType: return QStringLiteral("разобрать (код)");
        case TaskKind::ComposeHoist: return QStringLiteral("набрать");
        case TaskKind::TableDigitMeaning: return QStringLiteral("цифра таблицы");
    }
    return {};
}

QString questionText(const exam::TicketQuestion& q) {
    switch (q.kind) {
        case TaskKind::FlagBySight: return QStringLiteral("Какой это флаг или вымпел?");
        case TaskKind::SingleLetterMeaning: return QStringLiteral("Что означает этот однобуквенный сигнал?");
        case TaskKind::ReadHoistChoose: return QStringLiteral("Разберите сигнал: что он означает?");
        case TaskKind::ReadHoistType: return QStringLiteral("Разберите сигнал: какой это код?");
        case TaskKind::ComposeHoist:
            return sentence(QStringLiteral("Наберите сигнал одним набором флагов: %1").arg(meaningAsked(q)));
        case TaskKind::TableDigitMeaning:
            return QStringLiteral("Что означает цифра %1 таблицы дополнений %2?")
                .arg(toQString(q.hoist.flags), toQString(q.hoist.table));
    }
    return {};
}

QString timeTakenText(std::chrono::seconds taken) {
    const auto minutes = taken.count() / 60, seconds = taken.count() % 60;
    if (minutes == 0) return QStringLiteral("%1 с").arg(seconds);
    if (seconds == 0) return QStringLiteral("%1 мин").arg(minutes);
    return QStringLiteral("%1 мин %2 с").arg(minutes).arg(seconds);
}

QString gradeTitle(const exam::ExamResult& r) { return r.passed ? QStringLiteral("Зачёт") : QStringLiteral("Незачёт"); }

QString gradeDetails(const exam::ExamResult& r, std::size_t questions) {
    QString line =
        QStringLiteral("Верно %1 из %2 (%3 %), %4. Время: %5.")
            .arg(r.right)
            .arg(questions)
            .arg(r.percent())
            .arg(countOf(r.mistakes, QStringLiteral("ошибка"), QStringLiteral("ошибки"), QStringLiteral("ошибок")),
                 timeTakenText(r.taken));
    // Unanswered and wrongly composed count too: said of the signals, not of how they were misread.
    if (r.grossErrors > 0)
        line += QStringLiteral(" Грубых ошибок (в сигналах бедствия и срочности): %1.").arg(r.grossErrors);
    if (r.timedOut) line += QStringLiteral(" Время вышло; вопросы без ответа засчитаны как ошибки.");
    return line;
}

QString givenText(const exam::QuestionResult& r) {
    if (r.given.empty()) return QStringLiteral("нет ответа");
    if (r.givenSignal && exam::modeOf(r.question->kind) == asking::AskMode::Meaning) return quoted(r.givenSignal->text);
    return toQString(r.given);
}

QString askedText(const exam::TicketQuestion& q) {
    const QString task = capitalised(taskTitle(q.kind));
    switch (q.kind) {
        case TaskKind::ComposeHoist: return QStringLiteral("%1: %2").arg(task, meaningAsked(q));
        case TaskKind::TableDigitMeaning: return QStringLiteral("%1: %2").arg(task, shownHoist(q));
        default: return task;
    }
}

QString mistakeText(const exam::QuestionResult& r) {
    if (r.correct) return QStringLiteral("верно");
    return r.question->gross ? QStringLiteral("грубая ошибка") : QStringLiteral("ошибка");
}

QString rightText(const exam::TicketQuestion& q) {
    if (exam::modeOf(q.kind) == asking::AskMode::Meaning) return quoted(q.signal->text);
    if (q.set == asking::SignalSet::Flags) return toQString(q.signal->code);
    return codeWithFlags(q);
}

QString ticketHeading(const exam::Ticket& ticket) {
    // A ticket of the first draw reads as it did before there were others.
    const QString draw =
        ticket.draw == exam::kFirstDraw ? QString() : QStringLiteral(", %1").arg(drawName(ticket.draw));
    return QStringLiteral("Билет № %1. %2, %3%4.")
        .arg(ticket.number)
        .arg(scopeTitle(ticket.scope))
        .arg(countOf(static_cast<long long>(ticket.questions.size()), QStringLiteral("вопрос"),
                     QStringLiteral("вопроса"), QStringLiteral("вопросов")))
        .arg(draw);
}

QString teacherTextNote() {
    return QStringLiteral(
        "Текст для преподавателя: что поднимать и ответы. Лист для курсантов (ответы — на "
        "отдельной странице): тот же билет с --output билет.pdf.");
}

QString drawName(int draw) { return QStringLiteral("выборка %1").arg(draw); }

QStringList ticketLines(const exam::Ticket& ticket) {
    QStringList lines;
    int n = 0;
    for (const exam::TicketQuestion& q : ticket.questions) {
        ++n;
        QString asked;
        switch (q.kind) {
            case TaskKind::FlagBySight: asked = QStringLiteral("Назовите поднятый флаг: %1.").arg(shownHoist(q)); break;
            case TaskKind::SingleLetterMeaning:
            case TaskKind::ReadHoistChoose:
            case TaskKind::TableDigitMeaning: asked = QStringLiteral("Что означает %1?").arg(shownHoist(q)); break;
            case TaskKind::ReadHoistType: asked = QStringLiteral("Разберите подъём: %1.").arg(shownHoist(q)); break;
            case TaskKind::ComposeHoist: asked = sentence(QStringLiteral("Наберите: %1").arg(meaningAsked(q))); break;
        }
        lines << QStringLiteral("%1. %2. %3").arg(n).arg(capitalised(taskTitle(q.kind)), asked);
    }
    return lines;
}

QStringList sheetLines(const exam::Ticket& ticket) {
    QStringList lines;
    int n = 0;
    for (const exam::TicketQuestion& q : ticket.questions) {
        ++n;
        QString line = QStringLiteral("%1. %2. %3").arg(n).arg(capitalised(taskTitle(q.kind)), questionText(q));
        QStringList offered;
        for (std::size_t i = 0; i < q.choices.size(); ++i)
            offered << QStringLiteral("%1) %2").arg(i + 1).arg(quoted(q.choices[i]->text));
        if (!offered.isEmpty()) line += QStringLiteral(" Ответы: %1.").arg(offered.join(QStringLiteral("; ")));
        lines << line;
    }
    return lines;
}

QStringList answerKeyLines(const exam::Ticket& ticket) {
    QStringList lines;
    int n = 0;
    for (const exam::TicketQuestion& q : ticket.questions) {
        ++n;
        QString key = rightText(q);
        if (q.gross) key += QStringLiteral(" — сигнал бедствия или срочности: ошибка грубая");
        lines << QStringLiteral("%1. %2").arg(n).arg(key);
    }
    return lines;
}

}  // namespace mss::wording
