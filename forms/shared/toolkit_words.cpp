// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/toolkit_words.h"

#include <cstring>

namespace mss::forms {

namespace {

struct Word {
    const char* context;
    const char* english;
    const char* russian;
};

// The type column of the file dialog: what an entry that is no file of a
// known kind is.
constexpr Word kWords[] = {
    {"QAbstractFileIconProvider", "Folder", "Папка"},
    {"QAbstractFileIconProvider", "Drive", "Диск"},
    {"QAbstractFileIconProvider", "Shortcut", "Ссылка"},
    {"QAbstractFileIconProvider", "Unknown", "Неизвестно"},
};

}  // namespace

QString ToolkitWords::translate(const char* context, const char* sourceText, const char*, int) const {
    if (!context || !sourceText) return {};
    for (const Word& word : kWords)
        if (std::strcmp(word.context, context) == 0 && std::strcmp(word.english, sourceText) == 0)
            return QString::fromUtf8(word.russian);
    return {};
}

}  // namespace mss::forms
