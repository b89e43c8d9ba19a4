// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/picture_catalogue.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

#include <future>

#include "picture_resources.h"

namespace mss::forms {

namespace {

bool sharpScreen() { return qApp && qApp->devicePixelRatio() >= 1.5; }

// A picture for the screen the program starts on: on a high-density screen
// its sharper copy, drawn at the same size. Safe on any thread.
QImage decode(const QString& path, bool sharp) {
    if (sharp) {
        QImage image(pictures::doubleDensityPath(path));
        if (!image.isNull()) {
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    return QImage(path);
}

QPixmap load(const QString& path) { return QPixmap::fromImage(decode(path, sharpScreen())); }

const QPixmap& once(QPixmap& slot, const QString& path) {
    if (slot.isNull()) slot = load(path);
    return slot;
}

std::future<QImage>& backgroundInFlight() {
    static std::future<QImage> decoding;
    return decoding;
}

}  // namespace

const PictureCatalogue& PictureCatalogue::instance() {
    static const PictureCatalogue catalogue;
    return catalogue;
}

void PictureCatalogue::startLoading() {
    std::future<QImage>& decoding = backgroundInFlight();
    if (decoding.valid()) return;
    decoding = std::async(std::launch::async, decode, pictures::mainBackgroundPath(), sharpScreen());
    // Should the program end before the window paints, the worker finishes
    // while the application object still exists.
    qAddPostRoutine([] {
        if (backgroundInFlight().valid()) backgroundInFlight().wait();
    });
}

const QPixmap& PictureCatalogue::flag(int index) const {
    return once(flags_.at(static_cast<std::size_t>(index)), pictures::signalFlagPicturePath(index));
}

const QPixmap& PictureCatalogue::singleM() const { return once(singleM_, pictures::medicalFlagPicturePath()); }

const QPixmap& PictureCatalogue::ship() const { return once(ship_, pictures::shipPicturePath()); }

const QPixmap& PictureCatalogue::aboutBackground() const {
    return once(aboutBackground_, pictures::aboutBackgroundPath());
}

const QPixmap& PictureCatalogue::mainBackground() const {
    if (mainBackground_.isNull()) {
        std::future<QImage>& decoding = backgroundInFlight();
        mainBackground_ = decoding.valid() ? QPixmap::fromImage(decoding.get()) : load(pictures::mainBackgroundPath());
    }
    return mainBackground_;
}

const QIcon& PictureCatalogue::icon() const {
    if (icon_.isNull()) icon_ = QIcon(pictures::iconPath());
    return icon_;
}

int PictureCatalogue::flagOf(const QPixmap* picture) const {
    for (std::size_t k = 0; k < flags_.size(); ++k)
        if (picture == &flags_[k]) return static_cast<int>(k);
    return -1;
}

}  // namespace mss::forms
