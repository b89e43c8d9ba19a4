// SPDX-License-Identifier: GPL-3.0-or-later
// Reading progress: card states for the schedule, the choice drilled last,
// and the figures of the progress page. A missing file, or one with nothing
// in it yet, reads as no progress; a failing read as none either (a damaged
// file is set aside first). Rows holding values no program of ours writes
// are passed over, and every number that reaches the program is in range.

#include <QStringList>

#include <algorithm>

#include "drill/leitner_boxes.h"
#include "progress_schema.h"
#include "progress_store.h"
#include "sql_text.h"
#include "sqlite_connection.h"
#include "store_messages.h"
#include "utc_text.h"

namespace mss::progress {

namespace {

using namespace std::chrono_literals;

// A due time further ahead than this was written by a clock gone wrong.
constexpr auto kFurthestDue = std::chrono::seconds{std::chrono::days{365}};

// The stored names of every set, or of every mode, as an SQL list.
template <class Names>
QString sqlList(const Names& all) {
    QStringList names;
    for (const auto item : all) names << QStringLiteral("'%1'").arg(sqlText(asking::storedName(item)));
    return names.join(u", ");
}

// A whole number within [low, high], or nothing for a value of another type
// (SQLite keeps what it is given, whatever the column's type) or out of range.
std::optional<qlonglong> wholeIn(const QVariant& value, qlonglong low, qlonglong high) {
    if (value.typeId() != QMetaType::LongLong) return std::nullopt;
    const qlonglong number = value.toLongLong();
    if (number < low || number > high) return std::nullopt;
    return number;
}

char firstLetterOf(const QString& text) {
    return text.size() == 1 && text[0] >= QLatin1Char('A') && text[0] <= QLatin1Char('Z') ? text[0].toLatin1() : 0;
}

std::optional<drill::DrillChoice> choiceOf(const QSqlQuery& row, int firstColumn) {
    const auto set = asking::signalSetNamed(row.value(firstColumn).toString().toStdString());
    const auto mode = asking::askModeNamed(row.value(firstColumn + 1).toString().toStdString());
    if (!set || !mode) return std::nullopt;
    return drill::DrillChoice{*set, *mode, firstLetterOf(row.value(firstColumn + 2).toString())};
}

}  // namespace

drill::CardStates ProgressStore::cardStates(asking::SignalSet set, asking::AskMode mode) {
    // The values are checked here rather than in the query: a session loads
    // every card of its set, and the checks cost SQLite more than the program.
    static const QString kStates = QStringLiteral(
        "SELECT CAST(code AS BLOB), box, due_at, last_answered_at FROM cards WHERE card_set = ? AND mode = ?");
    drill::CardStates states;
    if (SqliteConnection* connection = reader()) {
        bool read = false;
        {
            QSqlQuery rows = connection->prepare(kStates);
            read = connection->run(rows, {sqlText(asking::storedName(set)), sqlText(asking::storedName(mode))});
            const std::int64_t latestDue = secondsSinceEpoch(clock_()) + kFurthestDue.count();
            while (read && rows.next()) {
                const auto box = wholeIn(rows.value(1), drill::kFirstBox, drill::kTopBox);
                const auto due = wholeIn(rows.value(2), kEarliestSecond, kEndSecond - 1);
                const auto last = wholeIn(rows.value(3), kEarliestSecond, kEndSecond - 1);
                if (!box || !due || !last) continue;
                std::string code = stdString(rows.value(0).toByteArray());
                if (!knows(set, code)) continue;
                drill::CardState state{static_cast<int>(*box), saneTimeOfSeconds(*due), saneTimeOfSeconds(*last)};
                if (*due > latestDue) state.due = clock_();
                states.insert_or_assign(drill::CardKey{set, mode, std::move(code)}, state);
            }
            read = read && connection->readToEnd(rows);
        }
        readBusy_ = readBusy_ && !read;
        if (!read) {
            states.clear();
            recoverFromReadFailure(*connection);
        }
    }
    for (const WaitingAnswer& item : waiting_)
        if (item.answer.card.set == set && item.answer.card.mode == mode)
            states.insert_or_assign(item.answer.card, item.answer.stateAfter);
    return states;
}

std::optional<drill::DrillChoice> ProgressStore::lastChoice() {
    if (!waiting_.empty()) return waiting_.back().choice;
    SqliteConnection* connection = reader();
    if (!connection) return std::nullopt;
    std::optional<std::optional<drill::DrillChoice>> last;
    {
        QSqlQuery row = connection->prepare(QStringLiteral(
            "SELECT s.card_set, s.mode, s.first_letter FROM answers AS a JOIN sessions AS s ON s.id = a.session"
            " ORDER BY a.id DESC LIMIT 1"));
        if (connection->run(row)) last.emplace(row.next() ? choiceOf(row, 0) : std::nullopt);
        if (last && !connection->readToEnd(row)) last.reset();
    }
    if (last) return *last;
    recoverFromReadFailure(*connection);
    return std::nullopt;
}

std::vector<std::string> ProgressStore::notices() {
    std::vector<std::string> lines;
    if (setAside_) lines.push_back(setAside_->message);
    if (!saving()) lines.push_back(notSavingMessage_);
    if (answersWaiting() || examWritesWait_) lines.push_back(messages::waitingForFile());
    if (readBusy_) lines.push_back(messages::fileBusyWhileReading());
    if (resetRefused_) lines.push_back(messages::resetRefused());
    return lines;
}

ProgressCounts ProgressStore::counts(asking::SignalSet set, asking::AskMode mode, int cardsInSet) {
    const drill::CardStates states = cardStates(set, mode);
    const auto learned =
        std::count_if(states.begin(), states.end(), [](const auto& card) { return drill::isLearned(card.second.box); });
    const int answered = static_cast<int>(states.size());
    return {std::max(cardsInSet - answered, 0), answered - static_cast<int>(learned), static_cast<int>(learned)};
}

namespace {

// `filter` narrows both the choice of the last sessions and the answers
// counted in them; its placeholders are bound twice.
QString recentSessionsSql(const QString& filter) {
    return QStringLiteral(
               "SELECT session, count(*), sum(correct) FROM answers WHERE %1 session IN ("
               " SELECT DISTINCT session FROM answers WHERE %1 session BETWEEN 1 AND %2 ORDER BY session DESC LIMIT %3)"
               " GROUP BY session ORDER BY session")
        .arg(filter)
        .arg(kLastSession)
        .arg(kRecentSessions);
}

std::optional<RecentAccuracy> accuracyFrom(SqliteConnection& connection, QSqlQuery& rows) {
    RecentAccuracy accuracy;
    while (rows.next()) {
        const SessionScore score{rows.value(0).toInt(), rows.value(1).toInt(), rows.value(2).toInt()};
        accuracy.sessions.push_back(score);
        accuracy.answers += score.answers;
        accuracy.right += score.right;
    }
    if (!connection.readToEnd(rows)) return std::nullopt;
    return accuracy;
}

}  // namespace

RecentAccuracy ProgressStore::recentAccuracy(asking::SignalSet set, asking::AskMode mode) {
    SqliteConnection* connection = reader();
    if (!connection) return {};
    std::optional<RecentAccuracy> accuracy;
    {
        QSqlQuery rows = connection->prepare(recentSessionsSql(QStringLiteral("card_set = ? AND mode = ? AND")));
        const QString setName = sqlText(asking::storedName(set)), modeName = sqlText(asking::storedName(mode));
        if (connection->run(rows, {setName, modeName, setName, modeName})) accuracy = accuracyFrom(*connection, rows);
    }
    if (accuracy) return *accuracy;
    recoverFromReadFailure(*connection);
    return {};
}

RecentAccuracy ProgressStore::recentAccuracy() {
    SqliteConnection* connection = reader();
    if (!connection) return {};
    std::optional<RecentAccuracy> accuracy;
    {
        QSqlQuery rows = connection->prepare(recentSessionsSql(QString()));
        if (connection->run(rows)) accuracy = accuracyFrom(*connection, rows);
    }
    if (accuracy) return *accuracy;
    recoverFromReadFailure(*connection);
    return {};
}

std::vector<SessionSummary> ProgressStore::recentSessions(int atMost, int fewestAnswers) {
    static const QString kSessions =
        QStringLiteral(
            "SELECT s.id, s.started_at, s.card_set, s.mode, s.first_letter, count(*), sum(a.correct)"
            " FROM sessions AS s JOIN answers AS a ON a.session = s.id"
            " WHERE s.id BETWEEN 1 AND %1 AND s.card_set IN (%2) AND s.mode IN (%3)"
            " AND s.started_at BETWEEN '%4' AND '%5'"
            " GROUP BY s.id HAVING count(*) >= ? ORDER BY s.id DESC LIMIT ?")
            .arg(kLastSession)
            .arg(sqlList(asking::kAllSets), sqlList(asking::kAllModes),
                 sqlText(utcText(saneTimeOfSeconds(kEarliestSecond))), sqlText(utcText(saneTimeOfSeconds(kEndSecond))));
    SqliteConnection* connection = reader();
    if (!connection || atMost <= 0) return {};
    std::optional<std::vector<SessionSummary>> sessions;
    {
        QSqlQuery rows = connection->prepare(kSessions);
        if (connection->run(rows, {std::max(fewestAnswers, 1), atMost})) {
            sessions.emplace();
            while (rows.next()) {
                const auto startedAt = timeOfUtcText(rows.value(1).toString().toStdString());
                const auto choice = choiceOf(rows, 2);
                if (startedAt && choice)
                    sessions->push_back(
                        {rows.value(0).toInt(), *startedAt, *choice, rows.value(5).toInt(), rows.value(6).toInt()});
            }
            if (!connection->readToEnd(rows)) sessions.reset();
        }
    }
    if (sessions) {
        std::reverse(sessions->begin(), sessions->end());
        return *sessions;
    }
    recoverFromReadFailure(*connection);
    return {};
}

std::vector<HardSignal> ProgressStore::hardestSignals(asking::SignalSet set, asking::AskMode mode, int atMost) {
    static const QString kHardest =
        QStringLiteral(
            "SELECT CAST(code AS BLOB), count(*), sum(1 - correct), max(CASE WHEN correct = 0 THEN id END) FROM"
            " (SELECT code, correct, id, row_number() OVER (PARTITION BY code ORDER BY id DESC) AS place"
            "  FROM answers WHERE card_set = ? AND mode = ?)"
            " WHERE place <= %1 GROUP BY code HAVING sum(1 - correct) > 0 ORDER BY 3 DESC, 4 DESC")
            .arg(kHardWindow);
    SqliteConnection* connection = reader();
    if (!connection || atMost <= 0) return {};
    std::optional<std::vector<HardSignal>> hardest;
    {
        QSqlQuery rows = connection->prepare(kHardest);
        if (connection->run(rows, {sqlText(asking::storedName(set)), sqlText(asking::storedName(mode))})) {
            hardest.emplace();
            while (static_cast<int>(hardest->size()) < atMost && rows.next()) {
                std::string code = stdString(rows.value(0).toByteArray());
                if (knows(set, code))
                    hardest->push_back({std::move(code), rows.value(2).toInt(), rows.value(1).toInt()});
            }
            if (!connection->readToEnd(rows)) hardest.reset();
        }
    }
    if (hardest) return *hardest;
    recoverFromReadFailure(*connection);
    return {};
}

}  // namespace mss::progress
