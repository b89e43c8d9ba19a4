// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the painter tests: a canvas that writes down every call, and
// images that are easy to recognise once drawn.

#include <QColor>
#include <QImage>
#include <string>
#include <vector>

#include "caption/caption_canvas.h"
#include "caption/paint_gradient_caption.h"

namespace mss::caption::testing {

struct CanvasCall {
    std::string what;  // "fill", "icon", "font", "textColour", "text", "copy", "exclude"
    Rect rect;
    Colour colour = 0;
    QString text;
};

class RecordingCanvas final : public CaptionCanvas {
public:
    std::vector<CanvasCall> calls;

    void fillRect(const Rect& r, Colour c) override { calls.push_back({"fill", r, c, {}}); }
    void drawIcon(const QImage&, const Rect& r) override { calls.push_back({"icon", r, 0, {}}); }
    void selectFont(const QFont& f) override { calls.push_back({"font", {}, 0, f.family()}); }
    void setTextColour(Colour c) override { calls.push_back({"textColour", {}, c, {}}); }
    void drawText(const QString& t, const Rect& r) override { calls.push_back({"text", r, 0, t}); }
    void copyToTarget(const Rect& r) override { calls.push_back({"copy", r, 0, {}}); }
    void excludeRect(const Rect& r) override { calls.push_back({"exclude", r, 0, {}}); }

    std::vector<std::string> kinds() const {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (out.empty() || out.back() != c.what) out.push_back(c.what);
        return out;
    }
    std::vector<const CanvasCall*> of(const std::string& what) const {
        std::vector<const CanvasCall*> out;
        for (const auto& c : calls)
            if (c.what == what) out.push_back(&c);
        return out;
    }
};

inline QImage solidImage(QColor colour, int size = 32) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

inline Colour colourAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return makeColour(c.red(), c.green(), c.blue());
}

}  // namespace mss::caption::testing
