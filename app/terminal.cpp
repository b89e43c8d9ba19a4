// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal.h"

#include <QCoreApplication>

#include <cstdio>

#include "card_command.h"
#include "codebook/codebook_parser.h"
#include "codebook/edition_notes.h"
#include "codebook/meanings.h"
#include "codebook/section.h"
#include "codebook/signal_code.h"
#include "data/codebook_bytes.h"
#include "echo.h"
#include "exchange_command.h"
#include "forms/shared/application_setup.h"
#include "forms/shared/codebook_problem.h"
#include "hoist_command.h"
#include "qtext/utf8_text.h"
#include "read_command.h"
#include "search/book_rows.h"
#include "search/search_index.h"
#include "terminal_output.h"
#include "ticket_command.h"

namespace mss::app {

namespace {

// "AE1<TAB>Общий раздел<TAB>Я (или экипаж …" — one signal a line.
QString signalLine(std::string_view code, codebook::Section section, std::string_view text) {
    return toQString(code) + u'\t' + toQString(codebook::infoOf(section).title) + u'\t' + toQString(text) + u'\n';
}

// The best signals, at most this many lines; what was left out and a word
// put right are said on the error stream, which keeps the output to lines
// of signals.
constexpr std::size_t kMostLines = 50;

int search(const codebook::CodeBook& book, const QStringList& words) {
    const search::SearchIndex index(search::searchRowsOf(book));
    const QByteArray query = words.join(u' ').toUtf8();
    const search::SearchResults found = index.find(query.toStdString(), kMostLines);
    if (found.results.empty()) {
        write(stderr, QStringLiteral("Ничего не найдено: «%1».\n").arg(echoed(words.join(u' '))));
        return 1;
    }
    if (!found.corrected.empty())
        write(stderr, QStringLiteral("Показаны результаты для: %1\n").arg(echoed(toQString(found.corrected))));
    if (found.total > found.results.size())
        write(stderr, QStringLiteral("Показаны первые %1 из %2\n").arg(found.results.size()).arg(found.total));
    for (const search::SearchResult& r : found.results) write(stdout, signalLine(r.code, r.section, r.text));
    return 0;
}

int lookup(const codebook::CodeBook& book, const QString& typed) {
    // One code needs no index: read as the search window reads it, the
    // likeliest reading the book has names its row. The code the
    // international edition gives one of our signals under finds it too.
    for (const codebook::SignalCode& code : codebook::SignalCode::readings(typed.toUtf8().toStdString()))
        if (const auto meaning = codebook::meaningInEitherEdition(book, code.text())) {
            write(stdout, signalLine(meaning->code, meaning->section, meaning->text));
            // What a learner with another edition should know goes to the
            // error stream, which keeps the output to the signal's line.
            if (const auto note = codebook::editionNoteOf(meaning->code); !note.empty())
                write(stderr, toQString(note) + u'\n');
            return 0;
        }
    write(stderr, QStringLiteral("В своде нет сигнала «%1».\n").arg(echoed(typed)));
    return 1;
}

}  // namespace

int runOnTerminal(int argc, char* argv[], const CommandLine& command) {
    // Cards are drawn: that needs an application object of its own kind.
    if (command.mode == CommandLine::Mode::Card) return writeCards(argc, argv, command);
    if (command.mode == CommandLine::Mode::Ticket && !command.outputFile.isEmpty())
        return writeTicket(argc, argv, command);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mss65"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MSS65_VERSION));
    forms::speakRussian();

    switch (command.mode) {
        case CommandLine::Mode::Help: write(stdout, helpText()); return 0;
        case CommandLine::Mode::Version:
            write(stdout, QStringLiteral("МСС-65 %1\n").arg(QStringLiteral(MSS65_VERSION)));
            return 0;
        case CommandLine::Mode::Error:
            // Read again now that the toolkit speaks Russian, for its own messages.
            write(stderr,
                  parseCommandLine(QCoreApplication::arguments()).error + QStringLiteral("\nСправка: mss65 --help\n"));
            return 2;
        case CommandLine::Mode::Hoist: return printHalyard(command.hoistGroups);
        case CommandLine::Mode::Exchanges: return printExchanges();
        case CommandLine::Mode::Exchange: return printExchange(command.exchangeName);
        case CommandLine::Mode::Search:
        case CommandLine::Mode::Read:
        case CommandLine::Mode::Lookup:
        case CommandLine::Mode::Ticket:
        case CommandLine::Mode::Card:
        case CommandLine::Mode::Window: break;
    }
    const auto loaded = codebook::parseCodeBook(data::codeBookBytes());
    if (const QString problem = forms::codeBookProblemMessage(loaded); !problem.isEmpty()) {
        write(stderr, problem + u'\n');
        return 2;
    }
    if (command.mode == CommandLine::Mode::Search) return search(loaded.book, command.searchWords);
    if (command.mode == CommandLine::Mode::Read) return printReading(loaded.book, command.readGroups);
    if (command.mode == CommandLine::Mode::Ticket) {
        const auto scope = command.ticketScope.isEmpty() ? exam::ExamScope::Basic : scopeOfWord(command.ticketScope);
        if (!scope) {
            return refuse(unknownScope(command.ticketScope), 2);
        }
        return printTicket(loaded.book, command.ticketNumber, *scope, command.ticketDraw);
    }
    return lookup(loaded.book, command.lookupCode);
}

}  // namespace mss::app
