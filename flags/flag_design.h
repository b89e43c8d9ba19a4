// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signal flags as data: each design is a list of layers painted one over
// the other, then cut to the flag's outline. Positions are fractions of the
// picture (x from the hoist at the left, y from the top); sizes of round and
// square things and the widths of arms are fractions of the picture's height,
// so that a disc stays round and a square stays square at any width.

#include <QPointF>
#include <QString>

#include <variant>
#include <vector>

namespace mss::flags {

enum class Colour { Red, Blue, Yellow, Black, White };

// The saturated colour a picture uses for a flag colour.
unsigned int rgbOf(Colour colour);  // 0xAARRGGBB, always opaque

enum class OutlineKind { Rectangle, SwallowTail, Pennant };

struct Outline {
    OutlineKind kind = OutlineKind::Rectangle;
    // Swallow-tail only: how far the notch reaches in from the fly, as a
    // fraction of the length. The notch opens over the whole fly edge.
    double notchDepth = 0;
};

struct Band {
    Band(Colour c, double w = 1) : colour(c), weight(w) {}
    Colour colour;
    double weight;
};

// The whole picture in one colour.
struct Field {
    Colour colour;
};
// Bands from top to bottom, each as tall as its share of the weights.
struct HorizontalStripes {
    std::vector<Band> bands;
};
// Bands from the hoist to the fly, each as long as its share of the weights.
struct VerticalStripes {
    std::vector<Band> bands;
};
// Four quarters meeting at (splitX, half the height).
struct Quarters {
    Colour upperHoist, upperFly, lowerHoist, lowerFly;
    double splitX = 0.5;
};
// Squares of a chessboard, the first colour in the upper hoist corner.
struct Chequers {
    Colour first, second;
    int columns, rows;
};
struct Disc {
    Colour colour;
    double centreX, centreY, diameter;
};
// An upright cross whose arms reach the edges; the horizontal arm lies at
// half the height, the vertical one at centreX.
struct Cross {
    Colour colour;
    double centreX, armWidth;
};
// A diagonal cross from corner to corner.
struct Saltire {
    Colour colour;
    double armWidth;
};
// A square in the middle of the picture.
struct CentreSquare {
    Colour colour;
    double side;
};
// A rectangle that leaves a margin of `margin` on every side.
struct Inset {
    Colour colour;
    double margin;
};
// Equal bands slanting parallel to the diagonal from the lower hoist corner
// to the upper fly corner, the first colour in the upper hoist corner.
struct DiagonalStripes {
    Colour first, second;
    int count;
};
struct Polygon {
    Colour colour;
    std::vector<QPointF> points;
};
// The triangle of a pennant's outline drawn smaller, leaving a band of
// `margin` (a fraction of the height) along each of its three edges.
struct PennantInset {
    Colour colour;
    double margin;
};

using Layer = std::variant<Field, HorizontalStripes, VerticalStripes, Quarters, Chequers, Disc, Cross,
                           Saltire, CentreSquare, Inset, DiagonalStripes, Polygon, PennantInset>;

struct FlagDesign {
    char symbol;  // 'A'..'Z' or '0'..'9'; 0 for the substitutes and the answering pennant
    Outline outline;
    std::vector<Layer> layers;
    const char* name = nullptr;  // for a flag without a symbol: "substitute-1", "answering"
};

// The 40 designs of the flags of one set: letters A..Z, pennants 1..9 and 0,
// the 1st, 2nd and 3rd substitutes and the answering pennant.
const std::vector<FlagDesign>& flagDesigns();

// What follows "flag-" in the name of a flag's picture: "A", "7",
// "substitute-1", "answering".
QString fileStemOf(const FlagDesign& design);

// The design of the flag with this symbol; throws std::out_of_range for none.
const FlagDesign& flagDesign(char symbol);

// The flag colours a design uses, in the order they first appear.
std::vector<Colour> coloursOf(const FlagDesign& design);

}  // namespace mss::flags
