// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the learner is told about the progress file, in Russian: every text of
// the store is here.

#include <filesystem>
#include <string>

#include "progress_store.h"
#include "sqlite_connection.h"

namespace mss::progress::messages {

// The word for a set-aside file's new name: "damaged", "foreign", "newer".
std::string fileNameWord(SetAsideReason reason);

// Why the file could not be used, and where it now is.
std::string setAside(SetAsideReason reason, const std::filesystem::path& file, const std::filesystem::path& keptAs,
                     int newerVersion);

// The line shown while progress is not saved: «Прогресс не сохраняется: …».
std::string notSaving(const std::string& reason);

// Reasons for notSaving().
std::string cannotCreateFolder(const std::filesystem::path& folder);
std::string notAFile(const std::filesystem::path& file);
// `refusal`, when known, is the errno with which the system refuses reading it.
std::string cannotRead(const std::filesystem::path& file, const SqliteFailure& failure, int refusal = 0);
// `refusal`, when known, is the errno with which the system refuses writing there.
std::string cannotWrite(const std::filesystem::path& file, const SqliteFailure& failure, int refusal = 0);
// Writing stopped at the limit the system sets on the size of a file.
std::string fileSizeLimit(const std::filesystem::path& file);
std::string cannotSetAside(SetAsideReason reason, const std::filesystem::path& file, int newerVersion);
std::string noSqliteDriver();
// A sound file where nothing may be written: it has been read. `cause` is
// the errno of the refusal to write.
std::string readOnlyPlace(const std::filesystem::path& file, int cause);
// A write to the file was cut short (a journal lies beside it) and cannot be
// undone where nothing may be written.
std::string unfinishedWrite(const std::filesystem::path& file, int cause);

// While answers wait for another program to let the file go.
std::string waitingForFile();
// A read found the file held by another program.
std::string fileBusyWhileReading();
// A reset found the file held by another program.
std::string resetRefused();

}  // namespace mss::progress::messages
