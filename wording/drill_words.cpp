// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/drill_words.h"

#include "codebook/section.h"
#include "qtext/utf8_text.h"

namespace mss::wording {

namespace {

QString sectionTitle(codebook::Section section) { return toQString(codebook::infoOf(section).title); }

}  // namespace

QString quoted(const std::string& meaning) {
    QString t = toQString(meaning).trimmed();
    if (t.endsWith(QLatin1Char('.')) && !t.endsWith(QStringLiteral(".."))) t.chop(1);
    return QStringLiteral("«%1»").arg(t);
}

QString sentence(const QString& words) {
    if (words.endsWith(QStringLiteral("?»")) || words.endsWith(QStringLiteral("!»"))) return words;
    return words + QLatin1Char('.');
}

QString setTitle(asking::SignalSet set) {
    using asking::SignalSet;
    switch (set) {
        case SignalSet::Flags: return QStringLiteral("Флаги и вымпелы");
        case SignalSet::SingleLetter: return sectionTitle(codebook::Section::SingleLetter);
        case SignalSet::General: return sectionTitle(codebook::Section::General);
        case SignalSet::Medical: return sectionTitle(codebook::Section::Medical);
        case SignalSet::Tables: return QStringLiteral("Таблицы дополнений");
    }
    return {};
}

}  // namespace mss::wording
