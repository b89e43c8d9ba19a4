// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What became of something handed to the place where progress is kept: an
// answer of the drill, a ticket's answer or grade.

namespace mss::asking {

enum class Keeping {
    Saved,     // in the file
    Pending,   // kept and written as soon as the file frees (another program holds it)
    InMemory,  // kept for this run only: the file cannot be written
};

}  // namespace mss::asking
