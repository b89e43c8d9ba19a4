// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal_output.h"

#include <QByteArray>

#include "forms/shared/application_setup.h"

namespace mss::app {

namespace {

QtMessageHandler toolkitMessages = nullptr;

void keepToolkitNotesBack(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) toolkitMessages(type, context, message);
}

// Set before the application object is made, which reads it.
int& offscreen(int& argc) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkitMessages = qInstallMessageHandler(keepToolkitNotesBack);
    return argc;
}

}  // namespace

void write(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
}

int refuse(const QString& message, int status) {
    write(stderr, message + u'\n');
    return status;
}

OffscreenDrawing::OffscreenDrawing(int& argc, char* argv[]) : app_(offscreen(argc), argv) {
    QCoreApplication::setApplicationName(QStringLiteral("mss65"));
    forms::speakRussian();
}

}  // namespace mss::app
