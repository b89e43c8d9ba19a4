// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping a progress file that cannot be used: it is renamed, never changed
// or deleted, so the learner (or a helper) can still look into it.
//
// The new name is the old one with a word for the reason and the UTC time:
//   progress.sqlite3.damaged-20261210T140307Z   not SQLite, or failing its check
//   progress.sqlite3.foreign-20261210T140307Z   another program's SQLite file
//   progress.sqlite3.newer-20261210T140307Z     written by a newer МСС-65
// (ASCII words, so that the name survives any locale, archive or file system.)
// A name already taken gets "-2", "-3" … after it. The companions keep their
// SQLite suffix after the new name ("….damaged-20261210T140307Z-wal"), so
// SQLite opens the kept file together with its journal.

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace mss::progress {

// `file` with `suffix` after its name: progress.sqlite3 and "-wal" give
// progress.sqlite3-wal.
std::filesystem::path withSuffix(const std::filesystem::path& file, const std::string& suffix);

struct SetAsideResult {
    std::optional<std::filesystem::path> keptAs;  // empty when the file could not be renamed
    std::error_code error;
};

// `word` is "damaged", "foreign" or "newer"; `stamp` is compactUtcStamp().
// When a companion cannot be moved the file stays where it is, with every
// companion moved back, so a journal is never separated from its database.
SetAsideResult setFileAside(const std::filesystem::path& file, const std::string& word, const std::string& stamp);

}  // namespace mss::progress
