// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The learner's progress on disk: every answer given and the state of every
// card, in one SQLite file (by default defaultProgressFile()).
//
// Nothing is written before the first answer: constructing a store and
// reading progress never creates the file or its folder, and a missing file
// reads as no progress at all. Each answer is committed before
// recordAnswer() returns, so stopping the program at any moment loses at
// most the answer being given.
//
// The store never throws and never shows anything. When the file is damaged,
// belongs to another program or to a newer МСС-65, it is renamed (with its
// companions) and kept as it was, and progress starts afresh; setAsideFile()
// tells what happened, in Russian. When the file cannot be written, the store
// goes on in memory for the rest of the run, saving() turns false and
// notSavingMessage() says why.
//
// One store is used from one thread.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "drill/card_state.h"
#include "drill/clock.h"
#include "drill/drill_session.h"
#include "progress_figures.h"

namespace mss::progress {

class SqliteConnection;

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

class ProgressStore {
public:
    // `clock` stamps the names of files set aside.
    explicit ProgressStore(std::filesystem::path file, drill::Clock clock = systemClock());
    ~ProgressStore();
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    static drill::Clock systemClock();

    const std::filesystem::path& file() const { return file_; }

    // False once the file could not be written: progress is then kept in
    // memory until the program ends.
    bool saving() const { return notSavingMessage_.empty(); }
    // «Прогресс не сохраняется: …», empty while saving.
    const std::string& notSavingMessage() const { return notSavingMessage_; }
    const std::optional<SetAsideFile>& setAsideFile() const { return setAside_; }

    // --- Writing --------------------------------------------------------
    // Records one answer and the card's new state in one transaction.
    // True when it is in the file; false when it is kept in memory only.
    bool recordAnswer(const drill::Answer& answer, int session);
    // Deletes every answer and card state in one transaction (the file stays).
    bool resetAll();

    // --- Reading --------------------------------------------------------
    drill::CardStates cardStates(drill::DrillSet set, drill::DrillMode mode);
    drill::CardStates allCardStates();
    // `cardsInSet` is how many cards there are in all (answered or not).
    ProgressCounts counts(drill::DrillSet set, drill::DrillMode mode, int cardsInSet);
    ProgressCounts counts(drill::DrillSet set, int cardsInSet);  // all modes together
    RecentAccuracy recentAccuracy(drill::DrillSet set, drill::DrillMode mode);
    RecentAccuracy recentAccuracy();  // every set and mode
    // One more than the highest session number recorded; 1 for no progress.
    int nextSessionNumber();

private:
    // The connection reads go through; none while there is no progress yet.
    SqliteConnection* readable() { return connection_.get(); }
    // The connection writes go through, the file created first if need be.
    SqliteConnection* writable();
    void openExistingFile();
    void createFile();
    // After a failed write on `connection_`: a damaged file is set aside, any
    // other failure stops saving. Returns whether to try once more.
    bool recoverFromWriteFailure();
    // After a failed read: only a damaged file is acted on (set aside).
    void recoverFromReadFailure();
    void setAside(SetAsideReason reason, int newerVersion = 0);
    // Goes on in memory; `keepFileContents` copies what the file holds first.
    void stopSaving(const std::string& reason, bool keepFileContents);

    std::filesystem::path file_;
    drill::Clock clock_;
    // To the file, or to memory once not saving. Empty while there is no
    // file yet (or the SQLite driver is missing altogether).
    std::unique_ptr<SqliteConnection> connection_;
    std::string notSavingMessage_;
    std::optional<SetAsideFile> setAside_;
};

}  // namespace mss::progress
