// SPDX-License-Identifier: GPL-3.0-or-later
// The child of the crash-safety test: records answers one after another in
// the progress file and prints the id of each right after recordAnswer()
// has returned, until it is killed.
//
//   progress_answer_loop FILE ROUND
//
// An answer's id is ROUND * 1000000 + its number in the round; it is stored
// as the answer given, so the parent can look for it in the file.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "drill/leitner_boxes.h"
#include "progress/progress_store.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: progress_answer_loop FILE ROUND\n");
        return 64;
    }
    using namespace mss;
    progress::ProgressStore store(argv[1]);
    if (store.setAsideFile()) {
        std::fprintf(stderr, "the file was set aside: %s\n", store.setAsideFile()->message.c_str());
        return 3;
    }
    const long long first = std::atoll(argv[2]) * 1000000;
    const int session = store.nextSessionNumber();
    static constexpr char kSymbols[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890";
    // Bounded, so that a child the parent failed to kill ends by itself.
    for (long long n = 0; n < 200000; ++n) {
        const drill::CardKey card{drill::DrillSet::Flags, drill::DrillMode::RecogniseFlag,
                                  std::string(1, kSymbols[n % 36])};
        const auto now = std::chrono::system_clock::now();
        const bool correct = n % 3 != 0;
        const drill::Answer answer{card, std::to_string(first + n), correct, now,
                                   drill::afterAnswer(std::nullopt, correct, now)};
        if (!store.recordAnswer(answer, session)) {
            std::fprintf(stderr, "not saved: %s\n", store.notSavingMessage().c_str());
            return 2;
        }
        std::printf("%lld\n", first + n);
        std::fflush(stdout);
    }
    return 0;
}
