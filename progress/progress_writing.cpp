// SPDX-License-Identifier: GPL-3.0-or-later
// Writing progress: the one way every write goes (a transaction, retried
// after recovering from a failure), an answer with its card's state (and its
// session's number when it is the session's first), answers waiting for the
// file, and the reset.

#include <QSqlQuery>

#include "progress_schema.h"
#include "progress_store.h"
#include "sql_text.h"
#include "sqlite_connection.h"
#include "transaction.h"
#include "utc_text.h"

namespace mss::progress {

namespace {

using asking::Keeping;

// Within the transaction of a session's first answer: the number above
// every number in the file (sessions of a version-1 file kept theirs), or,
// should that pass the last sound number, the lowest one free.
std::optional<int> newSessionNumber(SqliteConnection& connection) {
    const auto next = connection.value(
        QStringLiteral("SELECT max(coalesce((SELECT max(id) FROM sessions WHERE id BETWEEN 1 AND %1), 0),"
                       " coalesce((SELECT max(session) FROM answers WHERE session BETWEEN 1 AND %1), 0)) + 1")
            .arg(kLastSession));
    if (!next) return std::nullopt;
    if (next->toLongLong() <= kLastSession) return next->toInt();
    const auto lowest = connection.value(
        QStringLiteral(
            "SELECT min(n) FROM (SELECT 1 AS n UNION ALL SELECT id + 1 FROM sessions"
            " WHERE id BETWEEN 1 AND %1 UNION ALL SELECT session + 1 FROM answers WHERE session BETWEEN 1 AND %1)"
            " AS c WHERE NOT EXISTS (SELECT 1 FROM sessions WHERE id = c.n)"
            " AND NOT EXISTS (SELECT 1 FROM answers WHERE session = c.n)")
            .arg(kLastSession - 1));
    if (!lowest || lowest->isNull() || lowest->toLongLong() > kLastSession) {
        connection.noteFailure(sqlite_code::kError, QStringLiteral("every session number is taken"));
        return std::nullopt;
    }
    return lowest->toInt();
}

QString firstLetterText(char letter) {
    return letter >= 'A' && letter <= 'Z' ? QString(QChar(QLatin1Char(letter))) : QStringLiteral("");
}

qlonglong storedSeconds(asking::TimePoint time) { return static_cast<qlonglong>(secondsSinceEpoch(saneTime(time))); }

// One answer, within a transaction; false when a statement failed (the
// connection has noted why). A session without a number gets one.
bool writeAnswer(SqliteConnection& connection, const drill::Answer& answer, const drill::DrillChoice& choice,
                 std::optional<int>& session) {
    static const QString kSession = insertStatement(kSessionsTable, "OR IGNORE");
    static const QString kAnswer = insertStatement(kAnswersTable);
    static const QString kCard = insertStatement(kCardsTable, "OR REPLACE");

    if (!session) session = newSessionNumber(connection);
    const QString at = sqlText(utcText(saneTime(answer.at)));
    const QString set = sqlText(asking::storedName(answer.card.set));
    const QString mode = sqlText(asking::storedName(answer.card.mode));
    const QString code = sqlText(answer.card.code);
    bool written = session.has_value();
    if (written) {
        // Also for a session numbered before, should the file have been
        // replaced meanwhile.
        QSqlQuery& insert = connection.prepared(kSession);
        insert.bindValue(0, *session);
        insert.bindValue(1, sqlText(asking::storedName(choice.set)));
        insert.bindValue(2, sqlText(asking::storedName(choice.mode)));
        insert.bindValue(3, firstLetterText(choice.firstLetter));
        insert.bindValue(4, at);
        written = connection.run(insert);
    }
    if (written) {
        QSqlQuery& insert = connection.prepared(kAnswer);
        insert.bindValue(0, at);
        insert.bindValue(1, set);
        insert.bindValue(2, mode);
        insert.bindValue(3, code);
        insert.bindValue(4, sqlText(answer.given));
        insert.bindValue(5, answer.correct ? 1 : 0);
        insert.bindValue(6, *session);
        written = connection.run(insert);
    }
    if (written) {
        QSqlQuery& save = connection.prepared(kCard);
        save.bindValue(0, set);
        save.bindValue(1, mode);
        save.bindValue(2, code);
        save.bindValue(3, answer.stateAfter.box);
        save.bindValue(4, storedSeconds(answer.stateAfter.due));
        save.bindValue(5, storedSeconds(answer.stateAfter.lastAnswered));
        written = connection.run(save);
    }
    return written;
}

}  // namespace

Keeping ProgressStore::writeNow(const std::function<bool(SqliteConnection&)>& statements) {
    // At most: the file is set aside, a fresh file fails, and memory takes over.
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (upgradeWaits() && !finishUpgrade()) return Keeping::Pending;
        if (!connection_) {
            if (!saving()) return Keeping::InMemory;  // not even memory is to be had
            if (createFile() == Creation::Busy) return Keeping::Pending;
            continue;
        }
        SqliteConnection& connection = *connection_;
        if (Transaction transaction(connection); transaction.begun() && statements(connection) && transaction.commit())
            return connection.inMemory() ? Keeping::InMemory : Keeping::Saved;
        if (connection.inMemory()) return Keeping::InMemory;
        if (connection.lastFailure().busy()) return Keeping::Pending;
        if (!recoverFromWriteFailure()) return Keeping::InMemory;
    }
    return Keeping::InMemory;
}

