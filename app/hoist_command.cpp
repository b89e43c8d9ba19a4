// SPDX-License-Identifier: GPL-3.0-or-later
#include "hoist_command.h"

#include "echo.h"

#include <cstdio>
#include <string>
#include <vector>

#include "codebook/hoist_words.h"
#include "codebook/message/halyard.h"
#include "codebook/one_set_hoist.h"
#include "codebook/signal_code.h"
#include "codebook/signal_flags.h"
#include "qtext/utf8_text.h"
#include "terminal_output.h"

namespace mss::app {

namespace {

// "2-й заменяющий<TAB>повторяет A<TAB>" — one flag a line.
QString flagLine(const codebook::FlownFlag& flag) {
    const codebook::SignalFlag& entry = codebook::signalFlag(flag.flag);
    return toQString(entry.shortName) + u'\t' + toQString(codebook::flownFlagWord(flag)) + u'\t' +
           toQString(entry.morse) + u'\n';
}

// What a typed group that is no group of flags is told.
int notAGroup(const QString& typed, const QString& option) {
    write(stderr, typed.trimmed().isEmpty()
                      ? QStringLiteral("После %1 укажите группу флагов, например MAA.\n").arg(option)
                      : QStringLiteral("«%1» — не группа флагов: в группе бывают только латинские буквы "
                                       "(или похожие на них русские), цифры и десятичная запятая.\n")
                            .arg(echoed(typed)));
    return 2;
}

}  // namespace

int printHoist(const QString& typed) {
    const auto group = codebook::readGroup(typed.toUtf8().toStdString());
    if (!group) return notAGroup(typed, QStringLiteral("--hoist"));
    const codebook::EncodedHoist hoist = codebook::encodeHoist(*group);
    if (!hoist.ok()) {
        write(stderr, QStringLiteral("Группу %1 не поднять одним набором флагов. %2\n")
                          .arg(echoed(toQString(*group)), toQString(codebook::refusalText(*hoist.refusal))));
        return 1;
    }
    QString lines;
    for (const codebook::FlownFlag& flag : hoist.flags) lines += flagLine(flag);
    write(stdout, lines);
    return 0;
}

int printHalyard(const QStringList& typed) {
    if (typed.size() == 1) return printHoist(typed.first());
    std::vector<std::string> groups;
    for (const QString& one : typed) {
        const auto group = codebook::readGroup(one.toUtf8().toStdString());
        if (!group) return notAGroup(one, QStringLiteral("--hoist"));
        groups.push_back(*group);
    }
    const codebook::message::Halyard halyard = codebook::message::flyOnOneHalyard(groups);
    if (!halyard.ok()) {
        const codebook::message::HalyardRefusal& refusal = *halyard.refusal;
        // A group too long for any set is echoed cut, as every echo.
        const QString reason = refusal.ofGroup ? QStringLiteral("Группу %1 не поднять одним набором флагов. %2")
                                                     .arg(echoed(toQString(groups[refusal.group])),
                                                          toQString(codebook::refusalText(*refusal.ofGroup)))
                                               : toQString(codebook::message::halyardRefusalText(groups, refusal));
        write(stderr, reason + u'\n');
        return 1;
    }
    const QString tackline =
        QStringLiteral("|\t") + toQString(codebook::message::kTacklineName) + QStringLiteral("\t\n");
    QString lines;
    for (std::size_t i = 0; i < halyard.flags.size(); ++i) {
        if (i > 0) lines += tackline;
        for (const codebook::FlownFlag& flag : halyard.flags[i]) lines += flagLine(flag);
    }
    write(stdout, lines);
    return 0;
}

}  // namespace mss::app
