// SPDX-License-Identifier: GPL-3.0-or-later
#include "raster.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>
#include <unordered_map>

namespace mss::picturegen {

QImage supersampledCanvas(QSize pictureSize) {
    QImage canvas(pictureSize * kSamplesPerPixel, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

QImage downsample(const QImage& canvas, int factor) {
    const QImage src = canvas.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = src.width() / factor;
    const int h = src.height() / factor;
    QImage out(w, h, QImage::Format_ARGB32);
    const int samples = factor * factor;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            long a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const auto* row = reinterpret_cast<const QRgb*>(src.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb p = row[x * factor + sx];
                    a += qAlpha(p);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            if (a == 0) {
                line[x] = 0;
                continue;
            }
            // Premultiplied sums: dividing by the summed alpha gives the mean
            // colour of what covers the pixel.
            auto unpremultiplied = [a](long c) { return static_cast<int>(std::min(255L, (c * 255 + a / 2) / a)); };
            line[x] = qRgba(unpremultiplied(r), unpremultiplied(g), unpremultiplied(b),
                            static_cast<int>((a + samples / 2) / samples));
        }
    }
    return out;
}

QImage IndexedImage::toImage() const {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int index = at(x, y);
            image.setPixel(x, y, index == transparentIndex ? 0u : palette[index]);
        }
    return image;
}

bool isTransparentSample(unsigned int argb) { return qAlpha(argb) < 128; }

namespace {

int paletteSizeFor(int colours, int minimum) {
    int size = 2;
    while (size < colours || size < minimum) size *= 2;
    if (size > 256) throw std::length_error("a palette holds at most 256 colours");
    return size;
}

int distance(unsigned int a, unsigned int b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

}  // namespace

IndexedImage reduceToPalette(const QImage& source, const std::vector<unsigned int>& colours, bool transparency,
                             int minimumPaletteSize) {
    if (colours.empty()) throw std::invalid_argument("a palette needs at least one colour");
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    const int used = static_cast<int>(colours.size()) + (transparency ? 1 : 0);
    out.palette.assign(static_cast<size_t>(paletteSizeFor(used, minimumPaletteSize)), 0xff000000u);
    for (size_t i = 0; i < colours.size(); ++i) out.palette[i] = colours[i] | 0xff000000u;
    if (transparency) {
        out.transparentIndex = static_cast<int>(colours.size());
        // The colour a viewer without transparency shows: a neutral grey.
        out.palette[colours.size()] = 0xffc0c0c0u;
    }

    std::unordered_map<unsigned int, std::uint8_t> nearest;
    out.pixels.resize(static_cast<size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            const QRgb p = line[x];
            std::uint8_t index;
            if (transparency && isTransparentSample(p)) {
                index = static_cast<std::uint8_t>(out.transparentIndex);
            } else {
                const unsigned int rgb = p & 0xffffffu;
                auto it = nearest.find(rgb);
                if (it == nearest.end()) {
                    int best = 0;
                    for (size_t i = 1; i < colours.size(); ++i)
                        if (distance(rgb, colours[i]) < distance(rgb, colours[best])) best = static_cast<int>(i);
                    it = nearest.emplace(rgb, static_cast<std::uint8_t>(best)).first;
                }
                index = it->second;
            }
            out.pixels[static_cast<size_t>(y) * out.width + x] = index;
        }
    }
    return out;
}

namespace {

struct WeightedColour {
    unsigned int rgb;
    long count;
};

int channel(unsigned int rgb, int c) { return static_cast<int>((rgb >> (16 - 8 * c)) & 0xff); }

struct Box {
    size_t begin, end;  // a range of the colour list

    int range(const std::vector<WeightedColour>& list, int c) const {
        int lo = 255, hi = 0;
        for (size_t i = begin; i < end; ++i) {
            lo = std::min(lo, channel(list[i].rgb, c));
            hi = std::max(hi, channel(list[i].rgb, c));
        }
        return hi - lo;
    }
};

std::vector<unsigned int> medianCut(std::vector<WeightedColour> list, int maxColours) {
    std::vector<Box> boxes{{0, list.size()}};
    while (static_cast<int>(boxes.size()) < maxColours) {
        // Split the box with the widest spread in any channel.
        int bestBox = -1, bestChannel = 0, bestRange = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            for (int c = 0; c < 3; ++c) {
                const int r = boxes[i].range(list, c);
                if (r > bestRange) bestBox = static_cast<int>(i), bestChannel = c, bestRange = r;
            }
        }
        if (bestBox < 0) break;
        Box& box = boxes[static_cast<size_t>(bestBox)];
        const int c = bestChannel;
        std::sort(list.begin() + static_cast<long>(box.begin), list.begin() + static_cast<long>(box.end),
                  [c](const WeightedColour& a, const WeightedColour& b) {
                      const int ca = channel(a.rgb, c), cb = channel(b.rgb, c);
                      return ca != cb ? ca < cb : a.rgb < b.rgb;
                  });
        long total = 0;
        for (size_t i = box.begin; i < box.end; ++i) total += list[i].count;
        long seen = 0;
        size_t split = box.begin + 1;
        for (size_t i = box.begin; i < box.end - 1; ++i) {
            seen += list[i].count;
            split = i + 1;
            if (seen * 2 >= total) break;
        }
        const Box upper{split, box.end};
        box.end = split;
        boxes.push_back(upper);
    }
    std::vector<unsigned int> palette;
    for (const Box& box : boxes) {
        long n = 0;
        std::array<long, 3> sum{};
        for (size_t i = box.begin; i < box.end; ++i) {
            n += list[i].count;
            for (int c = 0; c < 3; ++c) sum[static_cast<size_t>(c)] += channel(list[i].rgb, c) * list[i].count;
        }
        auto mean = [&](int c) { return static_cast<int>((sum[static_cast<size_t>(c)] + n / 2) / n); };
        palette.push_back(qRgb(mean(0), mean(1), mean(2)));
    }
    std::sort(palette.begin(), palette.end());
    return palette;
}

}  // namespace

IndexedImage reduceByMedianCut(const QImage& source, int maxColours, bool transparency, int minimumPaletteSize) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    std::map<unsigned int, long> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (!transparency || !isTransparentSample(line[x])) ++histogram[line[x] & 0xffffffu];
    }
    std::vector<WeightedColour> list;
    for (const auto& [rgb, count] : histogram) list.push_back({rgb, count});
    std::vector<unsigned int> colours =
        list.empty() ? std::vector<unsigned int>{0xff000000u} : medianCut(list, maxColours - (transparency ? 1 : 0));
    return reduceToPalette(image, colours, transparency, minimumPaletteSize);
}

}  // namespace mss::picturegen
