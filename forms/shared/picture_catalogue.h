// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the windows: the 40 flags of one set (the main window's
// hoist positions show only the catalogue's 36), the separate M of Picture5,
// the ship, the backgrounds and the icon. Each is decoded the first time it
// is asked for and kept; the main background, which takes longest, is
// decoded on a worker thread from startLoading() on, while the window is
// being built.

#include <QIcon>
#include <QPixmap>

#include <array>

#include "codebook/signal_flags.h"

namespace mss::forms {

class PictureCatalogue {
public:
    static const PictureCatalogue& instance();

    // Begins decoding the main background on a worker thread; call once the
    // application object exists. Later calls do nothing.
    static void startLoading();

    // Flag `index` of the forty of one set (codebook/signal_flags.h): 0..35
    // the catalogue's flags, 36..38 the substitutes, 39 the answering pennant.
    const QPixmap& flag(int index) const;
    const QPixmap& flag(const codebook::SignalFlag& flag) const { return this->flag(flag.index); }
    const QPixmap& singleM() const;
    const QPixmap& ship() const;
    const QPixmap& mainBackground() const;
    const QPixmap& aboutBackground() const;
    const QIcon& icon() const;

    // The flag of the set a picture is, by identity; -1 for any picture that
    // is not a flag of the set (Picture5's M among them).
    int flagOf(const QPixmap* picture) const;

private:
    PictureCatalogue() = default;

    // Filled on first use; a picture, once made, never moves or changes.
    mutable std::array<QPixmap, codebook::kSignalFlagCount> flags_;
    mutable QPixmap singleM_, ship_, mainBackground_, aboutBackground_;
    mutable QIcon icon_;
};

}  // namespace mss::forms
