// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>

#include <algorithm>
#include <vector>

#include "echo.h"
#include "exam/ticket_draw.h"
#include "print/png_scales.h"

namespace mss::app {

namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Показать эту справку.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Показать версию программы.")};
    QCommandLineOption search{QStringLiteral("search"),
                              QStringLiteral("Найти сигналы по словам значения или по коду и вывести их, "
                                             "по одному в строке: код, раздел, значение.")};
    QCommandLineOption lookup{QStringLiteral("lookup"), QStringLiteral("Вывести значение сигнала с кодом КОД."),
                              QStringLiteral("КОД")};
    QCommandLineOption hoist{QStringLiteral("hoist"),
                             QStringLiteral("Вывести флаги, которыми группу ГРУППА поднимают одним набором "
                                            "(с заменяющими), сверху вниз, по одному в строке: флаг, что он "
                                            "обозначает, азбука Морзе. Следующие группы — через пробел: их "
                                            "поднимают на том же фале, и между группами выводится строка «|» "
                                            "с названием разделительного участка фала."),
                             QStringLiteral("ГРУППА")};
    QCommandLineOption read{QStringLiteral("read"),
                            QStringLiteral("Разобрать сообщение из групп ГРУППА (следующие — через пробел) и "
                                           "вывести по одной в строке: группа и её значение с подставленными "
                                           "числами (L6330N — широта 63°30′ N)."),
                            QStringLiteral("ГРУППА")};
    QCommandLineOption ticket{QStringLiteral("ticket"),
                              QStringLiteral("Вывести билет зачёта с номером N (1–999): вопросы, по одному в "
                                             "строке, затем ответы."),
                              QStringLiteral("N")};
    QCommandLineOption scope{QStringLiteral("scope"),
                             QStringLiteral("Объём билета для --ticket: основной (по умолчанию), полный, флаги, "
                                            "однобуквенные, общий, медицинский, таблицы."),
                             QStringLiteral("ОБЪЁМ")};
    QCommandLineOption draw{QStringLiteral("draw"),
                            QStringLiteral("Выборка вопросов для --ticket: 2 (по умолчанию) или 1 — первая, "
                                           "по которой билеты выдавались до исправления списка сигналов бедствия "
                                           "и срочности."),
                            QStringLiteral("N")};
    QCommandLineOption card{QStringLiteral("card"),
                            QStringLiteral("Записать в файл, заданный --output, карточки сигналов КОД (коды свода, "
                                           "строки таблиц вроде I-3) или отдельных флагов и вымпелов (A, 7, "
                                           "«1-й заменяющий», «ответный вымпел»); следующие коды — через пробел. "
                                           "Вид файла — по расширению: .pdf (все карточки, по нескольку на "
                                           "странице A4), .svg или .png (одна карточка)."),
                            QStringLiteral("КОД")};
    QCommandLineOption exchanges{QStringLiteral("exchanges"),
                                 QStringLiteral("Вывести сценарии переговоров двух судов, по одному в строке: имя, "
                                                "название.")};
    QCommandLineOption exchange{QStringLiteral("exchange"),
                                QStringLiteral("Вывести образцовые переговоры по сценарию ИМЯ, по одному действию в "
                                               "строке: шаг, позывной судна, действие (hoist, haul-down, ap-dip, "
                                               "ap-close-up, ap-down, ap-alone), место (masthead, "
                                               "starboard-yardarm, port-yardarm), группы подъёма сверху вниз через "
                                               "« | »."),
                                QStringLiteral("ИМЯ")};
    QCommandLineOption output{QStringLiteral("output"), QStringLiteral("Файл, в который записать результат."),
                              QStringLiteral("ФАЙЛ")};
    QCommandLineOption scale{QStringLiteral("scale"),
                             QStringLiteral("Масштаб картинки PNG: %1 (по умолчанию %2).")
                                 .arg(print::pngScalesInWords())
                                 .arg(print::kUsualPngScale),
                             QStringLiteral("N")};
    QCommandLineOption progress{QStringLiteral("progress"),
                                QStringLiteral("Хранить прогресс тренировки в файле ФАЙЛ вместо папки данных "
                                               "пользователя."),
                                QStringLiteral("ФАЙЛ")};

