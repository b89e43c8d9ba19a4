// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into a child of the crash tests (LD_PRELOAD): the child kills
// itself at its N-th fdatasync, N from MSS65_KILL_AT_SYNC, leaving its files
// as a crash at that very moment would. SQLite makes every write durable
// through fdatasync, so each N stops the child at another step of a write.

#include <dlfcn.h>

#include <atomic>
#include <csignal>
#include <cstdlib>

extern "C" int fdatasync(int fd) {
    static std::atomic<int> calls{0};
    static const int killAt = [] {
        const char* at = std::getenv("MSS65_KILL_AT_SYNC");
        return at ? std::atoi(at) : 0;
    }();
    if (++calls == killAt) std::raise(SIGKILL);
    using Sync = int (*)(int);
    static const Sync real = reinterpret_cast<Sync>(::dlsym(RTLD_NEXT, "fdatasync"));
    return real(fd);
}
