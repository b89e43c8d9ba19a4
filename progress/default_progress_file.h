// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the learner's progress lives unless the program is told otherwise
// (`--progress FILE`): $XDG_DATA_HOME/mss65/progress.sqlite3, that is
// ~/.local/share/mss65/progress.sqlite3 when XDG_DATA_HOME is not set.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace mss::progress {

// Looks a variable up in the environment: empty when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

EnvironmentLookup processEnvironment();

// XDG_DATA_HOME counts only when it is an absolute path, as the XDG base
// directory rules ask; otherwise $HOME/.local/share. With neither set, the
// file is in the current folder's .local/share.
std::filesystem::path defaultProgressFile(const EnvironmentLookup& environment = processEnvironment());

}  // namespace mss::progress
