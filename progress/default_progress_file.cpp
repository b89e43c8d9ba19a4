// SPDX-License-Identifier: GPL-3.0-or-later
#include "default_progress_file.h"

#include <cstdlib>

namespace mss::progress {

EnvironmentLookup processEnvironment() {
    return [](const char* name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name)) return std::string(value);
        return std::nullopt;
    };
}

std::filesystem::path defaultProgressFile(const EnvironmentLookup& environment) {
    std::filesystem::path dataHome;
    if (const auto xdg = environment("XDG_DATA_HOME"); xdg && std::filesystem::path(*xdg).is_absolute())
        dataHome = *xdg;
    else if (const auto home = environment("HOME"); home && !home->empty())
        dataHome = std::filesystem::path(*home) / ".local" / "share";
    else
        dataHome = std::filesystem::path(".local") / "share";
    return dataHome / "mss65" / "progress.sqlite3";
}

}  // namespace mss::progress
