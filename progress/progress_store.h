// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The learner's progress on disk: every session and answer, and the state of
// every card, in one SQLite file (by default defaultProgressFile()), read and
// written through Qt SQL.
//
// SQLite is opened when the store is made, not when the program starts.
// Nothing is written before the first answer: constructing a store and
// reading progress never creates the file or its folder, and a missing file
// reads as no progress at all. Each answer is committed, in one transaction
// with its card's new state (and, for the first answer of a session, the
// session's number), before recordAnswer() returns Saved, so stopping the
// program at any moment loses at most the answer being given.
//
// The store never throws, never shows anything and never keeps its caller
// waiting more than a moment:
//   - a file damaged, of another program or of a newer МСС-65 is renamed
//     (with its companions) and kept as it was, and progress starts afresh;
//   - a file of an earlier МСС-65 is brought up to this version in one
//     transaction, keeping every answer;
//   - while another program holds the file, answers wait in memory, in
//     order, and are written when it frees (Keeping::Pending);
//   - where the file cannot be written (a read-only place, a full disk, a
//     file-size limit) what it holds is read and the run goes on in memory
//     (past a file-size limit only where SIGXFSZ is ignored, as the program
//     does from its start: runtime/file_size_limit.h);
//   - values no program of ours writes (times outside 2000..2200, session
//     numbers out of range, codes the drill does not know) are passed over
//     and the rest of the file is read.
// notices() says, in Russian, what the learner needs to know of all this.
//
// One store is used from one thread.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "asking/clock.h"
#include "drill/card_state.h"
#include "drill/drill_session.h"
#include "drill/progress_keeper.h"
#include "exam/exam_keeper.h"
#include "progress_figures.h"

namespace mss::progress {

class SqliteConnection;
struct SqliteFailure;

enum class SetAsideReason {
    Damaged,       // not readable as an SQLite file, or failing its check
    NotOurs,       // a sound SQLite file of some other program
    NewerVersion,  // progress written by a newer МСС-65
};

struct SetAsideFile {
    SetAsideReason reason;
    std::filesystem::path keptAs;  // the renamed file, untouched
    std::string message;           // Russian, for the learner
};

class ProgressStore final : public drill::ProgressKeeper, public exam::ExamKeeper {
public:
    // Every code of a set that the program knows (the code book's, the
    // flags'); a card of any other code in the file is passed over.
    using CodesOfSet = std::function<std::vector<std::string>(asking::SignalSet)>;

    // `clock` tells when a card is due and stamps the names of files set
    // aside; without `codesOfSet` every code is taken.
    explicit ProgressStore(std::filesystem::path file, asking::Clock clock = systemClock(), CodesOfSet codesOfSet = {});
    ~ProgressStore() override;
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    // The system clock, kept within the times the file holds (utc_text.h).
    static asking::Clock systemClock();

    // The file, as an absolute path.
    const std::filesystem::path& file() const { return file_; }

    // False once the file could not be written: progress is then kept in
    // memory until the program ends.
    bool saving() const { return notSavingMessage_.empty(); }
    // «Прогресс не сохраняется: …», empty while saving.
    const std::string& notSavingMessage() const { return notSavingMessage_; }
    const std::optional<SetAsideFile>& setAsideFile() const { return setAside_; }
    // Whether answers wait for another program to let the file go.
    bool answersWaiting() const { return !waiting_.empty() || upgradeWaits(); }

    // --- The drill ------------------------------------------------------
    // The states of the cards of one set and mode; a due time more than a
    // year after now counts as now.
    drill::CardStates cardStates(asking::SignalSet set, asking::AskMode mode) override;
    // Records one answer and the card's new state in one transaction; the
    // first answer of a session creates the session and numbers `session`.
    asking::Keeping recordAnswer(const drill::Answer& answer, drill::SessionRecord& session) override;
    asking::Keeping writeWaiting() override;
    std::optional<drill::DrillChoice> lastChoice() override;
    std::vector<std::string> notices() override;

    // Deletes every session, answer and card state in one transaction (the
    // file stays); answers waiting go too. True when done in the file.
    bool resetAll();

    // --- The exam ---------------------------------------------------------
    // Each written at once, or not at all: a ticket the file cannot take
    // now (another program holds it) is written with its next answer.
    exam::TicketKept startTicket(const exam::TicketStart& start) override;
    asking::Keeping saveAnswer(long long ticket, const exam::QuestionRecord& record,
                               std::chrono::seconds used) override;
    asking::Keeping saveTimeUsed(long long ticket, std::chrono::seconds used) override;
    std::vector<exam::QuestionRecord> answersOf(long long ticket) override;
    asking::Keeping finishTicket(long long ticket, const exam::TicketEnd& end) override;
    std::vector<exam::PastTicket> pastTickets() override;