ProgressStore::Written ProgressStore::write(const WaitingAnswer& item) {
    std::optional<int> session;
    bool written = false;
    const Keeping keeping = writeNow([&](SqliteConnection& connection) {
        session = item.session;  // afresh at each try: a number given in a rolled-back try is void
        return written = writeAnswer(connection, item.answer, item.choice, session);
    });
    if (keeping == Keeping::Pending || !written) return {keeping, std::nullopt};
    return {keeping, session};
}

Keeping ProgressStore::recordAnswer(const drill::Answer& answer, drill::SessionRecord& session) {
    if (!session.number && session.waitingMark != 0) {
        if (const auto known = sessionOfMark_.find(session.waitingMark); known != sessionOfMark_.end())
            session.number = known->second;
    }
    WaitingAnswer item{answer, session.choice, session.number, session.waitingMark};
    // Answers waiting go first, so that the file keeps the order given.
    if (writeWaiting() != Keeping::Pending) {
        const Written written = write(item);
        if (written.keeping != Keeping::Pending) {
            if (written.session) session.number = written.session;
            if (written.keeping == Keeping::Saved) resetRefused_ = false;
            return written.keeping;
        }
    }
    if (!session.number && session.waitingMark == 0) session.waitingMark = ++lastMark_;
    item.mark = session.waitingMark;
    waiting_.push_back(std::move(item));
    return Keeping::Pending;
}

Keeping ProgressStore::writeWaiting() {
    if (upgradeWaits() && !finishUpgrade()) return Keeping::Pending;
    while (!waiting_.empty()) {
        WaitingAnswer& item = waiting_.front();
        if (!item.session && item.mark != 0) {
            if (const auto known = sessionOfMark_.find(item.mark); known != sessionOfMark_.end())
                item.session = known->second;
        }
        const Written written = write(item);
        if (written.keeping == Keeping::Pending) return Keeping::Pending;
        if (item.mark != 0 && written.session) sessionOfMark_.emplace(item.mark, *written.session);
        waiting_.pop_front();
    }
    return saving() ? Keeping::Saved : Keeping::InMemory;
}

bool ProgressStore::resetAll() {
    if (!connection_ && !upgradeWaits()) {
        // Nothing recorded, nothing to delete.
        waiting_.clear();
        resetRefused_ = false;
        return saving();
    }
    const Keeping keeping = writeNow([](SqliteConnection& connection) {
        return connection.run(QStringLiteral("DELETE FROM answers")) &&
               connection.run(QStringLiteral("DELETE FROM sessions")) &&
               connection.run(QStringLiteral("DELETE FROM cards"));
    });
    resetRefused_ = keeping == Keeping::Pending;
    if (resetRefused_) return false;
    waiting_.clear();
    return keeping == Keeping::Saved;
}

}  // namespace mss::progress
