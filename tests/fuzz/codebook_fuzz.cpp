// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target of the code-book loader. Whatever the bytes, the loader must
// return (no crash, no hang, no fault the sanitizers see), and when it says
// Ok the book must really be sound: every list full, every row on the row its
// codes select, every signal of the directory named exactly once, every text
// displayable within its list's limit and unique in its list. A broken
// promise aborts, which the fuzzer records as a crash with the input.
//
// An input is read in one of two ways: as a whole file, or, when it has four
// bytes or more and the first is 0x01 (a file beginning so is damaged in its
// header anyway), as an edit of the shipped code book (the seeds
// corpus/edit-*.bin are such edits):
//   byte 0      0x01
//   bytes 1, 2  the first line to replace, little-endian, modulo the lines
//   byte 3      how many lines to replace, modulo 4 (0 inserts)
//   the rest    the bytes put in their place
// so that the fuzzer spends its time near a sound book, where a wrong
// acceptance would hide, rather than on files damaged from the first line.
//
// Built with clang and libFuzzer by tests/fuzz/run.sh; built with the main
// compiler into codebook_corpus_replay, which runs the same checks over the
// seed corpus in the ordinary test suite.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "codebook/codebook_parser.h"
#include "codebook/signal_directory.h"

namespace {

using namespace mss::codebook;

[[noreturn]] void broken(const std::string& promise) {
    std::fprintf(stderr, "code-book loader: %s\n", promise.c_str());
    std::abort();
}

// Characters of well-formed UTF-8, counted independently of the loader's
// decoder; nothing for malformed text.
std::optional<std::size_t> characterCount(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t length = 1;
        std::uint32_t cp = lead;
        if (lead >= 0x80) {
            if (lead >= 0xC2 && lead <= 0xDF) { length = 2; cp = lead & 0x1Fu; }
            else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; cp = lead & 0x0Fu; }
            else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; cp = lead & 0x07u; }
            else return std::nullopt;
            if (s.size() - i < length) return std::nullopt;
            for (std::size_t k = 1; k < length; ++k) {
                const auto b = static_cast<unsigned char>(s[i + k]);
                if ((b & 0xC0u) != 0x80u) return std::nullopt;
                cp = (cp << 6) | (b & 0x3Fu);
            }
            const std::uint32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
            if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        }
        i += length;
    }
    return count;
}

void checkSoundBook(const CodeBook& book) {
    const SignalDirectory& directory = SignalDirectory::instance();
    std::unordered_set<std::string_view> named;
    std::size_t namings = 0;
    for (const auto& info : kCodeLists) {
        const std::string list(info.fileName);
        const auto& rows = book.rows(info.list);
        if (static_cast<int>(rows.size()) != info.rowCount)
            broken("accepted " + list + " with " + std::to_string(rows.size()) + " rows");
        std::unordered_set<std::string_view> texts;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const CodeBookRow& row = rows[i];
            const std::string where = list + " row " + std::to_string(i);
            if (row.codes.empty()) broken("accepted " + where + " without a code");
            for (const auto& code : row.codes) {
                const auto target = directory.find(code);
                if (!target || target->list != info.list || target->row != static_cast<int>(i))
                    broken("accepted " + where + " under the code " + code + ", which does not select it");
                named.insert(code);
                ++namings;
            }
            if (row.text.empty()) broken("accepted an empty text in " + where);
            const auto length = characterCount(row.text);
            if (!length) broken("accepted malformed UTF-8 in " + where);
            if (*length > static_cast<std::size_t>(info.maxTextLength))
                broken("accepted " + std::to_string(*length) + " characters in " + where);
            for (char c : row.text)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)  // tab, CR and LF among them
                    broken("accepted a control character in " + where);
            if (!texts.insert(row.text).second) broken("accepted a repeated text in " + where);
        }
    }
    if (namings != named.size()) broken("accepted a code named twice");
    for (const auto& c : directory.codes())
        if (!named.contains(c.code.text())) broken("accepted a book that leaves out the code " + c.code.text());
    if (named.size() != directory.codes().size()) broken("accepted codes the directory does not have");
}

struct ShippedBook {
    std::string bytes;
    std::vector<std::size_t> lineStarts;  // one past the last line: bytes.size()

    ShippedBook() {
        std::ifstream in(MSS_CODEBOOK_FILE, std::ios::binary);
        if (!in) broken("cannot read " MSS_CODEBOOK_FILE);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        lineStarts.push_back(0);
        for (std::size_t n = bytes.find('\n'); n != std::string::npos && n + 1 < bytes.size(); n = bytes.find('\n', n + 1))
            lineStarts.push_back(n + 1);
        lineStarts.push_back(bytes.size());
    }
};

std::string editedShippedBook(std::string_view edit) {
    static const ShippedBook book;
    const std::size_t lines = book.lineStarts.size() - 1;
    const auto byte = [&](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(edit[i])); };
    const std::size_t first = (byte(1) | byte(2) << 8) % lines;
    const std::size_t last = std::min(first + byte(3) % 4, lines);
    std::string out = book.bytes.substr(0, book.lineStarts[first]);
    out += edit.substr(4);
    out += std::string_view(book.bytes).substr(book.lineStarts[last]);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const bool edit = size >= 4 && data[0] == 0x01;
    const std::string edited = edit ? editedShippedBook(input) : std::string();
    const std::string_view bytes = edit ? std::string_view(edited) : input;
    const LoadResult result = parseCodeBook(bytes);
    if (result.ok() != result.problems.empty()) broken("status and problems disagree");
    if (result.ok()) {
        checkSoundBook(result.book);
        return 0;
    }
    std::size_t lines = 0;
    for (char c : bytes) lines += c == '\n';
    for (const auto& p : result.problems) {
        if (p.message.empty()) broken("a problem without a message");
        if (p.line < 0 || static_cast<std::size_t>(p.line) > lines + 1)
            broken("a problem on line " + std::to_string(p.line) + " of " + std::to_string(lines + 1));
    }
    if (result.firstProblem().empty()) broken("no first problem to show");
    return 0;
}
