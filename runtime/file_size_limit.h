// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The limit the system may put on the size of the files a program writes
// (ulimit -f). A write past it would end the process with SIGXFSZ; the
// program ignores that signal from its start, so that such a write fails
// with EFBIG instead and the program says why in Russian, whatever wrote:
// the progress file or a file the learner saves.

#include <cstdint>
#include <optional>

namespace mss::runtime {

// Once, as the program starts (and in tests that reach a limit).
void ignoreFileSizeSignal();

// The largest file this process may write, in bytes; nothing when unlimited.
std::optional<std::uintmax_t> fileSizeLimit();

}  // namespace mss::runtime
