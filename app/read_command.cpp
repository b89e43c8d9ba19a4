// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_command.h"

#include <cstdio>
#include <string>
#include <vector>

#include "codebook/message/message_reading.h"
#include "echo.h"
#include "qtext/utf8_text.h"
#include "terminal_output.h"

namespace mss::app {

int printReading(const codebook::CodeBook& book, const QStringList& typed) {
    std::vector<std::string> groups;
    for (const QString& one : typed)
        if (!one.trimmed().isEmpty()) groups.push_back(one.trimmed().toUtf8().toStdString());
    if (groups.empty()) {
        write(stderr, QStringLiteral("После --read укажите группы сигнала, например EV L6330N.\n"));
        return 2;
    }
    const codebook::message::MessageReading reading = codebook::message::readMessage(book, groups);
    if (!reading.ok()) {
        const codebook::message::GroupRefusal& refusal = *reading.refusal;
        write(stderr, QStringLiteral("Группа %1 «%2» не читается. %3\n")
                          .arg(refusal.group + 1)
                          .arg(echoed(toQString(refusal.text)), toQString(refusal.reason)));
        return 1;
    }
    QString lines;
    for (const codebook::message::ReadGroup& group : reading.groups)
        lines += toQString(group.text) + u'\t' + toQString(group.meaning) + u'\n';
    write(stdout, lines);
    return 0;
}

}  // namespace mss::app
