#include "picture_catalogue.h"

#include "picture_resources.h"

namespace mss::forms {

const PictureCatalogue& PictureCatalogue::instance() {
    static const PictureCatalogue catalogue;
    return catalogue;
}

PictureCatalogue::PictureCatalogue()
    : singleM_(pictures::medicalFlagPicturePath()),
      ship_(pictures::shipPicturePath()),
      mainBackground_(pictures::mainBackgroundPath()),
      aboutBackground_(pictures::aboutBackgroundPath()),
      icon_(pictures::iconPath()) {
    for (int k = 0; k < static_cast<int>(flags_.size()); ++k)
        flags_[static_cast<std::size_t>(k)] = QPixmap(pictures::flagPicturePath(k));
}

int PictureCatalogue::flagOf(const QPixmap* picture) const {
    for (std::size_t k = 0; k < flags_.size(); ++k)
        if (picture == &flags_[k]) return static_cast<int>(k);
    return -1;
}

}  // namespace mss::forms