    Parser() {
        parser.setApplicationDescription(
            QStringLiteral("МСС-65 — тренажер и справочник флажных сигналов Международного свода сигналов 1965 года."));
        parser.addOptions({help, version, search, lookup, hoist, read, ticket, scope, draw, card, exchanges, exchange,
                           output, scale, progress});
        parser.addPositionalArgument(QStringLiteral("СЛОВА"),
                                     QStringLiteral("Слова или код для --search; ещё коды для --card; ещё группы для "
                                                    "--hoist и --read."),
                                     QStringLiteral("[СЛОВА…]"));
    }
};

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    Parser p;
    CommandLine result;
    if (!p.parser.parse(arguments)) {
        result.mode = CommandLine::Mode::Error;
        result.error = echoed(p.parser.errorText());
        return result;
    }
    // One value for an option, and one thing to do at a time.
    for (const QCommandLineOption* once :
         {&p.lookup, &p.hoist, &p.read, &p.ticket, &p.scope, &p.draw, &p.card, &p.exchange, &p.output, &p.scale,
          &p.progress})
        if (p.parser.values(*once).size() > 1) {
            result.mode = CommandLine::Mode::Error;
            result.error = QStringLiteral("Параметр --%1 указан больше одного раза.").arg(once->names().constLast());
            return result;
        }
    QStringList commands;
    for (const QCommandLineOption* command :
         {&p.search, &p.lookup, &p.hoist, &p.read, &p.ticket, &p.card, &p.exchanges, &p.exchange})
        if (p.parser.isSet(*command)) commands << QStringLiteral("--") + command->names().constLast();
    if (commands.size() > 1) {
        result.mode = CommandLine::Mode::Error;
        result.error = QStringLiteral("Параметры %1 нельзя указывать вместе: выберите один.")
                           .arg(commands.join(QStringLiteral(" и ")));
        return result;
    }
    // Options that belong to some commands only.
    const struct {
        const QCommandLineOption* option;
        std::vector<const QCommandLineOption*> commands;
        const char* names;
    } owned[] = {
        {&p.output, {&p.card, &p.ticket}, "--card или --ticket"},
        {&p.scale, {&p.card}, "--card"},
        {&p.scope, {&p.ticket}, "--ticket"},
        {&p.draw, {&p.ticket}, "--ticket"},
    };
    for (const auto& own : owned)
        if (p.parser.isSet(*own.option) &&
            std::none_of(own.commands.begin(), own.commands.end(),
                         [&p](const QCommandLineOption* c) { return p.parser.isSet(*c); })) {
            result.mode = CommandLine::Mode::Error;
            result.error = QStringLiteral("Параметр --%1 указывают только вместе с %2.")
                               .arg(own.option->names().constLast(), QString::fromUtf8(own.names));
            return result;
        }
    // An empty file name would be read as "no file" by one command and as a
    // name by another: it is refused alike for all.
    if (p.parser.isSet(p.output) && p.parser.value(p.output).isEmpty()) {
        result.mode = CommandLine::Mode::Error;
        result.error = QStringLiteral("После --output укажите имя файла, а не пустую строку.");
        return result;
    }
    result.progressFile = p.parser.value(p.progress);
    const QStringList words = p.parser.positionalArguments();
    if (p.parser.isSet(p.help)) {
        result.mode = CommandLine::Mode::Help;
    } else if (p.parser.isSet(p.version)) {
        result.mode = CommandLine::Mode::Version;
    } else if (p.parser.isSet(p.search)) {
        result.mode = CommandLine::Mode::Search;
        result.searchWords = words;
        if (words.isEmpty()) {
            result.mode = CommandLine::Mode::Error;
            result.error = QStringLiteral("После --search укажите слова или код сигнала.");
        }
    } else if (p.parser.isSet(p.lookup)) {
        result.mode = CommandLine::Mode::Lookup;
        result.lookupCode = p.parser.value(p.lookup);
    } else if (p.parser.isSet(p.hoist)) {
        result.mode = CommandLine::Mode::Hoist;
        result.hoistGroups = QStringList{p.parser.value(p.hoist)} + words;
    } else if (p.parser.isSet(p.read)) {
        result.mode = CommandLine::Mode::Read;
        result.readGroups = QStringList{p.parser.value(p.read)} + words;
    } else if (p.parser.isSet(p.ticket)) {
        bool number = false;
        result.ticketNumber = p.parser.value(p.ticket).trimmed().toInt(&number);
        result.ticketScope = p.parser.value(p.scope);
        result.outputFile = p.parser.value(p.output);
        result.mode = CommandLine::Mode::Ticket;
        bool draw = true;
        if (p.parser.isSet(p.draw)) result.ticketDraw = p.parser.value(p.draw).trimmed().toInt(&draw);
        if (!number || result.ticketNumber < 1 || result.ticketNumber > 999) {
            result.mode = CommandLine::Mode::Error;
            result.error =
                QStringLiteral("Номер билета — число от 1 до 999, а не «%1».").arg(echoed(p.parser.value(p.ticket)));
        } else if (!draw || !exam::isDraw(result.ticketDraw)) {
            result.mode = CommandLine::Mode::Error;
            result.error = QStringLiteral("Выборка вопросов — %1 или %2, а не «%3».")
                               .arg(exam::kFirstDraw)
                               .arg(exam::kLatestDraw)
                               .arg(echoed(p.parser.value(p.draw)));
        }
    } else if (p.parser.isSet(p.exchanges)) {
        result.mode = CommandLine::Mode::Exchanges;
    } else if (p.parser.isSet(p.exchange)) {
        result.mode = CommandLine::Mode::Exchange;
        result.exchangeName = p.parser.value(p.exchange);
    } else if (p.parser.isSet(p.card)) {
        result.mode = CommandLine::Mode::Card;
        result.cardCodes = QStringList{p.parser.value(p.card)} + words;
        result.outputFile = p.parser.value(p.output);
        result.scale = p.parser.value(p.scale);
        if (!p.parser.isSet(p.output)) {
            result.mode = CommandLine::Mode::Error;
            result.error = QStringLiteral("Укажите после --output файл, в который записать карточки.");
        }
    }
    const bool takesWords = result.mode == CommandLine::Mode::Search || result.mode == CommandLine::Mode::Card ||
                            result.mode == CommandLine::Mode::Hoist || result.mode == CommandLine::Mode::Read;
    if (!takesWords && !words.isEmpty() && result.mode != CommandLine::Mode::Help &&
        result.mode != CommandLine::Mode::Version && result.mode != CommandLine::Mode::Error) {
        result.mode = CommandLine::Mode::Error;
        result.error = QStringLiteral("Лишний аргумент: «%1».").arg(echoed(words.first()));
    }
    return result;
}

QString helpText() { return Parser().parser.helpText(); }

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace mss::app