    // --- The progress page ----------------------------------------------
    // `cardsInSet` is how many cards there are in all (answered or not).
    ProgressCounts counts(asking::SignalSet set, asking::AskMode mode, int cardsInSet);
    RecentAccuracy recentAccuracy(asking::SignalSet set, asking::AskMode mode);
    RecentAccuracy recentAccuracy();  // every set and mode
    // The last `atMost` sessions of at least `fewestAnswers` answers, of
    // every set and mode, oldest first.
    std::vector<SessionSummary> recentSessions(int atMost = kRecentSessions, int fewestAnswers = 1);
    // The signals of a set and mode most often missed of late, at most
    // `atMost` of them: the most wrong answers among each signal's last
    // kHardWindow answers first, of those the one missed last first.
    // Signals with no wrong answer there are left out.
    std::vector<HardSignal> hardestSignals(asking::SignalSet set, asking::AskMode mode, int atMost);

private:
    // An answer kept in memory until the file frees.
    struct WaitingAnswer {
        drill::Answer answer;
        drill::DrillChoice choice;
        std::optional<int> session;
        std::uint64_t mark = 0;  // the session's mark while it has no number
    };
    struct Written {
        asking::Keeping keeping;
        std::optional<int> session;  // the session's number, once written
    };
    enum class Creation { Done, Busy, Failed };

    // The connection reads go through; none while there is no progress yet.
    SqliteConnection* reader();
    bool upgradeWaits() const { return snapshot_ != nullptr; }

    // Judges the file found at file_ and opens it; returns Busy, with no
    // connection, while another program holds it (creating it, say), so that
    // it is judged again when it frees rather than given up on.
    Creation openExistingFile();
    // Uses a sound file of ours, bringing it up to this version.
    void useFile(int version);
    // Journal and durability of the file's connection, once it is up to date.
    void configure();
    // Another program changed the file since it was judged: it is judged again.
    void judgeAnew();
    Creation createFile();
    // Tries again to bring the file up to this version; true once it is.
    bool finishUpgrade();
    Written write(const WaitingAnswer& item);
    // Runs `statements` in one transaction on the file (created first if
    // need be), the one way every write goes: Pending, nothing written, while
    // another program holds the file; after any other failure the file is
    // set aside or memory takes over (recoverFromWriteFailure) and it tries
    // again.
    asking::Keeping writeNow(const std::function<bool(SqliteConnection&)>& statements);
    // The same for the exam's records, noting whether they wait for the file.
    asking::Keeping writeExamRecord(const std::function<bool(SqliteConnection&)>& statements);
    // After a failed write on the file: a damaged file is set aside, any
    // other failure stops saving. Returns whether to try once more.
    bool recoverFromWriteFailure();
    // Why a write failed, as the learner is told it.
    std::string cannotWriteReason(const SqliteFailure& failure) const;
    // After a failed read: a damaged file is set aside, a busy one noted.
    void recoverFromReadFailure(SqliteConnection& connection);
    void setAside(SetAsideReason reason, int newerVersion = 0);
    // Goes on in memory. `copyVersion` above 0 copies what the file holds,
    // in that version of the layout, first.
    void stopSaving(const std::string& reason, int copyVersion = 0);
    bool knows(asking::SignalSet set, const std::string& code);

    std::filesystem::path file_;
    asking::Clock clock_;
    CodesOfSet codesOfSet_;
    std::map<asking::SignalSet, std::unordered_set<std::string>> knownCodes_;
    // To the file, or to memory once not saving. Empty while there is no
    // file yet (or the SQLite driver is missing altogether).
    std::unique_ptr<SqliteConnection> connection_;
    // How the file is read when it may not be changed (strictly read-only).
    bool unchangingFile_ = false;
    // The file's progress brought up to this version in memory, read while
    // another program keeps the file itself from being brought up.
    std::unique_ptr<SqliteConnection> snapshot_;
    int snapshotVersion_ = 0;  // the file's own version meanwhile
    std::deque<WaitingAnswer> waiting_;
    std::map<std::uint64_t, int> sessionOfMark_;
    std::uint64_t lastMark_ = 0;
    bool readBusy_ = false;
    bool examWritesWait_ = false;  // the exam's last write found the file held
    bool resetRefused_ = false;
    std::string notSavingMessage_;
    std::optional<SetAsideFile> setAside_;
};

}  // namespace mss::progress
