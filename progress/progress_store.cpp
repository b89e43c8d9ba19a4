// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, creating, bringing up to date and setting aside the progress file,
// and going on in memory. Writing is in progress_writing.cpp, reading in
// progress_reading.cpp.

#include "progress_store.h"

#include <unistd.h>
#include <system_error>

#include "progress_schema.h"
#include "runtime/file_size_limit.h"
#include "set_aside.h"
#include "sqlite_connection.h"
#include "store_messages.h"
#include "transaction.h"
#include "utc_text.h"

namespace mss::progress {

namespace {

namespace fs = std::filesystem;
using Access = SqliteConnection::Access;

bool hasContent(const fs::path& file) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    return !error && size > 0;
}

// Whether the file may be written where it is, and if not, the errno why.
// SQLite writes its journal beside the file, so the folder counts too.
struct WriteAccess {
    bool allowed = true;
    int cause = 0;
};

WriteAccess writeAccessOf(const fs::path& file) {
    for (const fs::path& place : {file, file.parent_path()})
        if (::access(place.c_str(), W_OK) != 0 && errno != ENOENT) return {false, errno};
    return {};
}

// A read the first look could not make without writing: rolling back a
// journal left by a write cut short, or setting up the shared memory of a
// WAL file.
bool needsWriteToRead(const SqliteFailure& failure) {
    return failure.code == sqlite_code::kReadOnly || failure.code == sqlite_code::kCantOpen;
}

struct Look {
    std::unique_ptr<SqliteConnection> connection;
    Access access = Access::ReadOnly;
    FileVerdict verdict{FileVerdict::Kind::Unreadable, 0, {}};
};

Look lookWith(const fs::path& file, Access access) {
    Look look;
    look.access = access;
    SqliteFailure failure;
    look.connection = SqliteConnection::open(file, access, failure);
    look.verdict = look.connection ? inspect(*look.connection) : FileVerdict{FileVerdict::Kind::Unreadable, 0, failure};
    return look;
}

// A first look that changes nothing, unless the file can only be read
// after a write cut short is rolled back, and may be.
Look lookAt(const fs::path& file, const WriteAccess& place) {
    Look look = lookWith(file, Access::ReadOnly);
    if (look.verdict.kind != FileVerdict::Kind::Unreadable || !needsWriteToRead(look.verdict.failure)) return look;
    look.connection.reset();
    if (place.allowed) return lookWith(file, Access::ReadWrite);
    // Where nothing may be written nobody changes the file either, so it
    // is read as it lies; not with a journal beside it, whose changes that
    // read would miss.
    if (!hasContent(withSuffix(file, "-journal")) && !hasContent(withSuffix(file, "-wal")))
        return lookWith(file, Access::Unchanging);
    return look;
}

// Copies every table the file and `memory` both have, the file opened
// strictly read-only. Whatever fails, `memory` stays as it was.
void copyTables(SqliteConnection& memory, const fs::path& file, bool unchanging) {
    QSqlQuery attach = memory.prepare(QStringLiteral("ATTACH DATABASE ? AS kept"));
    attach.addBindValue(
        SqliteConnection::uriOf(file, unchanging ? QStringLiteral("mode=ro&immutable=1") : QStringLiteral("mode=ro")));
    if (!memory.run(attach)) return;
    attach.finish();
    QSqlQuery tables = memory.prepare(QStringLiteral(
        "SELECT name FROM main.sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
        "AND name IN (SELECT name FROM kept.sqlite_master WHERE type = 'table')"));
    QStringList names;
    if (memory.run(tables))
        while (tables.next()) names << tables.value(0).toString();
    tables.finish();
    {
        // Deferred: the kept file is only read.
        Transaction copying(memory, Transaction::Kind::Read);
        bool copied = copying.begun();
        for (const QString& name : names)
            copied =
                copied && memory.run(QStringLiteral("INSERT INTO main.\"%1\" SELECT * FROM kept.\"%1\"").arg(name));
        if (copied) copying.commit();
    }
    memory.run(QStringLiteral("DETACH DATABASE kept"));
}

// A database in memory in this version's layout, holding what the file
// holds when `fileVersion` is above 0 (the file's layout, brought up to
// date in memory). Empty only when no database can be made in memory.
std::unique_ptr<SqliteConnection> memoryCopy(const fs::path& file, int fileVersion, bool unchanging) {
    SqliteFailure failure;
    auto memory = SqliteConnection::open({}, Access::Memory, failure);
    if (!memory) return nullptr;
    int version = 0;
    if (fileVersion > 0 && migrate(*memory, 0, fileVersion) == Migration::Done) {
        version = fileVersion;
        copyTables(*memory, file, unchanging);
    }
    if (version < kSchemaVersion && migrate(*memory, version) != Migration::Done) {
        // What was copied cannot be brought up to date: nothing is copied.
        memory = SqliteConnection::open({}, Access::Memory, failure);
        if (!memory || !createSchema(*memory)) return nullptr;
    }
    return memory;
}

// Whether a failed write met the limit the system puts on the size of a
// file (ulimit -f) rather than a full disk. The program ignores SIGXFSZ
// (runtime/file_size_limit.h), so such a write fails with EFBIG, which
// SQLite reports as an error of the disk.
bool atFileSizeLimit(const fs::path& file) {
    const std::optional<std::uintmax_t> limit = runtime::fileSizeLimit();
    if (!limit) return false;
    constexpr std::uintmax_t kLargestWrite = 1 << 20;  // what one answer's transaction may add, and more
    for (const fs::path& written : {file, withSuffix(file, "-wal"), withSuffix(file, "-journal")}) {
        std::error_code error;
        const std::uintmax_t size = fs::file_size(written, error);
        if (!error && size + kLargestWrite >= *limit) return true;
    }
    return false;
}

}  // namespace

