// SPDX-License-Identifier: GPL-3.0-or-later
// Reading progress: card states for the schedule, counts and accuracy for
// the drill window. A missing file, or one with nothing in it yet, reads as
// no progress; so does a failing read (a damaged file is set aside first).

#include <QSqlError>

#include <algorithm>

#include "card_state_reader.h"
#include "drill/leitner_boxes.h"
#include "progress_store.h"
#include "sqlite_connection.h"

namespace mss::progress {

namespace {

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace

drill::CardStates ProgressStore::cardStates(drill::DrillSet set, drill::DrillMode mode) {
    drill::CardStates states;
    SqliteConnection* connection = readable();
    if (!connection || readCardStates(*connection, Deck{set, mode}, states)) return states;
    recoverFromReadFailure();
    return {};
}

drill::CardStates ProgressStore::allCardStates() {
    drill::CardStates states;
    SqliteConnection* connection = readable();
    if (!connection) return states;
    states.reserve(2048);
    if (readCardStates(*connection, std::nullopt, states)) return states;
    recoverFromReadFailure();
    return {};
}

namespace {

ProgressCounts countsFrom(QSqlQuery& row, int cardsInSet) {
    const int answered = row.value(0).toInt();
    const int learned = row.value(1).toInt();
    return {std::max(cardsInSet - answered, 0), answered - learned, learned};
}

const QString kCountsOfSet = QStringLiteral(
    "SELECT count(*), count(CASE WHEN box >= %1 THEN 1 END) FROM cards WHERE card_set = ?")
                                 .arg(drill::kFirstLearnedBox);

}  // namespace

ProgressCounts ProgressStore::counts(drill::DrillSet set, drill::DrillMode mode, int cardsInSet) {
    SqliteConnection* connection = readable();
    if (!connection) return {std::max(cardsInSet, 0), 0, 0};
    QSqlQuery row = connection->prepare(kCountsOfSet + QStringLiteral(" AND mode = ?"));
    row.addBindValue(text(drill::storedName(set)));
    row.addBindValue(text(drill::storedName(mode)));
    if (!connection->run(row) || !row.next()) {
        recoverFromReadFailure();
        return {std::max(cardsInSet, 0), 0, 0};
    }
    return countsFrom(row, cardsInSet);
}

ProgressCounts ProgressStore::counts(drill::DrillSet set, int cardsInSet) {
    SqliteConnection* connection = readable();
    if (!connection) return {std::max(cardsInSet, 0), 0, 0};
    QSqlQuery row = connection->prepare(kCountsOfSet);
    row.addBindValue(text(drill::storedName(set)));
    if (!connection->run(row) || !row.next()) {
        recoverFromReadFailure();
        return {std::max(cardsInSet, 0), 0, 0};
    }
    return countsFrom(row, cardsInSet);
}

namespace {

// `filter` narrows both the choice of the last sessions and the answers
// counted in them; its placeholders are bound twice.
const QString kRecentSessionsSql = QStringLiteral(
    "SELECT session, count(*), sum(correct) FROM answers WHERE %1 session IN ("
    " SELECT DISTINCT session FROM answers WHERE %1 1 ORDER BY session DESC LIMIT %2)"
    " GROUP BY session ORDER BY session");

RecentAccuracy accuracyFrom(QSqlQuery& rows) {
    RecentAccuracy accuracy;
    while (rows.next()) {
        const SessionScore score{rows.value(0).toInt(), rows.value(1).toInt(), rows.value(2).toInt()};
        accuracy.sessions.push_back(score);
        accuracy.answers += score.answers;
        accuracy.right += score.right;
    }
    return accuracy;
}

}  // namespace

RecentAccuracy ProgressStore::recentAccuracy(drill::DrillSet set, drill::DrillMode mode) {
    SqliteConnection* connection = readable();
    if (!connection) return {};
    QSqlQuery rows = connection->prepare(
        kRecentSessionsSql.arg(QStringLiteral("card_set = ? AND mode = ? AND"), QString::number(kRecentSessions)));
    for (int twice = 0; twice < 2; ++twice) {
        rows.addBindValue(text(drill::storedName(set)));
        rows.addBindValue(text(drill::storedName(mode)));
    }
    if (!connection->run(rows)) {
        recoverFromReadFailure();
        return {};
    }
    return accuracyFrom(rows);
}

RecentAccuracy ProgressStore::recentAccuracy() {
    SqliteConnection* connection = readable();
    if (!connection) return {};
    QSqlQuery rows = connection->prepare(kRecentSessionsSql.arg(QString(), QString::number(kRecentSessions)));
    if (!connection->run(rows)) {
        recoverFromReadFailure();
        return {};
    }
    return accuracyFrom(rows);
}

int ProgressStore::nextSessionNumber() {
    SqliteConnection* connection = readable();
    if (!connection) return 1;
    const auto highest = connection->value(QStringLiteral("SELECT max(session) FROM answers"));
    if (!highest) {
        recoverFromReadFailure();
        return 1;
    }
    return highest->isNull() ? 1 : highest->toInt() + 1;
}

}  // namespace mss::progress
