// SPDX-License-Identifier: GPL-3.0-or-later
// The child of the crash-safety tests: records answers of one session one
// after another in the progress file and prints the id of each once it is in
// the file, until it is killed or has given COUNT answers. With
// MSS65_LOOP_TICKETS=1 in its environment, every fourth answer it also
// answers a question of an exam ticket, and prints that answer's id with a
// "t" once it is in the file.
//
//   progress_answer_loop FILE ROUND [COUNT]
//
// An answer's id is ROUND * 1000000 + its number in the round; it is stored
// as the answer given, so the parent can look for it in the file. An answer
// that waits for another program holding the file is printed once it has
// been written.

#include <chrono>
#include <optional>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "drill/leitner_boxes.h"
#include "progress/progress_store.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: progress_answer_loop FILE ROUND [COUNT]\n");
        return 64;
    }
    using namespace mss;
    progress::ProgressStore store(argv[1]);
    if (store.setAsideFile()) {
        std::fprintf(stderr, "the file was set aside: %s\n", store.setAsideFile()->message.c_str());
        return 3;
    }
    const long long first = std::atoll(argv[2]) * 1000000;
    // Bounded, so that a child the parent failed to kill ends by itself.
    const long long count = argc == 4 ? std::atoll(argv[3]) : 200000;
    drill::SessionRecord session{{asking::SignalSet::Flags, asking::AskMode::RecogniseFlag, 0}, std::nullopt};
    static constexpr char kSymbols[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890";
    std::vector<long long> unreported;
    std::optional<long long> ticket;
    const bool withTickets = std::getenv("MSS65_LOOP_TICKETS") != nullptr;
    const auto report = [&unreported] {
        for (long long id : unreported) std::printf("%lld\n", id);
        std::fflush(stdout);
        unreported.clear();
    };
    for (long long n = 0; n < count; ++n) {
        const drill::CardKey card{asking::SignalSet::Flags, asking::AskMode::RecogniseFlag,
                                  std::string(1, kSymbols[n % 36])};
        const auto now = std::chrono::system_clock::now();
        const bool correct = n % 3 != 0;
        const drill::Answer answer{card, std::to_string(first + n), correct, now,
                                   drill::afterAnswer(std::nullopt, correct, now)};
        unreported.push_back(first + n);
        asking::Keeping kept = store.recordAnswer(answer, session);
        // Another child holds the file: wait for it, as long as it takes.
        while (kept == asking::Keeping::Pending) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            kept = store.writeWaiting();
        }
        if (kept != asking::Keeping::Saved) {
            std::fprintf(stderr, "not saved: %s\n", store.notSavingMessage().c_str());
            return 2;
        }
        report();
        if (withTickets && n % 4 == 0) {
            if (!ticket) ticket = store.startTicket({7, exam::ExamScope::Basic, 20, now, std::nullopt}).id;
            const exam::QuestionRecord record{static_cast<int>(n % 20), exam::TaskKind::ComposeHoist, "AE1",
                                              std::to_string(first + n) + "t", true, {}};
            if (ticket && store.saveAnswer(*ticket, record, std::chrono::seconds(n)) == asking::Keeping::Saved) {
                std::printf("%lldt\n", first + n);
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