ProgressStore::ProgressStore(fs::path file, asking::Clock clock, CodesOfSet codesOfSet)
    : clock_(std::move(clock)), codesOfSet_(std::move(codesOfSet)) {
    std::error_code error;
    file_ = fs::absolute(file, error);
    if (error) file_ = std::move(file);
    openExistingFile();
}

ProgressStore::~ProgressStore() {
    // A last try for answers still waiting; what cannot be written now is lost
    // with the run, as the notice said.
    if (answersWaiting()) writeWaiting();
}

asking::Clock ProgressStore::systemClock() {
    return [] { return saneSystemTime(); };
}

ProgressStore::Creation ProgressStore::openExistingFile() {
    std::error_code error;
    const fs::file_status status = fs::status(file_, error);
    if (!fs::exists(status)) return Creation::Done;  // no progress yet: the file comes with the first answer
    if (!fs::is_regular_file(status)) {
        stopSaving(messages::notAFile(file_));
        return Creation::Done;
    }
    if (lacksSqliteHeader(file_)) {
        setAside(SetAsideReason::Damaged);
        return Creation::Done;
    }
    if (!SqliteConnection::driverAvailable()) {
        stopSaving(messages::noSqliteDriver());
        return Creation::Done;
    }

    const WriteAccess place = writeAccessOf(file_);
    Look look = lookAt(file_, place);
    unchangingFile_ = look.access == Access::Unchanging;
    switch (look.verdict.kind) {
        case FileVerdict::Kind::Ours: break;
        case FileVerdict::Kind::Blank: return Creation::Done;  // tables come with the first answer
        case FileVerdict::Kind::Damaged:
            look.connection.reset();
            setAside(SetAsideReason::Damaged);
            return Creation::Done;
        case FileVerdict::Kind::NotOurs:
            look.connection.reset();
            setAside(SetAsideReason::NotOurs);
            return Creation::Done;
        case FileVerdict::Kind::NewerVersion:
            look.connection.reset();
            setAside(SetAsideReason::NewerVersion, look.verdict.version);
            return Creation::Done;
        case FileVerdict::Kind::Unreadable:
            // Another program holds it, most likely making its tables: it
            // is judged when it frees, as a file held later waits.
            if (place.allowed && look.verdict.failure.busy()) return Creation::Busy;
            if (!place.allowed && hasContent(withSuffix(file_, "-journal"))) {
                stopSaving(messages::unfinishedWrite(file_, place.cause));
                return Creation::Done;
            }
            stopSaving(
                messages::cannotRead(file_, look.verdict.failure, ::access(file_.c_str(), R_OK) == 0 ? 0 : errno));
            return Creation::Done;
    }
    if (!place.allowed) {
        // Read and drilled on in memory; the file's own connection stays
        // open while its contents are copied.
        connection_ = std::move(look.connection);
        stopSaving(messages::readOnlyPlace(file_, place.cause), look.verdict.version);
        return Creation::Done;
    }
    look.connection.reset();
    useFile(look.verdict.version);
    return Creation::Done;
}

