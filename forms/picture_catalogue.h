#pragma once
// The pictures of the main window, loaded once: the 36 catalogue flags (the
// only images a hoist position ever shows), the separate M of Picture5, the
// ship, the backgrounds and the icon.

#include <QIcon>
#include <QPixmap>

#include <array>

namespace mss::forms {

class PictureCatalogue {
public:
    static const PictureCatalogue& instance();

    const QPixmap& flag(int index) const { return flags_.at(static_cast<std::size_t>(index)); }
    const QPixmap& singleM() const { return singleM_; }
    const QPixmap& ship() const { return ship_; }
    const QPixmap& mainBackground() const { return mainBackground_; }
    const QPixmap& aboutBackground() const { return aboutBackground_; }
    const QIcon& icon() const { return icon_; }

    // The flag a picture is, by identity; -1 for any picture that is not a
    // catalogue entry (Picture5's M among them).
    int flagOf(const QPixmap* picture) const;

private:
    PictureCatalogue();

    std::array<QPixmap, 36> flags_;
    QPixmap singleM_, ship_, mainBackground_, aboutBackground_;
    QIcon icon_;
};

}  // namespace mss::forms
