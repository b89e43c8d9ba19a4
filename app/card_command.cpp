// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_command.h"

#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <vector>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"
#include "echo.h"
#include "forms/shared/codebook_problem.h"
#include "print/reference_sheet.h"
#include "print/output_file.h"
#include "print/png_scales.h"
#include "print/printer_module.h"
#include "terminal_output.h"

namespace mss::app {

namespace {

enum class Format { Pdf, Svg, Png };

std::optional<Format> formatOf(const QString& file) {
    const QString extension = QFileInfo(file).suffix().toLower();
    if (extension == u"pdf") return Format::Pdf;
    if (extension == u"svg") return Format::Svg;
    if (extension == u"png") return Format::Png;
    return std::nullopt;
}

// The scale of a PNG, or nothing when `typed` is none of print::kPngScales.
std::optional<int> scaleOf(const QString& typed) {
    if (typed.isEmpty()) return print::kUsualPngScale;
    for (int scale : print::kPngScales)
        if (typed.trimmed() == QString::number(scale)) return scale;
    return std::nullopt;
}

}  // namespace

int writeCards(int argc, char* argv[], const CommandLine& command) {
    const OffscreenDrawing drawing(argc, argv);

    const QString& file = command.outputFile;
    const std::optional<Format> format = formatOf(file);
    if (!format)
        return refuse(QStringLiteral("Не понять, в каком виде записать «%1»: имя файла должно кончаться "
                                     "на .pdf, .svg или .png.")
                          .arg(echoed(file)),
                      2);
    if (*format != Format::Pdf && command.cardCodes.size() > 1)
        return refuse(QStringLiteral("В картинку %1 помещается одна карточка; для нескольких укажите файл .pdf.")
                          .arg(*format == Format::Svg ? QStringLiteral("SVG") : QStringLiteral("PNG")),
                      2);
    if (!command.scale.isEmpty() && *format != Format::Png)
        return refuse(QStringLiteral("Параметр --scale задаёт масштаб только картинки PNG."), 2);
    const std::optional<int> scale = scaleOf(command.scale);
    if (!scale)
        return refuse(
            QStringLiteral("Масштаб --scale бывает %1, а не «%2».").arg(print::pngScalesInWords(), echoed(command.scale)), 2);
    for (const QString& code : command.cardCodes)
        if (code.trimmed().isEmpty())
            return refuse(QStringLiteral("Пустой код: после --card укажите коды сигналов или флагов, например MAA."), 2);

    if (const QString refusal = print::refusalToWrite(file); !refusal.isEmpty())
        return refuse(withoutControls(refusal), 1);

    const auto loaded = codebook::parseCodeBook(data::codeBookBytes());
    if (const QString problem = forms::codeBookProblemMessage(loaded); !problem.isEmpty()) return refuse(problem, 2);

    std::vector<print::ReferenceSheet> cards;
    QStringList unknown;
    for (const QString& code : command.cardCodes) {
        if (auto card = print::sheetOf(loaded.book, code))
            cards.push_back(std::move(*card));
        else
            unknown << QStringLiteral("«%1»").arg(echoed(code.trimmed()));
    }
    if (!unknown.isEmpty())
        return refuse((unknown.size() == 1 ? QStringLiteral("В своде нет сигнала или флага %1; карточки не записаны.")
                                           : QStringLiteral("В своде нет сигналов или флагов %1; карточки не записаны."))
                          .arg(unknown.join(QStringLiteral(", "))),
                      1);

    const print::PrinterModule& module = print::printerModule();
    if (!module.printer) return refuse(withoutControls(module.problem), 2);
    QString problem;
    switch (*format) {
        case Format::Pdf:
            problem = module.printer->savePdf(print::Document::ofSheets(print::titleOfSheets(cards), cards), file);
            break;
        case Format::Svg: problem = module.printer->saveSheetSvg(cards.front(), file); break;
        case Format::Png: problem = module.printer->saveSheetPng(cards.front(), file, *scale); break;
    }
    if (!problem.isEmpty()) return refuse(withoutControls(problem), 1);
    return 0;
}

}  // namespace mss::app
