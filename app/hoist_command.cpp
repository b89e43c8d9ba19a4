// SPDX-License-Identifier: GPL-3.0-or-later
#include "hoist_command.h"

#include "echo.h"

#include <cstdio>

#include "codebook/hoist_words.h"
#include "codebook/one_set_hoist.h"
#include "codebook/signal_flags.h"
#include "codebook/signal_code.h"
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

}  // namespace

int printHoist(const QString& typed) {
    const auto group = codebook::readGroup(typed.toUtf8().toStdString());
    if (!group) {
        write(stderr, typed.trimmed().isEmpty()
                          ? QStringLiteral("После --hoist укажите группу флагов, например MAA.\n")
                          : QStringLiteral("«%1» — не группа флагов: в группе бывают только латинские буквы "
                                           "(или похожие на них русские), цифры и десятичная запятая.\n")
                                .arg(echoed(typed)));
        return 2;
    }
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

}  // namespace mss::app
