// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_texts.h"

#include <QStringList>

#include "codebook/flag_catalogue.h"

namespace mss::forms::drill_texts {

namespace {

using drill::DrillMode;
using drill::DrillSet;

QString quoted(const QString& s) { return QStringLiteral("«%1»").arg(s.trimmed()); }

QString tableOf(const drill::HoistOfSignal& hoist) { return QString::fromStdString(hoist.table); }

}  // namespace

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QString setTitle(DrillSet set) {
    switch (set) {
        case DrillSet::Flags: return QStringLiteral("Флаги и вымпелы");
        case DrillSet::SingleLetter: return QStringLiteral("Однобуквенные сигналы");
        case DrillSet::General: return QStringLiteral("Общий раздел");
        case DrillSet::Medical: return QStringLiteral("Медицинский раздел");
        case DrillSet::Tables: return QStringLiteral("Таблицы дополнений");
    }
    return {};
}

QString setToolTip(DrillSet set) {
    switch (set) {
        case DrillSet::Flags: return QStringLiteral("26 флагов и 10 цифровых вымпелов");
        case DrillSet::SingleLetter: return QStringLiteral("25 однобуквенных сигналов");
        case DrillSet::General: return QStringLiteral("1403 сигнала общего раздела; можно выбрать одну первую букву");
        case DrillSet::Medical: return QStringLiteral("442 сигнала медицинского раздела");
        case DrillSet::Tables: return QStringLiteral("29 строк таблиц дополнений I, II и III");
    }
    return {};
}

QString modeTitle(DrillMode mode) {
    switch (mode) {
        case DrillMode::RecogniseFlag: return QStringLiteral("Узнай флаг");
        case DrillMode::Meaning: return QStringLiteral("Значение сигнала");
        case DrillMode::Compose: return QStringLiteral("Набери сигнал");
    }
    return {};
}

QString modeToolTip(DrillMode mode) {
    switch (mode) {
        case DrillMode::RecogniseFlag: return QStringLiteral("Показан флаг или сигнал: наберите его буквы и цифры");
        case DrillMode::Meaning: return QStringLiteral("Показан сигнал: выберите его значение из четырёх");
        case DrillMode::Compose: return QStringLiteral("Показано значение: наберите сигнал на клавиатуре");
    }
    return {};
}

QString flagNames(std::string_view symbols) {
    QStringList names;
    for (char symbol : symbols)
        if (const auto flag = codebook::flagIndexOfSymbol(symbol))
            names << QStringLiteral("%1 (%2)").arg(text(codebook::flagEntry(*flag).phoneticName), QChar::fromLatin1(symbol));
    return names.join(QStringLiteral(", "));
}

QString questionText(const DrillChoice& choice, const DrillQuestion& question) {
    if (question.signal == nullptr) return {};
    const QString meaning = quoted(QString::fromStdString(question.signal->text));
    const QString table = tableOf(question.hoist);
    switch (choice.mode) {
        case DrillMode::RecogniseFlag:
            switch (choice.set) {
                case DrillSet::Flags:
                case DrillSet::SingleLetter: return QStringLiteral("Какой это флаг?");
                case DrillSet::General: return QStringLiteral("Какой сигнал поднят?");
                case DrillSet::Medical: return QStringLiteral("Какой сигнал медицинского раздела поднят?");
                case DrillSet::Tables: return QStringLiteral("Какая цифра таблицы дополнений %1 поднята?").arg(table);
            }
            break;
        case DrillMode::Meaning:
            switch (choice.set) {
                case DrillSet::Flags: return QStringLiteral("Как называется этот флаг?");
                case DrillSet::Tables: return QStringLiteral("Что означает эта цифра таблицы дополнений %1?").arg(table);
                default: return QStringLiteral("Что означает этот сигнал?");
            }
        case DrillMode::Compose:
            switch (choice.set) {
                case DrillSet::Flags: return QStringLiteral("Поднимите флаг %1.").arg(meaning);
                case DrillSet::SingleLetter: return QStringLiteral("Какой однобуквенный сигнал означает %1?").arg(meaning);
                case DrillSet::General: return QStringLiteral("Наберите сигнал: %1").arg(meaning);
                case DrillSet::Medical: return QStringLiteral("Наберите сигнал медицинского раздела: %1").arg(meaning);
                case DrillSet::Tables:
                    return QStringLiteral("Таблица дополнений %1: %2. Какая это цифра?").arg(table, meaning);
            }
            break;
    }
    return {};
}

QString howToAnswer(const DrillChoice& choice) {
    switch (choice.mode) {
        case DrillMode::RecogniseFlag:
            switch (choice.set) {
                case DrillSet::Flags: return QStringLiteral("Наберите или нажмите его букву или цифру.");
                case DrillSet::SingleLetter: return QStringLiteral("Наберите или нажмите его букву.");
                case DrillSet::General:
                    return QStringLiteral("Наберите флаги сверху вниз; Backspace снимает последний, Enter — ответить.");
                case DrillSet::Medical:
                    return QStringLiteral("M уже поднят: наберите вторую и третью буквы; Backspace снимает последнюю.");
                case DrillSet::Tables: return QStringLiteral("Наберите или нажмите цифру.");
            }
            break;
        case DrillMode::Meaning: return QStringLiteral("Выберите ответ: клавиши 1–4 или щелчок.");
        case DrillMode::Compose:
            switch (choice.set) {
                case DrillSet::General:
                    return QStringLiteral("Набирайте флаги сверху вниз; Backspace снимает последний, Enter — ответить.");
                case DrillSet::Medical:
                    return QStringLiteral("M уже поднят: наберите вторую и третью буквы и нажмите Enter.");
                case DrillSet::Tables: return QStringLiteral("Наберите цифру и нажмите Enter.");
                default: return QStringLiteral("Наберите флаг и нажмите Enter; Backspace снимает его.");
            }
    }
    return {};
}

QString signalWithMeaning(DrillSet set, const drill::DrillSignal& signal) {
    const QString code = QString::fromStdString(signal.code);
    const QString meaning = quoted(QString::fromStdString(signal.text));
    switch (set) {
        case DrillSet::Flags: return QStringLiteral("%1 — %2").arg(code, QString::fromStdString(signal.text));
        case DrillSet::Tables: {
            const drill::HoistOfSignal hoist = drill::hoistOf(set, signal.code);
            return QStringLiteral("таблица %1, %2: %3").arg(tableOf(hoist), flagNames(hoist.flags), meaning);
        }
        default: return QStringLiteral("%1 (%2): %3").arg(code, flagNames(signal.code), meaning);
    }
}

QString givenAnswer(DrillSet set, std::string_view code) {
    if (code.empty()) return QStringLiteral("нет ответа");
    if (set == DrillSet::Tables) {
        const drill::HoistOfSignal hoist = drill::hoistOf(set, code);
        return QStringLiteral("цифра %1 таблицы %2").arg(QString::fromStdString(hoist.flags), tableOf(hoist));
    }
    return text(code);
}

QString resultHeadline(const DrillOutcome& outcome) {
    return outcome.correct ? QStringLiteral("Верно!") : QStringLiteral("Неверно.");
}

QString resultDetails(DrillSet set, const DrillOutcome& outcome) {
    if (outcome.asked == nullptr) return {};
    if (outcome.correct) return signalWithMeaning(set, *outcome.asked);
    QString given = givenAnswer(set, outcome.given);
    if (outcome.givenSignal != nullptr && set != DrillSet::Tables)
        given = signalWithMeaning(set, *outcome.givenSignal);
    else if (outcome.givenSignal != nullptr)
        given += QStringLiteral(": ") + quoted(QString::fromStdString(outcome.givenSignal->text));
    return QStringLiteral("Правильный ответ: %1\nВаш ответ: %2").arg(signalWithMeaning(set, *outcome.asked), given);
}

QString scoreLine(const drill::Tally& tally, int questionNumber, int questionCount, bool finished) {
    const QString score = QStringLiteral("Верно: %1 из %2     Подряд: %3").arg(tally.right).arg(tally.asked).arg(tally.streak);
    if (finished) return score;
    return QStringLiteral("Вопрос %1 из %2     ").arg(questionNumber).arg(questionCount) + score;
}

QString mistakeLine(DrillSet set, const drill::DrillSignal* asked, std::string_view given) {
    const QString what = asked ? signalWithMeaning(set, *asked) : QString();
    return QStringLiteral("%1 — ваш ответ: %2").arg(what, givenAnswer(set, given));
}

}  // namespace mss::forms::drill_texts