void ProgressStore::useFile(int version) {
    SqliteFailure failure;
    auto writer = SqliteConnection::open(file_, Access::ReadWrite, failure);
    if (!writer) return stopSaving(cannotWriteReason(failure), version);
    connection_ = std::move(writer);
    // Brought up to date before anything else is written, so that a file
    // that cannot be is set aside as it was found.
    if (version < kSchemaVersion) {
        const Migration migration = migrate(*connection_, version);
        if (migration == Migration::Moved) return judgeAnew();
        if (migration == Migration::Failed) {
            failure = connection_->lastFailure();
            if (failure.busy()) {
                // Another program holds the file: it is read in memory,
                // brought up to date there, until the file itself can be.
                snapshotVersion_ = version;
                snapshot_ = memoryCopy(file_, version, false);
                if (!snapshot_) stopSaving(cannotWriteReason(failure), version);
                return;
            }
            if (failure.damaged() || failure.code == sqlite_code::kError) return setAside(SetAsideReason::Damaged);
            return stopSaving(cannotWriteReason(failure), version);
        }
    }
    configure();
}

void ProgressStore::judgeAnew() {
    connection_.reset();
    snapshot_.reset();
    openExistingFile();
}

void ProgressStore::configure() {
    // A file held by another program keeps its journal until the next run.
    if (!configureFileConnection(*connection_) && !connection_->lastFailure().busy())
        stopSaving(cannotWriteReason(connection_->lastFailure()), kSchemaVersion);
}

bool ProgressStore::finishUpgrade() {
    if (!snapshot_) return true;
    if (!connection_ || connection_->inMemory()) {
        snapshot_.reset();
        return true;
    }
    switch (migrate(*connection_, snapshotVersion_)) {
        case Migration::Done:
            snapshot_.reset();
            configure();
            return true;
        case Migration::Moved: judgeAnew(); return true;
        case Migration::Failed: break;
    }
    const SqliteFailure failure = connection_->lastFailure();
    if (failure.busy()) return false;
    if (failure.damaged() || failure.code == sqlite_code::kError)
        setAside(SetAsideReason::Damaged);
    else
        stopSaving(cannotWriteReason(failure), snapshotVersion_);
    return true;
}

