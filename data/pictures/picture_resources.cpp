// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_resources.h"

#include "codebook/flag_catalogue.h"
#include "codebook/signal_flags.h"

#include <QtCore/qglobal.h>

#include <mutex>

// Outside any namespace, as Q_INIT_RESOURCE needs.
static void registerPictureResources() { Q_INIT_RESOURCE(mss_pictures); }

namespace mss::pictures {

namespace {

QString resource(const QString& name) {
    initPictureResources();
    return QStringLiteral(":/pictures/") + name;
}

}  // namespace

void initPictureResources() {
    static std::once_flag once;
    std::call_once(once, registerPictureResources);
}

QString flagPicturePath(int flagIndex) {
    if (flagIndex < 0 || flagIndex >= codebook::kFlagCount) return {};
    return resource(QStringLiteral("flag-%1.gif").arg(QChar(codebook::symbolOfFlag(flagIndex))));
}

QString signalFlagPicturePath(int index) {
    if (index == codebook::kAnsweringPennant) return resource(QStringLiteral("flag-answering.gif"));
    if (codebook::isSubstitute(index))
        return resource(QStringLiteral("flag-substitute-%1.gif").arg(codebook::substituteNumber(index)));
    return flagPicturePath(index);
}

QString medicalFlagPicturePath() { return resource(QStringLiteral("flag-M-single.gif")); }

QString shipPicturePath() { return resource(QStringLiteral("ship.gif")); }

QString mainBackgroundPath() { return resource(QStringLiteral("main-background.gif")); }

QString aboutBackgroundPath() { return resource(QStringLiteral("about-background.gif")); }

QString iconPath() { return resource(QStringLiteral("lifebuoy.ico")); }

QString iconPngPath(int size) {
    for (int known : {16, 32, 48, 64, 128, 256})
        if (size == known) return resource(QStringLiteral("lifebuoy-%1.png").arg(size));
    return {};
}

QString doubleDensityPath(const QString& path) {
    QString result = path;
    const qsizetype dot = result.lastIndexOf(u'.');
    result.insert(dot < 0 ? result.size() : dot, QStringLiteral("@2x"));
    return result;
}

}  // namespace mss::pictures
