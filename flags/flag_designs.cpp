// SPDX-License-Identifier: GPL-3.0-or-later
// The table of flag designs. Each flag is one row; a layer that is wrong is
// mended in its row, the committed pictures are drawn again (target
// mss-pictures-update), and printed cards follow at once.

#include "flags/flag_design.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace mss::flags {

unsigned int rgbOf(Colour colour) {
    switch (colour) {
    case Colour::Red: return 0xffff0000;
    case Colour::Blue: return 0xff0000ff;
    case Colour::Yellow: return 0xffffff00;
    case Colour::Black: return 0xff000000;
    case Colour::White: return 0xffffffff;
    }
    return 0xff000000;
}

namespace {

constexpr Outline rectangle{OutlineKind::Rectangle};
constexpr Outline swallowTail{OutlineKind::SwallowTail, 0.25};
constexpr Outline pennant{OutlineKind::Pennant};

// Arms of crosses and saltires, as a fraction of the height.
constexpr double arm = 0.2;
// Where the discs and crosses of the pennants stand: in the hoist part,
// where the pennant is still tall enough to hold them.
constexpr double pennantCharge = 0.27;

std::vector<FlagDesign> makeDesigns() {
    using enum Colour;
    // clang-format off
    return {
        {'A', swallowTail, {VerticalStripes{{White, Blue}}}},
        {'B', swallowTail, {Field{Red}}},
        {'C', rectangle, {HorizontalStripes{{Blue, White, Red, White, Blue}}}},
        {'D', rectangle, {HorizontalStripes{{{Yellow, 1}, {Blue, 2}, {Yellow, 1}}}}},
        {'E', rectangle, {HorizontalStripes{{Blue, Red}}}},
        {'F', rectangle, {Field{White}, Polygon{Red, {{0.5, 0}, {1, 0.5}, {0.5, 1}, {0, 0.5}}}}},
        {'G', rectangle, {VerticalStripes{{Yellow, Blue, Yellow, Blue, Yellow, Blue}}}},
        {'H', rectangle, {VerticalStripes{{White, Red}}}},
        {'I', rectangle, {Field{Yellow}, Disc{Black, 0.5, 0.5, 0.55}}},
        {'J', rectangle, {HorizontalStripes{{Blue, White, Blue}}}},
        {'K', rectangle, {VerticalStripes{{Yellow, Blue}}}},
        {'L', rectangle, {Quarters{Yellow, Black, Black, Yellow}}},
        {'M', rectangle, {Field{Blue}, Saltire{White, arm}}},
        {'N', rectangle, {Chequers{Blue, White, 4, 4}}},
        {'O', rectangle, {Field{Yellow}, Polygon{Red, {{0, 0}, {1, 0}, {1, 1}}}}},
        {'P', rectangle, {Field{Blue}, CentreSquare{White, 0.4}}},
        {'Q', rectangle, {Field{Yellow}}},
        {'R', rectangle, {Field{Red}, Cross{Yellow, 0.5, arm}}},
        {'S', rectangle, {Field{White}, CentreSquare{Blue, 0.4}}},
        {'T', rectangle, {VerticalStripes{{Red, White, Blue}}}},
        {'U', rectangle, {Quarters{Red, White, White, Red}}},
        {'V', rectangle, {Field{White}, Saltire{Red, arm}}},
        {'W', rectangle, {Field{Blue}, Inset{White, 1.0 / 6}, Inset{Red, 2.0 / 6}}},
        {'X', rectangle, {Field{White}, Cross{Blue, 0.5, arm}}},
        {'Y', rectangle, {DiagonalStripes{Yellow, Red, 10}}},
        {'Z', rectangle, {Polygon{Yellow, {{0, 0}, {1, 0}, {0.5, 0.5}}}, Polygon{Blue, {{1, 0}, {1, 1}, {0.5, 0.5}}},
                          Polygon{Red, {{1, 1}, {0, 1}, {0.5, 0.5}}}, Polygon{Black, {{0, 1}, {0, 0}, {0.5, 0.5}}}}},
        {'1', pennant, {Field{White}, Disc{Red, pennantCharge, 0.5, 0.5}}},
        {'2', pennant, {Field{Blue}, Disc{White, pennantCharge, 0.5, 0.5}}},
        {'3', pennant, {VerticalStripes{{Red, White, Blue}}}},
        {'4', pennant, {Field{Red}, Cross{White, pennantCharge, arm}}},
        {'5', pennant, {VerticalStripes{{Yellow, Blue}}}},
        {'6', pennant, {HorizontalStripes{{Black, White}}}},
        {'7', pennant, {HorizontalStripes{{Yellow, Red}}}},
        {'8', pennant, {Field{White}, Cross{Red, pennantCharge, arm}}},
        {'9', pennant, {Quarters{White, Black, Red, Yellow, 0.4}}},
        {'0', pennant, {VerticalStripes{{Yellow, Red, Yellow}}}},
        {0, pennant, {Field{Blue}, PennantInset{Yellow, 0.1}}, "substitute-1"},
        {0, pennant, {VerticalStripes{{{Blue, 1}, {White, 2}}}}, "substitute-2"},
        {0, pennant, {HorizontalStripes{{White, Black, White}}}, "substitute-3"},
        {0, pennant, {VerticalStripes{{Red, White, Red, White, Red}}}, "answering"},
    };
    // clang-format on
}

void addColour(std::vector<Colour>& colours, Colour colour) {
    if (std::find(colours.begin(), colours.end(), colour) == colours.end()) colours.push_back(colour);
}

}  // namespace

const std::vector<FlagDesign>& flagDesigns() {
    static const std::vector<FlagDesign> designs = makeDesigns();
    return designs;
}

QString fileStemOf(const FlagDesign& design) {
    return design.name ? QString::fromLatin1(design.name) : QString(QChar::fromLatin1(design.symbol));
}

const FlagDesign& flagDesign(char symbol) {
    for (const FlagDesign& design : flagDesigns())
        if (symbol != 0 && design.symbol == symbol) return design;
    throw std::out_of_range(std::string("no flag design for symbol ") + symbol);
}

std::vector<Colour> coloursOf(const FlagDesign& design) {
    std::vector<Colour> colours;
    for (const Layer& layer : design.layers) {
        std::visit(
            [&](const auto& shape) {
                using T = std::decay_t<decltype(shape)>;
                if constexpr (std::is_same_v<T, HorizontalStripes> || std::is_same_v<T, VerticalStripes>) {
                    for (const Band& band : shape.bands) addColour(colours, band.colour);
                } else if constexpr (std::is_same_v<T, Quarters>) {
                    for (Colour c : {shape.upperHoist, shape.upperFly, shape.lowerHoist, shape.lowerFly})
                        addColour(colours, c);
                } else if constexpr (std::is_same_v<T, Chequers> || std::is_same_v<T, DiagonalStripes>) {
                    addColour(colours, shape.first);
                    addColour(colours, shape.second);
                } else {
                    addColour(colours, shape.colour);
                }
            },
            layer);
    }
    return colours;
}

}  // namespace mss::flags
