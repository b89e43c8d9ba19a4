// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_replay.h"

#include <QByteArray>
#include <QSqlError>

#include <optional>
#include <vector>

#include "drill/leitner_boxes.h"
#include "progress_schema.h"
#include "utc_text.h"

namespace mss::progress {

namespace {

struct CardRow {
    QByteArray set, mode, code;
    friend bool operator==(const CardRow&, const CardRow&) = default;
};

}  // namespace

bool rebuildCardsFromAnswers(SqliteConnection& connection) {
    if (!connection.run(QStringLiteral("DELETE FROM cards"))) return false;
    QSqlQuery answers = connection.prepare(QStringLiteral(
        "SELECT CAST(card_set AS BLOB), CAST(mode AS BLOB), CAST(code AS BLOB), answered_at, correct = 1"
        " FROM answers ORDER BY card_set, mode, code, id"));
    QSqlQuery save = connection.prepare(insertStatement(kCardsTable));
    if (!connection.run(answers)) return false;

    std::optional<CardRow> card;
    std::vector<drill::PastAnswer> history;
    const auto saveCard = [&]() {
        const std::optional<drill::CardState> state = card ? drill::replayAnswers(history) : std::nullopt;
        history.clear();
        if (!state) return true;
        save.bindValue(0, QString::fromUtf8(card->set));
        save.bindValue(1, QString::fromUtf8(card->mode));
        save.bindValue(2, QString::fromUtf8(card->code));
        save.bindValue(3, state->box);
        save.bindValue(4, static_cast<qlonglong>(secondsSinceEpoch(saneTime(state->due))));
        save.bindValue(5, static_cast<qlonglong>(secondsSinceEpoch(saneTime(state->lastAnswered))));
        return connection.run(save);
    };
    while (answers.next()) {
        CardRow row{answers.value(0).toByteArray(), answers.value(1).toByteArray(), answers.value(2).toByteArray()};
        if (row != card) {
            if (!saveCard()) return false;
            card = std::move(row);
        }
        const auto at = timeOfUtcText(answers.value(3).toString().toStdString());
        if (at) history.push_back({*at, answers.value(4).toInt() == 1});
    }
    return connection.readToEnd(answers) && saveCard();
}

}  // namespace mss::progress
