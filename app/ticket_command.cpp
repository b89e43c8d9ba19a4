// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticket_command.h"

#include <cstdio>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"
#include "echo.h"
#include "exam/exam_signals.h"
#include "forms/shared/codebook_problem.h"
#include "print/output_file.h"
#include "print/printer_module.h"
#include "print/ticket_document.h"
#include "terminal_output.h"
#include "wording/ticket_texts.h"

namespace mss::app {

namespace {

struct ScopeWord {
    const char* word;
    exam::ExamScope scope;
};

constexpr ScopeWord kScopeWords[] = {
    {"основной", exam::ExamScope::Basic}, {"полный", exam::ExamScope::Full},
    {"флаги", exam::ExamScope::Flags},    {"однобуквенные", exam::ExamScope::SingleLetter},
    {"общий", exam::ExamScope::General},  {"медицинский", exam::ExamScope::Medical},
    {"таблицы", exam::ExamScope::Tables},
};

}  // namespace

std::optional<exam::ExamScope> scopeOfWord(const QString& word) {
    for (const ScopeWord& w : kScopeWords)
        if (word.trimmed().toLower() == QString::fromUtf8(w.word)) return w.scope;
    return std::nullopt;
}

int writeTicket(int argc, char* argv[], const CommandLine& command) {
    const OffscreenDrawing drawing(argc, argv);
    if (!command.outputFile.toLower().endsWith(QStringLiteral(".pdf")))
        return refuse(QStringLiteral("Билет записывается в PDF: имя файла после --output должно кончаться на .pdf."),
                      2);
    const auto scope = command.ticketScope.isEmpty() ? exam::ExamScope::Basic : scopeOfWord(command.ticketScope);
    if (!scope) return refuse(unknownScope(command.ticketScope), 2);
    if (const QString refusal = print::refusalToWrite(command.outputFile); !refusal.isEmpty())
        return refuse(withoutControls(refusal), 1);
    const auto loaded = codebook::parseCodeBook(data::codeBookBytes());
    if (const QString problem = forms::codeBookProblemMessage(loaded); !problem.isEmpty()) return refuse(problem, 2);
    const exam::ExamPool pool(loaded.book, exam::ExamSignals::shipped());
    const exam::Ticket ticket =
        exam::drawTicket(pool, command.ticketNumber, *scope, exam::kTicketQuestions, command.ticketDraw);
    const print::PrinterModule& module = print::printerModule();
    if (!module.printer) return refuse(withoutControls(module.problem), 2);
    if (const QString problem = module.printer->savePdf(print::ticketDocument(ticket), command.outputFile);
        !problem.isEmpty())
        return refuse(withoutControls(problem), 1);
    return 0;
}

QString unknownScope(const QString& typed) {
    return QStringLiteral(
               "Неизвестный объём билета «%1»: основной, полный, флаги, однобуквенные, общий, "
               "медицинский или таблицы.")
        .arg(echoed(typed));
}

int printTicket(const codebook::CodeBook& book, int number, exam::ExamScope scope, int draw) {
    const exam::ExamPool pool(book, exam::ExamSignals::shipped());
    const exam::Ticket ticket = exam::drawTicket(pool, number, scope, exam::kTicketQuestions, draw);
    QStringList lines{wording::teacherTextNote(), wording::ticketHeading(ticket)};
    lines << wording::ticketLines(ticket) << QString() << QStringLiteral("Ответы:") << wording::answerKeyLines(ticket);
    const QByteArray bytes = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    return 0;
}

}  // namespace mss::app
