// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/file_size_limit.h"

#include <csignal>
#include <sys/resource.h>

namespace mss::runtime {

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

std::optional<std::uintmax_t> fileSizeLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
    return static_cast<std::uintmax_t>(limit.rlim_cur);
}

}  // namespace mss::runtime
