// SPDX-License-Identifier: GPL-3.0-or-later
// The exam's tickets in the progress file: each written as it happens, apart
// from the drill's answers, and read back as the history of tickets.

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>

#include "codebook/signal_flags.h"
#include "progress_schema.h"
#include "progress_store.h"
#include "sql_text.h"
#include "sqlite_connection.h"
#include "utc_text.h"

namespace mss::progress {

namespace {

QString timeText(asking::TimePoint at) { return sqlText(utcText(saneTime(at))); }

// The flags of an answer as the file keeps them: their numbers, "7 36".
QString flagsText(const std::vector<int>& flags) {
    QStringList numbers;
    for (int flag : flags) numbers << QString::number(flag);
    return numbers.join(QLatin1Char(' '));
}

std::optional<std::vector<int>> flagsOfText(const QString& text) {
    std::vector<int> flags;
    for (const QString& number : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int flag = number.toInt(&ok);
        if (!ok || flag < 0 || flag >= codebook::kSignalFlagCount) return std::nullopt;
        flags.push_back(flag);
    }
    return flags;
}

bool writeTimeUsed(SqliteConnection& connection, long long ticket, std::chrono::seconds used) {
    return connection.run(QStringLiteral("UPDATE tickets SET seconds_used = ? WHERE id = ?"),
                          {qlonglong(used.count()), ticket});
}

}  // namespace

asking::Keeping ProgressStore::writeExamRecord(const std::function<bool(SqliteConnection&)>& statements) {
    const asking::Keeping keeping = writeNow(statements);
    examWritesWait_ = keeping == asking::Keeping::Pending;
    return keeping;
}

exam::TicketKept ProgressStore::startTicket(const exam::TicketStart& start) {
    std::optional<long long> id;
    const asking::Keeping keeping = writeExamRecord([&](SqliteConnection& connection) {
        id.reset();
        if (!connection.run(insertStatement(kTicketsTable),
                            {start.number, sqlText(exam::storedName(start.scope)), start.length,
                             timeText(start.startedAt), start.limit ? qlonglong(start.limit->count()) : 0, QVariant(),
                             QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), start.draw, 0}))
            return false;
        if (const auto row = connection.value(QStringLiteral("SELECT last_insert_rowid()"))) id = row->toLongLong();
        return id.has_value();
    });
    return {keeping, keeping == asking::Keeping::Pending ? std::nullopt : id};
}

asking::Keeping ProgressStore::saveAnswer(long long ticket, const exam::QuestionRecord& record,
                                          std::chrono::seconds used) {
    return writeExamRecord([&](SqliteConnection& connection) {
        return connection.run(insertStatement(kTicketAnswersTable, "OR REPLACE"),
                              {ticket, record.place, sqlText(exam::storedName(record.kind)), sqlText(record.asked),
                               sqlText(record.given), record.correct ? 1 : 0, flagsText(record.flags)}) &&
               writeTimeUsed(connection, ticket, used);
    });
}

asking::Keeping ProgressStore::saveTimeUsed(long long ticket, std::chrono::seconds used) {
    return writeExamRecord([&](SqliteConnection& connection) { return writeTimeUsed(connection, ticket, used); });
}

std::vector<exam::QuestionRecord> ProgressStore::answersOf(long long ticket) {
    SqliteConnection* connection = reader();
    if (!connection) return {};
    std::optional<std::vector<exam::QuestionRecord>> answers;
    {
        QSqlQuery query = connection->prepare(QStringLiteral(
            "SELECT place, task, asked, given, correct, flags FROM ticket_answers WHERE ticket = ? ORDER BY place"));
        if (connection->run(query, {ticket})) {
            answers.emplace();
            while (query.next()) {
                const auto kind = exam::taskNamed(query.value(1).toString().toStdString());
                const auto flags = flagsOfText(query.value(5).toString());
                // Rows no program of ours wrote are passed over.
                if (!kind || !flags) continue;
                answers->push_back({query.value(0).toInt(), *kind, query.value(2).toString().toStdString(),
                                    query.value(3).toString().toStdString(), query.value(4).toInt() == 1, *flags});
            }
            if (!connection->readToEnd(query)) answers.reset();
        }
    }
    if (answers) return *answers;
    // Half a ticket's answers would be taken up as the whole of them.
    recoverFromReadFailure(*connection);
    return {};
}

asking::Keeping ProgressStore::finishTicket(long long ticket, const exam::TicketEnd& end) {
    return writeExamRecord([&](SqliteConnection& connection) {
        return connection.run(QStringLiteral("UPDATE tickets SET ended_at = ?, right_answers = ?, mistakes = ?, "
                                             "gross_errors = ?, passed = ?, timed_out = ? WHERE id = ?"),
                              {timeText(end.endedAt), end.right, end.mistakes, end.grossErrors, end.passed ? 1 : 0,
                               end.timedOut ? 1 : 0, ticket});
    });
}

std::vector<exam::PastTicket> ProgressStore::pastTickets() {
    SqliteConnection* connection = reader();
    if (!connection) return {};
    std::optional<std::vector<exam::PastTicket>> past;
    {
        QSqlQuery query = connection->prepare(QStringLiteral(
            "SELECT number, scope, length, started_at, limit_minutes, ended_at, right_answers, mistakes,"
            " gross_errors, passed, timed_out,"
            " (SELECT count(*) FROM ticket_answers WHERE ticket = tickets.id AND given <> ''), draw, id, seconds_used"
            " FROM tickets ORDER BY id DESC LIMIT 200"));
        if (connection->run(query)) {
            past.emplace();
            while (query.next()) {
                const auto scope = exam::scopeNamed(query.value(1).toString().toStdString());
                const auto started = timeOfUtcText(query.value(3).toString().toStdString());
                const int number = query.value(0).toInt(), length = query.value(2).toInt(),
                          draw = query.value(12).toInt();
                // Rows no program of ours wrote are passed over.
                if (!scope || !started || number < exam::kFirstTicket || number > exam::kLastTicket || length < 1 ||
                    length > exam::kTicketQuestions || !exam::isDraw(draw))
                    continue;
                exam::PastTicket t{number,
                                   *scope,
                                   length,
                                   *started,
                                   std::nullopt,
                                   std::nullopt,
                                   query.value(11).toInt(),
                                   draw,
                                   query.value(13).toLongLong(),
                                   std::chrono::seconds(std::max(0LL, query.value(14).toLongLong()))};
                if (const int minutes = query.value(4).toInt(); minutes > 0 && minutes <= 24 * 60)
                    t.limit = std::chrono::minutes(minutes);
                if (const auto ended = timeOfUtcText(query.value(5).toString().toStdString()))
                    t.end = exam::TicketEnd{*ended,
                                            query.value(6).toInt(),
                                            query.value(7).toInt(),
                                            query.value(8).toInt(),
                                            query.value(9).toInt() == 1,
                                            query.value(10).toInt() == 1};
                past->push_back(t);
            }
            if (!connection->readToEnd(query)) past.reset();
        }
    }
    if (past) return *past;
    recoverFromReadFailure(*connection);
    return {};
}

}  // namespace mss::progress