ProgressStore::Creation ProgressStore::createFile() {
    std::error_code error;
    const fs::path folder = file_.parent_path();
    if (!folder.empty()) {
        fs::create_directories(folder, error);
        if (error || !fs::is_directory(folder, error)) {
            stopSaving(messages::cannotCreateFolder(folder));
            return Creation::Failed;
        }
    }
    const fs::file_status status = fs::status(file_, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        stopSaving(messages::notAFile(file_));
        return Creation::Failed;
    }

    if (!SqliteConnection::driverAvailable()) {
        stopSaving(messages::noSqliteDriver());
        return Creation::Failed;
    }
    SqliteFailure failure;
    auto writer = SqliteConnection::open(file_, Access::ReadWrite, failure);
    if (writer) {
        const auto objects = writer->value(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        if (objects && objects->toInt() > 0) {
            // Another program made the file meanwhile: judged as any file found.
            writer.reset();
            return openExistingFile();
        }
        // The file may be there already, blank, if the program was stopped
        // while creating it. Whoever takes the write lock first creates
        // the tables; the other finds them made.
        if (objects && configureFileConnection(*writer)) {
            switch (migrate(*writer, 0)) {
                case Migration::Done: connection_ = std::move(writer); return Creation::Done;
                case Migration::Moved:
                    writer.reset();
                    return openExistingFile();
                case Migration::Failed: break;
            }
        }
        failure = writer->lastFailure();
        writer.reset();
        if (failure.busy()) return Creation::Busy;
        if (failure.damaged()) {
            setAside(SetAsideReason::Damaged);
            return Creation::Failed;
        }
    }
    stopSaving(cannotWriteReason(failure));
    return Creation::Failed;
}

std::string ProgressStore::cannotWriteReason(const SqliteFailure& failure) const {
    switch (failure.code) {
        case sqlite_code::kReadOnly:
        case sqlite_code::kPerm:
        case sqlite_code::kCantOpen:
            if (const WriteAccess place = writeAccessOf(file_); !place.allowed)
                return messages::cannotWrite(file_, failure, place.cause);
            break;
        case sqlite_code::kIoError:
        case sqlite_code::kFull:
            if (atFileSizeLimit(file_)) return messages::fileSizeLimit(file_);
            break;
        default: break;
    }
    return messages::cannotWrite(file_, failure);
}

bool ProgressStore::recoverFromWriteFailure() {
    const SqliteFailure failure = connection_->lastFailure();
    if (failure.damaged()) {
        setAside(SetAsideReason::Damaged);
    } else {
        stopSaving(cannotWriteReason(failure), kSchemaVersion);
    }
    return saving() || connection_ != nullptr;
}

void ProgressStore::recoverFromReadFailure(SqliteConnection& connection) {
    const SqliteFailure& failure = connection.lastFailure();
    if (failure.busy()) {
        readBusy_ = true;
    } else if (&connection == connection_.get() && !connection.inMemory() && failure.damaged()) {
        setAside(SetAsideReason::Damaged);
    }
}

void ProgressStore::setAside(SetAsideReason reason, int newerVersion) {
    connection_.reset();
    snapshot_.reset();
    const SetAsideResult result = setFileAside(file_, messages::fileNameWord(reason), compactUtcStamp(clock_()));
    if (!result.keptAs) return stopSaving(messages::cannotSetAside(reason, file_, newerVersion));
    setAside_ = SetAsideFile{reason, *result.keptAs, messages::setAside(reason, file_, *result.keptAs, newerVersion)};
}

void ProgressStore::stopSaving(const std::string& reason, int copyVersion) {
    notSavingMessage_ = messages::notSaving(reason);
    if (snapshot_) {
        // The file's progress is in memory already.
        connection_ = std::move(snapshot_);
        return;
    }
    // The copy is read while the file's own connection, if any, is still
    // open: its journal index stays as it is, with nothing to rebuild on a
    // disk that takes no more writes.
    auto memory = memoryCopy(file_, copyVersion, unchangingFile_);
    connection_ = std::move(memory);  // none: every call is a no-op from now on
}

bool ProgressStore::knows(asking::SignalSet set, const std::string& code) {
    if (!codesOfSet_) return true;
    auto known = knownCodes_.find(set);
    if (known == knownCodes_.end()) {
        const std::vector<std::string> codes = codesOfSet_(set);
        known = knownCodes_.emplace(set, std::unordered_set<std::string>(codes.begin(), codes.end())).first;
    }
    return known->second.contains(code);
}

SqliteConnection* ProgressStore::reader() { return snapshot_ ? snapshot_.get() : connection_.get(); }

}  // namespace mss::progress
