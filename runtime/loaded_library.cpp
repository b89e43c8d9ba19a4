// SPDX-License-Identifier: GPL-3.0-or-later
#include "loaded_library.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace mss::runtime {

const LoadedLibrary* LoadedLibrary::open(const char* soname) {
    static std::mutex guard;
    static std::map<std::string, std::unique_ptr<LoadedLibrary>> opened;
    const std::lock_guard lock(guard);
    auto& library = opened[soname];
    if (!library) {
        // Already in the process or opened now; it stays until the
        // program ends.
        void* handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
        if (handle == nullptr) handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) return nullptr;
        library.reset(new LoadedLibrary(handle));
    }
    return library.get();
}

void* LoadedLibrary::address(const char* name) const { return dlsym(handle_, name); }

}  // namespace mss::runtime
