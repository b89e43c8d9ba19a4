// SPDX-License-Identifier: GPL-3.0-or-later
// What the cards say, as the program gathers it from the code book and the
// table of flags before the printing module draws it.

#include <QtTest>

#include "codebook/meanings.h"
#include "codebook/signal_flags.h"
#include "print/reference_sheet.h"
#include "qtext/utf8_text.h"
#include "support/shipped_book.h"

using mss::print::ReferenceSheet;
using mss::testing::shippedBook;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

std::vector<int> flagsOf(const ReferenceSheet& card) {
    std::vector<int> flags;
    for (const auto& f : card.hoist) flags.push_back(f.flag);
    return flags;
}

QString describe(const std::vector<int>& flags) {
    QStringList names;
    for (int f : flags) names << QString::number(f);
    return names.join(u' ');
}

}  // namespace

class ReferenceSheetTest : public QObject {
    Q_OBJECT

private slots:
    void readsWhatAPersonTypes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("section");
        QTest::addColumn<std::vector<int>>("flags");
        QTest::addColumn<bool>("meaningShown");

        const QString general = QStringLiteral("Общий раздел"), flags = QStringLiteral("Флаги и вымпелы");
        // clang-format off
        QTest::newRow("medical, a substitute") << "MAA" << "MAA" << "Медицинский раздел" << std::vector<int>{12, 0, 37} << true;
        QTest::newRow("Cyrillic look-alikes") << "ае1" << "AE1" << general << std::vector<int>{0, 4, 26} << true;
        QTest::newRow("spaces around") << "  nc " << "NC" << general << std::vector<int>{13, 2} << true;
        QTest::newRow("a row of a table") << "I-3" << "I-3" << "Таблица I" << std::vector<int>{28} << true;
        QTest::newRow("a row typed loosely") << "iii 9" << "III-9" << "Таблица III" << std::vector<int>{34} << true;
        QTest::newRow("a row without its dash") << "I3" << "I-3" << "Таблица I" << std::vector<int>{28} << true;
        QTest::newRow("the keys of the Russian layout") << "фу1" << "AE1" << general << std::vector<int>{0, 4, 26} << true;
        QTest::newRow("a single-letter signal") << "A" << "A" << "Однобуквенные сигналы" << std::vector<int>{0} << true;
        QTest::newRow("MLG, as the international edition codes MLQ") << "mlg" << "MLQ" << "Медицинский раздел" << std::vector<int>{12, 11, 16} << true;
        QTest::newRow("a letter with no signal") << "R" << "R" << flags << std::vector<int>{17} << false;
        QTest::newRow("a numeral pennant") << "7" << "7" << flags << std::vector<int>{32} << false;
        QTest::newRow("the 1st substitute") << "1-й заменяющий" << "1-й заменяющий" << flags << std::vector<int>{36} << true;
        QTest::newRow("the answering pennant") << "Ответный вымпел" << "ответный вымпел" << flags << std::vector<int>{39} << true;
        // clang-format on
    }

    void readsWhatAPersonTypes() {
        QFETCH(QString, typed);
        const auto card = mss::print::sheetOf(shippedBook(), typed);
        QVERIFY(card);
        QTEST(card->code, "code");
        QTEST(card->section, "section");
        QFETCH(std::vector<int>, flags);
        QCOMPARE(describe(flagsOf(*card)), describe(flags));
        QTEST(!card->meaning.isEmpty(), "meaningShown");
        QCOMPARE(card->meaning, card->meaning.trimmed());
    }

    void refusesWhatNamesNoSignalOrFlag() {
        for (const QString& typed : {QStringLiteral("ZZ9"), QString(), QStringLiteral("якорь"), QStringLiteral("I-0"),
                                     QStringLiteral("MAAA"), QStringLiteral("4-й заменяющий"), QStringLiteral("AA A")})
            QVERIFY2(!mss::print::sheetOf(shippedBook(), typed), qPrintable(typed));
    }

    // Each flag of a hoist is named as a hoist names it; a substitute says what it repeats.
    void namesEachFlagOfTheHoist() {
        const ReferenceSheet card = *mss::print::sheetOf(shippedBook(), QStringLiteral("MAA"));
        QCOMPARE(card.hoist.size(), 3u);
        const QStringList expected[] = {{QStringLiteral("флаг M"), QStringLiteral("Майк"), QStringLiteral("--")},
                                        {QStringLiteral("флаг A"), QStringLiteral("Алфа"), QStringLiteral(".-")},
                                        {QStringLiteral("2-й заменяющий вымпел"), QStringLiteral("повторяет A"), QString()}};
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE((QStringList{card.hoist[i].name, card.hoist[i].word, card.hoist[i].morse}), expected[i]);
    }

    // Every code of the book has its card: the hoist one set flies, the meaning as the book has it.
    void everySignalOfTheBookHasItsCard() {
        int cards = 0;
        for (const auto& info : mss::codebook::kSections)
            for (const mss::codebook::Meaning& m : mss::codebook::signalsOf(shippedBook(), info.section)) {
                const auto card = mss::print::sheetOf(shippedBook(), mss::toQString(m.code));
                QVERIFY2(card, m.code.data());
                QCOMPARE(card->code, mss::toQString(m.code));
                QCOMPARE(flagsOf(*card), m.signal->hoistFlags());
                QCOMPARE(card->meaning, mss::toQString(m.text).trimmed());
                QCOMPARE(card->reconstructed, m.source == mss::codebook::Source::Recall);
                ++cards;
            }
        QCOMPARE(cards, 1899);
    }

    // A card of MLQ or of the swell table says at its foot what another
    // edition of the code says otherwise; no other card does.
    void aCardNotesWhatAnotherEditionSaysOtherwise() {
        const struct {
            const char* typed;
            const char* noteHas;  // nullptr: no note
        } cases[] = {{"MLQ", "MLG"}, {"MLG", "MLG"}, {"XH5", "1965"}, {"XE", "1965"}, {"MLF", nullptr},
                     {"WY5", nullptr}, {"A", nullptr}, {"7", nullptr}};
        for (const auto& c : cases) {
            const auto card = mss::print::sheetOf(shippedBook(), QString::fromUtf8(c.typed));
            QVERIFY2(card, c.typed);
            if (c.noteHas == nullptr)
                QVERIFY2(card->editionNote.isEmpty(), qPrintable(card->editionNote));
            else
                QVERIFY2(card->editionNote.contains(QString::fromUtf8(c.noteHas)), qPrintable(card->editionNote));
            // The meaning itself stays the book's.
            QVERIFY2(!card->meaning.contains(QStringLiteral("издани")), qPrintable(card->meaning));
        }
    }

    void everyFlagOfTheSetHasItsCard() {
        for (const mss::codebook::SignalFlag& flag : mss::codebook::signalFlags()) {
            const ReferenceSheet card = mss::print::flagSheet(shippedBook(), flag.index);
            QCOMPARE(flagsOf(card), std::vector<int>{flag.index});
            QCOMPARE(card.hoist.front().name, mss::toQString(flag.fullName));
            QCOMPARE(card.hoist.front().morse, mss::toQString(flag.morse));
            QCOMPARE(card.code, mss::toQString(flag.shortName));
        }
        const ReferenceSheet second = mss::print::flagSheet(shippedBook(), mss::codebook::substituteFlag(2));
        QVERIFY2(second.meaning.contains(QStringLiteral("второй")), qPrintable(second.meaning));
    }
};

QTEST_GUILESS_MAIN(ReferenceSheetTest)
#include "reference_sheet_test.moc"
