// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption/paint_gradient_caption.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace mss::caption {

GradientCaptionPainter::GradientCaptionPainter(const QWidget* window)
    : window_(window), icon_(window != nullptr ? window->windowIcon() : QIcon()) {}

void GradientCaptionPainter::LoadCaptionFont() {
    if (logFontKnown_) return;
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    if (font.pointSizeF() <= 0 && font.pixelSize() <= 0)
        font = window_ != nullptr ? window_->font() : QGuiApplication::font();
    setCaptionLogFont(font);
}

void GradientCaptionPainter::setCaptionLogFont(const QFont& font) {
    logFont_ = font;
    logFontKnown_ = true;
}

namespace {

QString withoutLeadingSpaces(const QString& title) {
    qsizetype first = 0;
    while (first < title.size() && title.at(first) == QLatin1Char(' ')) ++first;
    return title.mid(first);
}

}  // namespace

QFont CaptionFontFor(const QFont& logFont, const CaptionMetrics& metrics) {
    const double scale = static_cast<double>(metrics.captionHeight) /
                         kStandardCaptionMetrics.captionHeight;
    // Point sizes are taken at 96 dpi, the size the standard metrics are for.
    double pixels = logFont.pixelSize() > 0 ? logFont.pixelSize()
                                            : logFont.pointSizeF() * 96.0 / 72.0;
    if (!(pixels > 0)) pixels = 12;
    QFont font = logFont;
    int size = std::max(1, static_cast<int>(std::lround(pixels * scale)));
    const int bandHeight = metrics.captionHeight - 1;
    for (;;) {
        font.setPixelSize(size);
        if (size == 1 || QFontMetrics(font).height() <= bandHeight) break;
        --size;
    }
    return font;
}

StripGeometry GradientCaptionPainter::PaintGradientCaption(Colour start, Colour end, const CaptionInputs& in,
                                                          CaptionCanvas& canvas) {
    // Read what the caption shows.
    const QString title = withoutLeadingSpaces(in.title);
    const StripGeometry g =
        ComputeStripGeometry(StripInputs{in.windowWidth, in.metrics, !in.icon.isNull()});

    // The gradient table, upper index n; a table that cannot be built stays black.
    std::vector<Colour> table(g.bandCount >= 0 ? static_cast<std::size_t>(g.bandCount) + 1 : 0);
    FillGradientTable(table, start, end);

    g.forEachBand([&](int i, const Rect& band) { canvas.fillRect(band, table[i]); });

    if (g.hasIcon) canvas.drawIcon(in.icon, g.icon);

    LoadCaptionFont();
    captionFont_ = CaptionFontFor(logFont_, in.metrics);
    canvas.selectFont(captionFont_);
    canvas.setTextColour(kCaptionTextColour);
    if (!title.isEmpty()) canvas.drawText(title, g.title);

    canvas.copyToTarget(g.copied);
    canvas.excludeRect(g.excluded);
    return g;
}

CaptionResult GradientCaptionPainter::ComposeCaption(const CaptionInputs& in, QImage* target) {
    const int height = std::max(kStripHeight, in.metrics.frameWidth + in.metrics.captionHeight);
    ImageCaptionCanvas canvas(in.windowWidth, height, target);
    const Colour end = in.active ? in.activeColour : in.inactiveColour;
    CaptionResult result;
    result.geometry = PaintGradientCaption(kCaptionStartColour, end, in, canvas);
    result.strip = canvas.strip();
    result.copied = toQRect(result.geometry.copied);
    result.excluded = toQRect(result.geometry.excluded);
    return result;
}

CaptionMetrics CaptionMetricsFor(const QWidget* window) {
    double ratio = 1.0;
    if (window != nullptr) {
        ratio = window->devicePixelRatioF();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        ratio = screen->devicePixelRatio();
    }
    return scaleCaptionMetrics(kStandardCaptionMetrics, ratio);
}

CaptionInputs GradientCaptionPainter::windowInputs(bool active) const {
    CaptionInputs in;
    in.active = active;
    const QWidget* window = window_;
    if (window == nullptr) return in;
    const double ratio = window->devicePixelRatioF();
    in.metrics = CaptionMetricsFor(window);
    in.windowWidth = static_cast<int>(std::lround(window->width() * ratio));
    in.title = window->windowTitle();
    if (!icon_.isNull()) {
        const QSize cell(in.metrics.buttonWidth - 2, in.metrics.buttonHeight - 2);
        if (!cell.isEmpty()) in.icon = icon_.pixmap(cell, 1.0).toImage();
    }
    return in;
}

}  // namespace mss::caption
