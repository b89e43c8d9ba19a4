// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/progress_texts.h"

#include <QDateTime>
#include <QLocale>

#include <chrono>
#include <cmath>

#include "asking/percent.h"
#include "codebook/one_set_hoist.h"
#include "codebook/signal_flags.h"
#include "forms/drill/drill_texts.h"
#include "qtext/utf8_text.h"
#include "wording/drill_words.h"
#include "wording/russian_plural.h"

namespace mss::forms::progress_texts {

namespace {

using asking::SignalSet;

// The words "среди последних N ответов" and "меньше N ответов" read right
// for these counts only.
static_assert(progress::kHardWindow >= 5 && progress::kHardWindow <= 20);
static_assert(kFewestAnswersCharted >= 5 && kFewestAnswersCharted <= 20);

QDateTime localTimeOf(asking::TimePoint t) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(t.time_since_epoch()).count();
    return QDateTime::fromSecsSinceEpoch(seconds).toLocalTime();
}

QString inRussian(asking::TimePoint t, const QString& format) {
    return QLocale(QLocale::Russian).toString(localTimeOf(t), format);
}

// "верно 17 из 20 (85 %)", the share never cut between two lines.
QString score(int right, int answers) {
    return QStringLiteral("верно %1 из %2 (%3\u00A0%)").arg(right).arg(answers).arg(asking::percentOf(right, answers));
}

QString capitalised(QString s) {
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    return s;
}

// The flags of a hoist by their names, top first: "Майк, Алфа, 2-й заменяющий".
QString flagNames(const std::vector<int>& flown) {
    QStringList names;
    for (const codebook::FlownFlag& f : codebook::readHoist(flown)) {
        const codebook::SignalFlag& flag = codebook::signalFlag(f.flag);
        names << toQString(flag.spellingWord.empty() ? flag.shortName : flag.spellingWord);
    }
    return names.join(QStringLiteral(", "));
}

QString misses(const progress::HardSignal& hard) { return QStringLiteral("%1 из %2").arg(hard.misses).arg(hard.asked); }

}  // namespace

QString choiceText(const drill::DrillChoice& choice) {
    QString text = wording::setTitle(choice.set);
    if (choice.set == SignalSet::General && choice.firstLetter != 0)
        text += QStringLiteral(", на букву %1").arg(QChar::fromLatin1(choice.firstLetter));
    return text + QStringLiteral(", «%1»").arg(drill_texts::modeTitle(choice.mode));
}

QString sessionDay(const progress::SessionSummary& session) {
    return inRussian(session.startedAt, QStringLiteral("dd.MM"));
}

namespace {

QStringList sessionLines(const progress::SessionSummary& session) {
    return {inRussian(session.startedAt, QStringLiteral("d MMMM yyyy, HH:mm")), choiceText(session.choice),
            capitalised(score(session.right, session.asked))};
}

}  // namespace

QString sessionToolTip(const progress::SessionSummary& session) {
    return sessionLines(session).join(QLatin1Char('\n'));
}

QString sessionSpoken(const progress::SessionSummary& session) {
    return QStringLiteral("Занятие ") + sessionLines(session).join(QStringLiteral(". ")) + QLatin1Char('.');
}

QString sessionsHeading(int answers, int right) {
    const QString heading = QStringLiteral("Последние занятия");
    return answers == 0 ? heading : heading + QStringLiteral(": ") + score(right, answers);
}

QString sessionsNote(int shown, int leftOut) {
    if (shown == 0 && leftOut == 0) return QStringLiteral("Занятий ещё не было.");
    if (shown == 0)
        return QStringLiteral("В графике занятия от %1 ответов, а таких ещё не было.").arg(kFewestAnswersCharted);
    if (leftOut == 0) return {};
    return wording::pluralForm(leftOut, QStringLiteral("Не показано %1 короткое занятие"),
                               QStringLiteral("Не показаны %1 коротких занятия"),
                               QStringLiteral("Не показано %1 коротких занятий"))
               .arg(leftOut) +
           QStringLiteral(" (меньше %1 ответов).").arg(kFewestAnswersCharted);
}

QString hardestScope(const drill::DrillChoice& choice) {
    // The letter does not narrow the list: it is of the whole set.
    const drill::DrillChoice whole{choice.set, choice.mode, 0};
    return QStringLiteral("%1 — ошибки среди последних %2 ответов на сигнал")
        .arg(choiceText(whole))
        .arg(progress::kHardWindow);
}

QString noHardestSignals() { return QStringLiteral("В последних ответах ошибок нет: трудных сигналов пока нет."); }

QStringList hardestHeadings(SignalSet set) {
    if (set == SignalSet::Flags)
        return {QStringLiteral("Флаг"), QStringLiteral("Подъём"), QStringLiteral("Название"),
                QStringLiteral("Неверно")};
    return {QStringLiteral("Сигнал"), QStringLiteral("Подъём"), QStringLiteral("Значение"), QStringLiteral("Неверно")};
}

QStringList hardestCells(SignalSet set, const asking::Signal& signal, const progress::HardSignal& hard) {
    const asking::HoistOfSignal hoist = asking::hoistOf(set, signal.code);
    const QString flags = set == SignalSet::Flags && !hoist.flown.empty()
                              ? toQString(codebook::signalFlag(hoist.flown.front()).fullName)
                              : flagNames(hoist.flown);
    return {QString::fromStdString(signal.code), flags, QString::fromStdString(signal.text).trimmed(), misses(hard)};
}

QString hardestLine(SignalSet set, const asking::Signal& signal, const progress::HardSignal& hard) {
    return QStringLiteral("%1 — неверно %2").arg(drill_texts::signalWithMeaning(set, signal), misses(hard));
}

}  // namespace mss::forms::progress_texts
