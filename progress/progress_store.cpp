// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, creating, setting aside and writing the progress file. The
// reading calls are in progress_reading.cpp.

#include "progress_store.h"

#include <QUrl>

#include <system_error>

#include "progress_schema.h"
#include "set_aside.h"
#include "sqlite_connection.h"
#include "store_messages.h"
#include "utc_text.h"

namespace mss::progress {

namespace {

namespace fs = std::filesystem;
using Access = SqliteConnection::Access;

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

bool writeAnswer(SqliteConnection& connection, const drill::Answer& answer, int session) {
    if (!connection.run(QStringLiteral("BEGIN IMMEDIATE"))) return false;

    QSqlQuery& insert = connection.insertAnswer();
    insert.bindValue(0, text(utcText(answer.at)));
    insert.bindValue(1, text(drill::storedName(answer.card.set)));
    insert.bindValue(2, text(drill::storedName(answer.card.mode)));
    insert.bindValue(3, text(answer.card.code));
    insert.bindValue(4, text(answer.given));
    insert.bindValue(5, answer.correct ? 1 : 0);
    insert.bindValue(6, session);

    QSqlQuery& save = connection.saveCardState();
    save.bindValue(0, text(drill::storedName(answer.card.set)));
    save.bindValue(1, text(drill::storedName(answer.card.mode)));
    save.bindValue(2, text(answer.card.code));
    save.bindValue(3, answer.stateAfter.box);
    save.bindValue(4, static_cast<qlonglong>(secondsSinceEpoch(answer.stateAfter.due)));
    save.bindValue(5, static_cast<qlonglong>(secondsSinceEpoch(answer.stateAfter.lastAnswered)));

    if (connection.run(insert) && connection.run(save) && connection.run(QStringLiteral("COMMIT"))) return true;
    connection.rollback();
    return false;
}

// Copies the progress of a file into a fresh memory database, opening the
// file strictly read-only. Whatever fails, the memory database stays usable.
void copyProgress(SqliteConnection& memory, const fs::path& file) {
    QUrl source = QUrl::fromLocalFile(QString::fromStdString(file.string()));
    source.setQuery(QStringLiteral("mode=ro"));
    QSqlQuery attach = memory.prepare(QStringLiteral("ATTACH DATABASE ? AS kept"));
    attach.addBindValue(source.toString(QUrl::FullyEncoded));
    if (!memory.run(attach)) return;
    attach.finish();
    const bool copied =
        memory.run(QStringLiteral("BEGIN")) &&
        memory.run(QStringLiteral("INSERT INTO main.answers (id, answered_at, card_set, mode, code, given, correct, "
                                  "session) SELECT id, answered_at, card_set, mode, code, given, correct, session "
                                  "FROM kept.answers")) &&
        memory.run(QStringLiteral("INSERT INTO main.cards (card_set, mode, code, box, due_at, last_answered_at) "
                                  "SELECT card_set, mode, code, box, due_at, last_answered_at FROM kept.cards")) &&
        memory.run(QStringLiteral("COMMIT"));
    if (!copied) memory.rollback();
    memory.run(QStringLiteral("DETACH DATABASE kept"));
}

}  // namespace

ProgressStore::ProgressStore(fs::path file, drill::Clock clock) : file_(std::move(file)), clock_(std::move(clock)) {
    openExistingFile();
}

ProgressStore::~ProgressStore() = default;

drill::Clock ProgressStore::systemClock() {
    return [] { return std::chrono::system_clock::now(); };
}

void ProgressStore::openExistingFile() {
    std::error_code error;
    const fs::file_status status = fs::status(file_, error);
    if (!fs::exists(status)) return;  // no progress yet: the file comes with the first answer
    if (!fs::is_regular_file(status)) return stopSaving(messages::notAFile(file_), false);
    if (lacksSqliteHeader(file_)) return setAside(SetAsideReason::Damaged);
    if (!SqliteConnection::driverAvailable()) return stopSaving(messages::noSqliteDriver(), false);

    // A read-only look first: a file that turns out not to be usable is
    // renamed exactly as it was found.
    FileVerdict verdict{FileVerdict::Kind::Unreadable, 0, {}};
    if (auto reader = SqliteConnection::open(file_, Access::ReadOnly, verdict.failure)) verdict = inspect(*reader);
    switch (verdict.kind) {
        case FileVerdict::Kind::Ours: break;
        case FileVerdict::Kind::Blank: return;  // tables come with the first answer
        case FileVerdict::Kind::Damaged: return setAside(SetAsideReason::Damaged);
        case FileVerdict::Kind::NotOurs: return setAside(SetAsideReason::NotOurs);
        case FileVerdict::Kind::NewerVersion: return setAside(SetAsideReason::NewerVersion, verdict.version);
        case FileVerdict::Kind::Unreadable: return stopSaving(messages::cannotRead(file_, verdict.failure), false);
    }

    SqliteFailure failure;
    auto writer = SqliteConnection::open(file_, Access::ReadWrite, failure);
    if (writer && configureFileConnection(*writer)) {
        connection_ = std::move(writer);
        return;
    }
    if (writer) failure = writer->lastFailure();
    // What the file holds stays in view: it is copied while this connection
    // is still open.
    connection_ = std::move(writer);
    stopSaving(messages::cannotWrite(file_, failure), true);
}

void ProgressStore::createFile() {
    std::error_code error;
    const fs::path folder = file_.parent_path();
    if (!folder.empty()) {
        fs::create_directories(folder, error);
        if (error || !fs::is_directory(folder, error)) return stopSaving(messages::cannotCreateFolder(folder), false);
    }
    const fs::file_status status = fs::status(file_, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) return stopSaving(messages::notAFile(file_), false);

    SqliteFailure failure;
    auto writer = SqliteConnection::open(file_, Access::ReadWrite, failure);
    if (writer) {
        // The file may be there already, blank, if the program was stopped
        // while creating it.
        const auto objects = writer->value(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        const bool ready = objects && configureFileConnection(*writer) && (objects->toInt() > 0 || createSchema(*writer));
        if (ready) {
            connection_ = std::move(writer);
            return;
        }
        failure = writer->lastFailure();
        if (failure.damaged()) {
            writer.reset();
            return setAside(SetAsideReason::Damaged);
        }
    }
    writer.reset();
    stopSaving(messages::cannotWrite(file_, failure), false);
}

SqliteConnection* ProgressStore::writable() {
    if (!connection_ && saving()) createFile();
    return connection_.get();
}

bool ProgressStore::recoverFromWriteFailure() {
    const SqliteFailure failure = connection_->lastFailure();
    if (failure.damaged())
        setAside(SetAsideReason::Damaged);
    else
        stopSaving(messages::cannotWrite(file_, failure), true);
    return saving() || connection_ != nullptr;
}

void ProgressStore::recoverFromReadFailure() {
    if (connection_ && !connection_->inMemory() && connection_->lastFailure().damaged())
        setAside(SetAsideReason::Damaged);
}

void ProgressStore::setAside(SetAsideReason reason, int newerVersion) {
    connection_.reset();
    const SetAsideResult result = setFileAside(file_, messages::fileNameWord(reason), compactUtcStamp(clock_()));
    if (!result.keptAs) return stopSaving(messages::cannotSetAside(reason, file_, newerVersion), false);
    setAside_ = SetAsideFile{reason, *result.keptAs, messages::setAside(reason, file_, *result.keptAs, newerVersion)};
}

void ProgressStore::stopSaving(const std::string& reason, bool keepFileContents) {
    notSavingMessage_ = messages::notSaving(reason);
    SqliteFailure failure;
    auto memory = SqliteConnection::open({}, Access::Memory, failure);
    if (memory && createSchema(*memory)) {
        // The copy is read while the file's own connection, if any, is still
        // open: its journal index stays as it is, with nothing to rebuild on
        // a disk that takes no more writes.
        if (keepFileContents) copyProgress(*memory, file_);
        connection_ = std::move(memory);
    } else {
        connection_.reset();  // every call is a no-op from now on
    }
}

bool ProgressStore::recordAnswer(const drill::Answer& answer, int session) {
    // At most: the file fails, a fresh file or memory takes over, and that fails too.
    for (int attempt = 0; attempt < 3; ++attempt) {
        SqliteConnection* connection = writable();
        if (!connection) return false;
        if (writeAnswer(*connection, answer, session)) return !connection->inMemory();
        if (connection->inMemory() || !recoverFromWriteFailure()) return false;
    }
    return false;
}

bool ProgressStore::resetAll() {
    for (int attempt = 0; attempt < 3; ++attempt) {
        SqliteConnection* connection = readable();
        if (!connection) return saving();  // nothing recorded, nothing to delete
        if (connection->run(QStringLiteral("BEGIN IMMEDIATE")) && connection->run(QStringLiteral("DELETE FROM answers")) &&
            connection->run(QStringLiteral("DELETE FROM cards")) && connection->run(QStringLiteral("COMMIT")))
            return !connection->inMemory();
        connection->rollback();
        if (connection->inMemory() || !recoverFromWriteFailure()) return false;
    }
    return false;
}

}  // namespace mss::progress
