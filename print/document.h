// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program hands the printing module to print or export: reference
// sheets of signals and flags (the learner's «карточки»), and documents of
// headings, paragraphs, rows and sheets. In the code "card" is kept for the
// drill's Leitner cards (drill/card_key.h); a printed one is a sheet.
// Plain data of the standard library and Qt Core, filled by the program
// (reference_sheet.h makes sheets from the code book) and drawn by the module
// (document_printer.h), so that the program itself never loads Qt Print
// Support or Qt SVG.

#include <QString>

#include <utility>
#include <vector>

namespace mss::print {

// One flag of a hoist as a sheet names it.
struct SheetFlag {
    int flag = 0;   // 0..39, the flags of one set (codebook/signal_flags.h)
    QString name;   // «флаг M», «вымпел 7», «2-й заменяющий вымпел»
    QString word;   // what it gives: «Майк», «повторяет A», «десятичная запятая»
    QString morse;  // ".-" as dots and dashes; empty for a substitute
};

// A sheet of a signal (its hoist as one set flies it, the code and the
// meaning below) or of a single flag or pennant (the flag, its name, its
// Morse, its single-letter meaning where it has one).
struct ReferenceSheet {
    QString code;     // large under the hoist: «MAA», «I-3», «7», «1-й заменяющий»
    QString section;  // small above it: «Медицинский раздел», «Флаги и вымпелы»
    std::vector<SheetFlag> hoist;  // top first
    QString meaning;               // may be empty
    bool reconstructed = false;    // the meaning was written without the printed book at hand: marked «?»
    QString editionNote;           // at the foot: what a learner with another edition should know; mostly empty
};

// A cell of a row: a hoist drawn small, as flown, then its text.
struct Cell {
    QString text;
    std::vector<int> hoist;      // flags 0..39, top first; empty: text only
    bool upright = false;        // the hoist one flag under the other; otherwise side by side, top first at the left
    bool reconstructed = false;  // «?» after the text
};

struct Block {
    enum class Kind {
        Heading,    // cells[0].text, large and bold
        Paragraph,  // cells[0].text, wrapped; lines may go on over a page break
        Row,        // cells side by side, kept on one page, a thin line under it
        Sheet,      // a reference sheet; sheets in a row of blocks stand side by side, several a page
        PageBreak,  // what follows starts a new page
    };
    Kind kind = Kind::Paragraph;
    std::vector<Cell> cells;
    std::vector<double> widths;  // Row: each cell's share of the width; empty: equal shares
    ReferenceSheet sheet;

    static Block heading(QString text) { return {Kind::Heading, {Cell{std::move(text), {}}}, {}, {}}; }
    static Block paragraph(QString text) { return {Kind::Paragraph, {Cell{std::move(text), {}}}, {}, {}}; }
    static Block row(std::vector<Cell> cells, std::vector<double> widths = {}) {
        return {Kind::Row, std::move(cells), std::move(widths), {}};
    }
    static Block ofSheet(ReferenceSheet sheet) { return {Kind::Sheet, {}, {}, std::move(sheet)}; }
    static Block pageBreak() { return {Kind::PageBreak, {}, {}, {}}; }
};

// Pages of A4, portrait.
struct Document {
    QString title;  // the PDF's title and the print job's name
    std::vector<Block> blocks;
    bool cutMarks = false;  // cards: marks at their corners to cut along, instead of a thin frame

    static Document ofSheets(QString title, const std::vector<ReferenceSheet>& sheets, bool cutMarks = false) {
        Document d{std::move(title), {}, cutMarks};
        for (const ReferenceSheet& sheet : sheets) d.blocks.push_back(Block::ofSheet(sheet));
        return d;
    }
};

}  // namespace mss::print
