// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suitshapes.h"

#include "pixelart.h"

#include <QPainter>

#include <algorithm>

namespace SuitShapes {

namespace {
// The small pips of the corner index, drawn pixel by pixel: at seven pixels wide an outline
// filled by coverage loses the lobes of the club and the point of the heart.
constexpr const char* IndexPips[4] = {
    R"(
..###..
.#####.
.#####.
..###..
##.#.##
#######
##.#.##
...#...
..###..
)",
    R"(
...#...
..###..
.#####.
#######
.#####.
..###..
...#...
)",
    R"(
.##.##.
#######
#######
.#####.
..###..
...#...
)",
    R"(
...#...
..###..
.#####.
#######
#######
##.#.##
...#...
..###..
)",
};

// The number pips of the club, diamond and spade, pixel by pixel: filled by coverage the
// stems come loose and the diamond's points end in lone pixels. The heart needs no help.
constexpr const char* NumberPips[4] = {
    R"(
....###....
...#####...
...#####...
...#####...
.##.###.##.
###########
###########
###########
.##..#..##.
.....#.....
....###....
...#####...
)",
    R"(
....#....
...###...
...###...
..#####..
.#######.
#########
#########
.#######.
..#####..
...###...
...###...
....#....
)",
    nullptr,
    R"(
.....#.....
....###....
...#####...
..#######..
.#########.
###########
###########
###########
.###.#.###.
.....#.....
....###....
...#####...
)",
};

QPainterPath Heart() {
    QPainterPath p;
    p.moveTo(50, 24);
    p.cubicTo(44, 7, 34, 0, 24, 0);
    p.cubicTo(10, 0, 0, 12, 0, 30);
    p.cubicTo(0, 56, 30, 72, 50, 100);
    p.cubicTo(70, 72, 100, 56, 100, 30);
    p.cubicTo(100, 12, 90, 0, 76, 0);
    p.cubicTo(66, 0, 56, 7, 50, 24);
    p.closeSubpath();
    return p;
}

QPainterPath Diamond() {
    QPainterPath p;
    p.moveTo(50, 0);
    // Sides barely hollowed: more and the small pips turn into spikes.
    p.cubicTo(60, 17, 80, 38, 100, 50);
    p.cubicTo(80, 62, 60, 83, 50, 100);
    p.cubicTo(40, 83, 20, 62, 0, 50);
    p.cubicTo(20, 38, 40, 17, 50, 0);
    p.closeSubpath();
    return p;
}

// A stem from the sign's body down to a flared foot along the bottom edge.
QPainterPath Stem(qreal top, qreal halfWidth, qreal footHalfWidth) {
    QPainterPath p;
    p.moveTo(50 - halfWidth, top);
    p.cubicTo(50 - halfWidth, top + (100 - top) * 0.55, 50 - footHalfWidth * 0.5, 94,
              50 - footHalfWidth, 100);
    p.lineTo(50 + footHalfWidth, 100);
    p.cubicTo(50 + footHalfWidth * 0.5, 94, 50 + halfWidth, top + (100 - top) * 0.55,
              50 + halfWidth, top);
    p.closeSubpath();
    return p;
}

QPainterPath SpadeBody() {
    QPainterPath p;
    p.moveTo(50, 0);
    p.cubicTo(40, 18, 0, 34, 0, 56);
    p.cubicTo(0, 71, 11, 80, 25, 80);
    p.cubicTo(37, 80, 46, 74, 50, 66);
    p.cubicTo(54, 74, 63, 80, 75, 80);
    p.cubicTo(89, 80, 100, 71, 100, 56);
    p.cubicTo(100, 34, 60, 18, 50, 0);
    p.closeSubpath();
    return p;
}

QPainterPath Circle(qreal cx, qreal cy, qreal r) {
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), r, r);
    return p;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath p;
    p.addPolygon(QPolygonF(points));
    p.closeSubpath();
    return p;
}
} // namespace

std::vector<QPainterPath> Outline(int suit) {
    switch (suit) {
    case 0:
        return {Circle(50, 25, 24), Circle(25, 58, 24), Circle(75, 58, 24),
                Polygon({{50, 30}, {27, 60}, {73, 60}}), Stem(60, 6, 24)};
    case 1:
        return {Diamond()};
    case 2:
        return {Heart()};
    default:
        return {SpadeBody(), Stem(66, 6, 24)};
    }
}

QSize PipSize(int suit, PipKind kind) {
    switch (kind) {
    case PipKind::Index:
        return PixelArt::Mask(IndexPips[suit], 0).size();
    case PipKind::Number:
        return suit == 1 ? QSize(9, 12) : suit == 2 ? QSize(11, 10) : QSize(11, 12);
    case PipKind::Ace:
        return suit == 1 ? QSize(21, 28) : suit == 2 ? QSize(25, 24) : QSize(25, 26);
    }
    return {};
}

QImage PipMask(int suit, QSize box, QRgb ink) {
    return MaskOf(Outline(suit), box, ink);
}

QImage MaskOf(const std::vector<QPainterPath>& parts, QSize box, QRgb ink) {
    constexpr int Sub = 16; // samples per pixel along each axis
    // The samples are drawn a band of rows at a time, one byte each: a large pip at a large
    // scale would otherwise take tens of megabytes for a moment.
    constexpr int BandRows = 16;
    const int w = box.width();
    QImage out(box, QImage::Format_ARGB32);
    out.fill(0);
    QImage fine(w * Sub, BandRows * Sub, QImage::Format_Alpha8);
    for (int top = 0; top < box.height(); top += BandRows) {
        fine.fill(0);
        {
            QPainter p(&fine);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.translate(0, -top * Sub);
            p.scale(w * Sub / 100.0, box.height() * Sub / 100.0);
            for (const QPainterPath& part : parts)
                p.fillPath(part, Qt::black);
        }
        auto coverage = [&](int x, int y) {
            int n = 0;
            for (int sy = 0; sy < Sub; ++sy) {
                const uchar* line = fine.constScanLine((y - top) * Sub + sy);
                for (int sx = 0; sx < Sub; ++sx)
                    n += line[x * Sub + sx] != 0;
            }
            return n;
        };
        for (int y = top; y < std::min(box.height(), top + BandRows); ++y)
            for (int x = 0; x <= (w - 1) / 2; ++x) {
                const int both = coverage(x, y) + coverage(w - 1 - x, y);
                if (both * 2 >= 2 * Sub * Sub) {
                    out.setPixel(x, y, ink);
                    out.setPixel(w - 1 - x, y, ink);
                }
            }
    }
    return out;
}

QImage Pip(int suit, PipKind kind, int scale, QRgb ink) {
    if (kind == PipKind::Index) {
        const QImage one = PixelArt::Mask(IndexPips[suit], ink);
        if (scale == 1)
            return one;
        // At twice the size there are pixels enough for the outline itself.
        return PipMask(suit, one.size() * scale, ink);
    }
    if (kind == PipKind::Number && scale == 1 && NumberPips[suit])
        return PixelArt::Mask(NumberPips[suit], ink);
    return PipMask(suit, PipSize(suit, kind) * scale, ink);
}

} // namespace SuitShapes
