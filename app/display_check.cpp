// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_check.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace mss::app {

namespace {

struct HeldMessage {
    QtMsgType type;
    int line;
    QByteArray category, file, function;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> held;

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        const QString where = display.isEmpty() ? QStringLiteral("переменная DISPLAY не задана")
                                                : QStringLiteral("не удалось подключиться к дисплею %1")
                                                      .arg(QString::fromLocal8Bit(display));
        const QByteArray message =
            QStringLiteral("МСС-65 не может открыть окно: нет доступного графического дисплея (%1).\n"
                           "Запустите программу в графическом сеансе. Для поиска в терминале есть "
                           "mss65 --search и mss65 --lookup.\n")
                .arg(where)
                .toUtf8();
        std::fwrite(message.constData(), 1, static_cast<std::size_t>(message.size()), stderr);
        std::fflush(stderr);
        std::_Exit(DisplayCheck::kNoDisplay);
    }
    held.push_back({type, context.line, context.category, context.file, context.function, text});
}

}  // namespace

DisplayCheck::DisplayCheck() { previousHandler = qInstallMessageHandler(holdOrFail); }

DisplayCheck::~DisplayCheck() {
    qInstallMessageHandler(previousHandler);
    for (HeldMessage& m : held) {
        const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                         m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    held.clear();
}

}  // namespace mss::app
