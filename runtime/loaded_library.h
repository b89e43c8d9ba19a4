// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A system library the program needs only for some of its work (the Russian
// stemmer for the search), opened the first time that work is asked for
// rather than when the program starts, so that start-up neither waits for it
// nor keeps its pages.

#include <string_view>

namespace mss::runtime {

class LoadedLibrary {
public:
    // The library of that soname ("libstemmer.so.0d"), opened once for the
    // whole run and never closed; nullptr when the system has none.
    static const LoadedLibrary* open(const char* soname);

    // The address of `name` in the library, as a pointer of the declared
    // type `F` (use decltype(&function)); nullptr when it has none.
    template <class F>
    F symbol(const char* name) const {
        return reinterpret_cast<F>(address(name));
    }

private:
    explicit LoadedLibrary(void* handle) : handle_(handle) {}
    void* address(const char* name) const;

    void* handle_;
};

}  // namespace mss::runtime
