#include "picture_catalogue.h"

#include <QGuiApplication>

#include "picture_resources.h"

namespace mss::forms {

namespace {

// A picture for the screen the program starts on: on a high-density screen
// its sharper copy, drawn at the same size.
QPixmap load(const QString& path) {
    if (qApp && qApp->devicePixelRatio() >= 1.5) {
        QPixmap sharp(pictures::doubleDensityPath(path));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}

}  // namespace

const PictureCatalogue& PictureCatalogue::instance() {
    static const PictureCatalogue catalogue;
    return catalogue;
}

PictureCatalogue::PictureCatalogue()
    : singleM_(load(pictures::medicalFlagPicturePath())),
      ship_(load(pictures::shipPicturePath())),
      mainBackground_(load(pictures::mainBackgroundPath())),
      aboutBackground_(load(pictures::aboutBackgroundPath())),
      icon_(pictures::iconPath()) {
    for (int k = 0; k < static_cast<int>(flags_.size()); ++k)
        flags_[static_cast<std::size_t>(k)] = load(pictures::flagPicturePath(k));
}

int PictureCatalogue::flagOf(const QPixmap* picture) const {
    for (std::size_t k = 0; k < flags_.size(); ++k)
        if (picture == &flags_[k]) return static_cast<int>(k);
    return -1;
}

}  // namespace mss::forms
