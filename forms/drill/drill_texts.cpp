// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_texts.h"

#include <QDateTime>
#include <QLocale>

#include <chrono>

#include "asking/percent.h"
#include "codebook/edition_notes.h"
#include "codebook/flag_catalogue.h"
#include "codebook/hoist_words.h"
#include "codebook/signal_flags.h"
#include "qtext/utf8_text.h"
#include "wording/drill_words.h"
#include "wording/russian_plural.h"

namespace mss::forms::drill_texts {

namespace {

using wording::quoted;
using wording::sentence;
using wording::setTitle;

using asking::AskMode;
using asking::SignalSet;

QString tableOf(const asking::HoistOfSignal& hoist) { return QString::fromStdString(hoist.table); }

// "Таблица III, цифра 8 (Октоэйт)": a row of a table, the same whether
// asked, answered or given.
QString tableRow(const asking::HoistOfSignal& hoist) {
    const auto flag = hoist.flags.size() == 1 ? codebook::flagIndexOfSymbol(hoist.flags[0]) : std::nullopt;
    if (!flag) return QStringLiteral("Таблица %1").arg(tableOf(hoist));
    const codebook::SignalFlag& pennant = codebook::signalFlag(*flag);
    return QStringLiteral("Таблица %1, цифра %2 (%3, %4)")
        .arg(tableOf(hoist), QChar::fromLatin1(pennant.symbol), toQString(pennant.spellingWord),
             toQString(codebook::morseSigns(pennant.morse)));
}

}  // namespace

QString setToolTip(SignalSet set, int signalCount) {
    switch (set) {
        case SignalSet::Flags: {
            const int letters = codebook::kLetterCount, pennants = codebook::kFlagCount - codebook::kLetterCount;
            return wording::countOf(letters, QStringLiteral("флаг"), QStringLiteral("флага"),
                                    QStringLiteral("флагов")) +
                   QStringLiteral(" и ") +
                   wording::countOf(pennants, QStringLiteral("цифровой вымпел"), QStringLiteral("цифровых вымпела"),
                                    QStringLiteral("цифровых вымпелов"));
        }
        case SignalSet::SingleLetter:
            return wording::countOf(signalCount, QStringLiteral("однобуквенный сигнал"),
                                    QStringLiteral("однобуквенных сигнала"), QStringLiteral("однобуквенных сигналов"));
        case SignalSet::General:
            return wording::countOf(signalCount, QStringLiteral("сигнал"), QStringLiteral("сигнала"),
                                    QStringLiteral("сигналов")) +
                   QStringLiteral(" общего раздела; можно выбрать одну первую букву");
        case SignalSet::Medical:
            return wording::countOf(signalCount, QStringLiteral("сигнал"), QStringLiteral("сигнала"),
                                    QStringLiteral("сигналов")) +
                   QStringLiteral(" медицинского раздела");
        case SignalSet::Tables:
            return wording::countOf(signalCount, QStringLiteral("строка"), QStringLiteral("строки"),
                                    QStringLiteral("строк")) +
                   QStringLiteral(" таблиц дополнений I, II и III");
    }
    return {};
}

QString modeTitle(AskMode mode) {
    switch (mode) {
        case AskMode::RecogniseFlag: return QStringLiteral("Узнай флаг");
        case AskMode::Meaning: return QStringLiteral("Значение сигнала");
        case AskMode::Compose: return QStringLiteral("Набери сигнал");
    }
    return {};
}

QString modeToolTip(AskMode mode) {
    switch (mode) {
        case AskMode::RecogniseFlag: return QStringLiteral("Показан флаг или сигнал: наберите его буквы и цифры");
        case AskMode::Meaning: return QStringLiteral("Показан сигнал: выберите его значение из четырёх");
        case AskMode::Compose: return QStringLiteral("Показано значение: наберите сигнал на клавиатуре");
    }
    return {};
}

QString questionText(const drill::DrillChoice& choice, const asking::Question& question) {
    if (question.signal == nullptr) return {};
    // Asked to compose: a meaning that names its own code hides it.
    const QString meaning = quoted(asking::meaningToCompose(*question.signal));
    const QString table = tableOf(question.hoist);
    // A flag of the flags set is asked by what it is: a flag, a pennant, a substitute.
    const codebook::SignalFlag* alone =
        question.hoist.flown.size() == 1 ? &codebook::signalFlag(question.hoist.flown.front()) : nullptr;
    const bool pennant = alone && alone->kind != codebook::FlagKind::Letter;
    switch (choice.mode) {
        case AskMode::RecogniseFlag:
            switch (choice.set) {
                case SignalSet::Flags:
                    return pennant ? QStringLiteral("Какой это вымпел?") : QStringLiteral("Какой это флаг?");
                case SignalSet::SingleLetter: return QStringLiteral("Какой это флаг?");
                case SignalSet::General: return QStringLiteral("Какой сигнал поднят?");
                case SignalSet::Medical: return QStringLiteral("Какой сигнал медицинского раздела поднят?");
                case SignalSet::Tables: return QStringLiteral("Какая цифра таблицы дополнений %1 поднята?").arg(table);
            }
            break;
        case AskMode::Meaning:
            switch (choice.set) {
                case SignalSet::Flags:
                    return pennant ? QStringLiteral("Как называется этот вымпел?")
                                   : QStringLiteral("Как называется этот флаг?");
                case SignalSet::Tables:
                    return QStringLiteral("Что означает эта цифра таблицы дополнений %1?").arg(table);
                default: return QStringLiteral("Что означает этот сигнал?");
            }
        case AskMode::Compose:
            switch (choice.set) {
                case SignalSet::Flags:
                    if (alone && alone->spellingWord.empty())  // a substitute, the answering pennant
                        return QStringLiteral("Поднимите %1.").arg(toQString(alone->fullName));
                    return sentence(QStringLiteral("Поднимите %1 %2")
                                        .arg(pennant ? QStringLiteral("вымпел") : QStringLiteral("флаг"), meaning));
                case SignalSet::SingleLetter:
                    return QStringLiteral("Какой однобуквенный сигнал означает %1?").arg(meaning);
                case SignalSet::General: return sentence(QStringLiteral("Наберите сигнал: %1").arg(meaning));
                case SignalSet::Medical:
                    return sentence(QStringLiteral("Наберите сигнал медицинского раздела: %1").arg(meaning));
                case SignalSet::Tables:
                    return QStringLiteral("Таблица дополнений %1: %2. Какая это цифра?").arg(table, meaning);
            }
            break;
    }
    return {};
}

QString howToAnswer(const drill::DrillChoice& choice, const asking::Question& question) {
    switch (choice.mode) {
        case AskMode::RecogniseFlag:
            switch (choice.set) {
                case SignalSet::Flags: return QStringLiteral("Наберите или нажмите его букву или цифру.");
                case SignalSet::SingleLetter: return QStringLiteral("Наберите или нажмите его букву.");
                case SignalSet::General:
                    if (question.hoist.flags.size() == 1) return QStringLiteral("Наберите или нажмите букву флага.");
                    return QStringLiteral("Наберите флаги сверху вниз; Backspace снимает последний, Enter — ответить.");
                case SignalSet::Medical:
                    return QStringLiteral(
                        "M уже поднят: наберите вторую и третью буквы и нажмите Enter; "
                        "Backspace снимает последнюю.");
                case SignalSet::Tables: return QStringLiteral("Наберите или нажмите цифру.");
            }
            break;
        case AskMode::Meaning: return QStringLiteral("Выберите ответ: клавиши 1–4 или щелчок.");
        case AskMode::Compose:
            switch (choice.set) {
                case SignalSet::General:
                    return QStringLiteral(
                        "Набирайте флаги сверху вниз; Backspace снимает последний, Enter — ответить.");
                case SignalSet::Medical:
                    return QStringLiteral("M уже поднят: наберите вторую и третью буквы и нажмите Enter.");
                case SignalSet::Tables: return QStringLiteral("Наберите цифру и нажмите Enter.");
                default: return QStringLiteral("Наберите флаг и нажмите Enter; Backspace снимает его.");
            }
    }
    return {};
}

QString spokenHoist(const asking::HoistOfSignal& hoist) {
    if (!hoist.table.empty()) return tableRow(hoist);
    return toQString(codebook::hoistWithMorse(hoist.flown));
}

QString signalWithMeaning(SignalSet set, const asking::Signal& signal) {
    const QString code = QString::fromStdString(signal.code);
    const QString meaning = quoted(signal.text);
    switch (set) {
        case SignalSet::Flags: {
            // «E — Эко (·)»; a flag whose name already says what it is
            // («1-й заменяющий вымпел», «ответный вымпел») is named once.
            const std::vector<int>& flown = asking::hoistOf(set, signal.code).flown;
            const QString morse =
                flown.empty() ? QString() : toQString(codebook::morseSigns(codebook::signalFlag(flown.front()).morse));
            const QString name = QString::fromStdString(signal.text);
            const QString named = name.startsWith(code) ? name : QStringLiteral("%1 — %2").arg(code, name);
            return morse.isEmpty() ? named : QStringLiteral("%1 (%2)").arg(named, morse);
        }
        case SignalSet::Tables:
            return QStringLiteral("%1: %2").arg(tableRow(asking::hoistOf(set, signal.code)), meaning);
        default: {
            const QString flags = toQString(codebook::hoistWithMorse(asking::hoistOf(set, signal.code).flown));
            return QStringLiteral("%1 — %2: %3").arg(code, flags, meaning);
        }
    }
}

QString givenAnswer(SignalSet set, const drill::DrillOutcome& outcome) {
    if (outcome.given.empty()) return QStringLiteral("нет ответа");
    if (outcome.givenSignal != nullptr) return signalWithMeaning(set, *outcome.givenSignal);
    if (set == SignalSet::Tables) return tableRow(asking::hoistOf(set, outcome.given));
    return toQString(outcome.given) + QStringLiteral(" — такого сигнала в своде нет");
}

QString resultHeadline(const drill::DrillOutcome& outcome) {
    return outcome.correct ? QStringLiteral("Верно!") : QStringLiteral("Неверно.");
}

QString resultDetails(SignalSet set, const drill::DrillOutcome& outcome) {
    if (outcome.asked == nullptr) return {};
    // What a learner with another edition of the code should know about the signal asked.
    const QString note = toQString(codebook::editionNoteOf(outcome.asked->code));
    const QString noted = note.isEmpty() ? QString() : u'\n' + note;
    if (outcome.correct) return signalWithMeaning(set, *outcome.asked) + noted;
    return QStringLiteral("Правильный ответ: %1\nВаш ответ: %2")
               .arg(signalWithMeaning(set, *outcome.asked), givenAnswer(set, outcome)) +
           noted;
}

QString scoreLine(const drill::Tally& tally, int questionNumber, int questionCount, bool finished) {
    const QString score =
        QStringLiteral("Верно: %1 из %2 · Подряд: %3").arg(tally.right).arg(tally.asked).arg(tally.streak);
    if (finished) return score;
    return QStringLiteral("Вопрос %1 из %2 · ").arg(questionNumber).arg(questionCount) + score;
}

QString summaryHeading(const drill::DrillSummary& summary) {
    const QString heading =
        QStringLiteral("Занятие окончено: %1, «%2»").arg(setTitle(summary.choice.set), modeTitle(summary.choice.mode));
    return summary.earlyReview ? heading + QStringLiteral(" (досрочное повторение)") : heading;
}

QString summaryScore(const drill::DrillSummary& summary) {
    const drill::Tally& t = summary.tally;
    if (t.asked == 0) return QStringLiteral("Ни одного ответа в этом занятии.");
    return QStringLiteral("Верно %1 из %2 (%3 %).").arg(t.right).arg(t.asked).arg(asking::percentOf(t.right, t.asked));
}

QString mistakesHeading(const drill::DrillSummary& summary) {
    if (summary.tally.asked == 0) return {};
    const auto n = static_cast<long long>(summary.mistakes.size());
    if (n > 0) return QStringLiteral("Ошибки (%1):").arg(n);
    // The session's earlier mistakes were asked again and answered rightly.
    return summary.tally.mistakes.empty() ? QStringLiteral("Ошибок нет.") : QStringLiteral("При повторе ошибок нет.");
}

QStringList mistakeLines(const drill::DrillSummary& summary) {
    QStringList lines;
    for (const drill::MistakeMade& m : summary.mistakes) {
        const SignalSet set = m.set;
        const QString asked = m.asked ? signalWithMeaning(set, *m.asked) : QString();
        const QString given = m.given.empty()            ? QStringLiteral("нет ответа")
                              : set == SignalSet::Tables ? tableRow(asking::hoistOf(set, m.given))
                                                         : toQString(m.given);
        lines << QStringLiteral("%1 — ваш ответ: %2").arg(asked, given);
    }
    return lines;
}

QString nothingToAskHeading() { return QStringLiteral("Сейчас повторять нечего"); }

QString nothingToAskExplanation(const drill::DrillChoice& choice, const drill::PoolStatus& pool) {
    QString chosen = QStringLiteral("«%1», «%2»").arg(setTitle(choice.set), modeTitle(choice.mode));
    if (choice.firstLetter != 0) chosen += QStringLiteral(", на букву %1").arg(QChar::fromLatin1(choice.firstLetter));
    QString text = QStringLiteral("В наборе %1 нет сигналов, которым пришёл срок, и не осталось новых.").arg(chosen);
    if (pool.nextDue) {
        const QDateTime due = QDateTime::fromSecsSinceEpoch(
            std::chrono::duration_cast<std::chrono::seconds>(pool.nextDue->time_since_epoch()).count());
        text += QStringLiteral(" Ближайший срок — %1.")
                    .arg(QLocale(QLocale::Russian).toString(due.toLocalTime(), QStringLiteral("d MMMM, HH:mm")));
    }
    return text + QStringLiteral(" Можно повторить досрочно: ответы не продвинут сигналы по ступеням.");
}

}  // namespace mss::forms::drill_texts
