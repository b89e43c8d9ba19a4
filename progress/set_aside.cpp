// SPDX-License-Identifier: GPL-3.0-or-later
#include "set_aside.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <vector>

namespace mss::progress {

namespace {

namespace fs = std::filesystem;

constexpr const char* kCompanions[] = {"-wal", "-shm", "-journal"};

// Renames without ever replacing a file that is already there.
std::error_code renameKeeping(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
    if (errno != EINVAL && errno != ENOSYS) return {errno, std::generic_category()};
    // A file system without the no-replace rename: check, then rename.
    std::error_code error;
    if (fs::exists(to, error) || error) return error ? error : std::make_error_code(std::errc::file_exists);
    fs::rename(from, to, error);
    return error;
}

bool nameIsFree(const fs::path& kept) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(kept, error))) return false;
    for (const char* companion : kCompanions)
        if (fs::exists(fs::symlink_status(withSuffix(kept, companion), error))) return false;
    return true;
}

}  // namespace

fs::path withSuffix(const fs::path& file, const std::string& suffix) {
    fs::path named = file;
    named += suffix;
    return named;
}

SetAsideResult setFileAside(const fs::path& file, const std::string& word, const std::string& stamp) {
    const fs::path base = withSuffix(file, "." + word + "-" + stamp);
    fs::path kept = base;
    for (int n = 2; !nameIsFree(kept); ++n) {
        if (n > 1000) return {std::nullopt, std::make_error_code(std::errc::file_exists)};
        kept = withSuffix(base, std::string("-").append(std::to_string(n)));
    }

    // Companions first: a journal left behind could otherwise be replayed
    // into the fresh file that takes the old name.
    std::vector<const char*> moved;
    std::error_code error;
    for (const char* companion : kCompanions) {
        const fs::path from = withSuffix(file, companion);
        std::error_code statusError;
        if (!fs::exists(fs::symlink_status(from, statusError))) continue;
        error = renameKeeping(from, withSuffix(kept, companion));
        if (error) break;
        moved.push_back(companion);
    }
    if (!error) error = renameKeeping(file, kept);
    if (!error) return {kept, {}};
    for (const char* companion : moved) renameKeeping(withSuffix(kept, companion), withSuffix(file, companion));
    return {std::nullopt, error};
}

}  // namespace mss::progress
