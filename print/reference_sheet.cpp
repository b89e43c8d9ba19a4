// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/reference_sheet.h"

#include <QStringList>

#include <array>

#include "codebook/edition_notes.h"
#include "codebook/hoist_words.h"
#include "codebook/signal_code.h"
#include "codebook/signal_flags.h"
#include "qtext/utf8_text.h"

namespace mss::print {

namespace {

using codebook::FlagKind;

// The codes named in a title of cards, at most.
constexpr std::size_t kCodesInTitle = 12;

// The section line of a card of a flag that is no signal of its own.
const QString kFlagsSection = QStringLiteral("Флаги и вымпелы");

SheetFlag sheetFlagOf(const codebook::FlownFlag& flown) {
    const codebook::SignalFlag& entry = codebook::signalFlag(flown.flag);
    return {flown.flag, toQString(entry.fullName), toQString(codebook::flownFlagWord(flown)), toQString(entry.morse)};
}

// What a flag that is no signal does in a group.
QString roleOf(const codebook::SignalFlag& flag) {
    static const std::array<QString, codebook::kSubstituteCount> kOrdinals{
        QStringLiteral("первый"), QStringLiteral("второй"), QStringLiteral("третий")};
    switch (flag.kind) {
        case FlagKind::Substitute:
            return QStringLiteral("Повторяет %1 сверху флаг того же рода, что и флаг над ним; буквенные флаги "
                                  "и цифровые вымпелы считают порознь.")
                .arg(kOrdinals[static_cast<std::size_t>(codebook::substituteNumber(flag.index) - 1)]);
        case FlagKind::AnsweringPennant: return QStringLiteral("В группе — десятичная запятая.");
        case FlagKind::Letter:
        case FlagKind::Numeral: break;
    }
    return {};
}

}  // namespace

ReferenceSheet signalSheet(const codebook::Meaning& meaning) {
    ReferenceSheet card;
    card.code = toQString(meaning.code);
    card.section = toQString(codebook::infoOf(meaning.section).title);
    for (const codebook::FlownFlag& flown : meaning.signal->flownHoist()) card.hoist.push_back(sheetFlagOf(flown));
    card.meaning = toQString(meaning.text).trimmed();
    card.reconstructed = meaning.source == codebook::Source::Recall;
    card.editionNote = toQString(codebook::editionNoteOf(meaning.code));
    return card;
}

ReferenceSheet flagSheet(const codebook::CodeBook& book, int flag) {
    const codebook::SignalFlag& entry = codebook::signalFlag(flag);
    if (entry.kind == FlagKind::Letter)
        if (const auto meaning = codebook::meaningOf(book, std::string_view(&entry.symbol, 1)))
            return signalSheet(*meaning);
    ReferenceSheet card;
    card.code = toQString(entry.shortName);
    card.section = kFlagsSection;
    // A substitute or the answering pennant alone gives nothing yet: its role is said below instead.
    const QString word = entry.kind == FlagKind::Letter || entry.kind == FlagKind::Numeral
                             ? toQString(codebook::flownFlagWord({flag, entry.symbol}))
                             : QString();
    card.hoist.push_back({flag, toQString(entry.fullName), word, toQString(entry.morse)});
    card.meaning = roleOf(entry);
    return card;
}

std::optional<ReferenceSheet> sheetOf(const codebook::CodeBook& book, const QString& typed) {
    // Read as --lookup and the search read a typed code: the likeliest reading
    // the book has, the international edition's code for one of ours included.
    for (const codebook::SignalCode& code : codebook::SignalCode::readings(toUtf8(typed)))
        if (const auto meaning = codebook::meaningInEitherEdition(book, code.text())) return signalSheet(*meaning);
    const QString name = typed.trimmed();
    for (const codebook::SignalFlag& flag : codebook::signalFlags())
        if (name.compare(toQString(flag.shortName), Qt::CaseInsensitive) == 0) return flagSheet(book, flag.index);
    return std::nullopt;
}

QString titleOfSheets(const std::vector<ReferenceSheet>& cards) {
    QStringList named;
    for (std::size_t i = 0; i < cards.size() && i < kCodesInTitle; ++i) named << cards[i].code;
    if (cards.size() > kCodesInTitle) named << QStringLiteral("…");
    return QStringLiteral("Карточки МСС-65: ") + named.join(QStringLiteral(", "));
}

}  // namespace mss::print
