// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the learner is told about the progress file, in Russian.

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
std::string cannotRead(const std::filesystem::path& file, const SqliteFailure& failure);
std::string cannotWrite(const std::filesystem::path& file, const SqliteFailure& failure);
std::string cannotSetAside(SetAsideReason reason, const std::filesystem::path& file, int newerVersion);
std::string noSqliteDriver();

}  // namespace mss::progress::messages
