// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programicon.h"
#include "palette.h"
#include "pixelart.h"

#include <QPainter>
#include <QPainterPath>

namespace ProgramIcon {

namespace {
// At 32 pixels the diamonds are set pixel by pixel; drawn from the outline they turn into
// crosses.
constexpr const char* BigDiamond = R"(
....#....
...###...
...###...
..#####..
..#####..
.#######.
#########
.#######.
..#####..
..#####..
...###...
...###...
....#....
)";
constexpr const char* SmallDiamond = R"(
.#.
###
###
.#.
)";

struct TDiamond {
    qreal cx, cy, hw, hh; // centre and half sizes, in 32-pixel units
};
constexpr TDiamond Diamonds[3] = {{15.5, 15.5, 4.5, 6.5}, {10.5, 7, 1.5, 2}, {20.5, 24, 1.5, 2}};

// The field and the card, in the coordinates of the 32 x 32 icon.
void DrawCard(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(Palette::Green));
    p.drawRoundedRect(QRectF(0, 0, 32, 32), 4, 4);

    // The card's shadow, its black edge and its white face.
    p.setBrush(QColor::fromRgb(Palette::Black));
    p.drawRoundedRect(QRectF(9, 5, 17, 24), 2.5, 2.5);
    p.drawRoundedRect(QRectF(7, 3, 17, 24), 2.5, 2.5);
    p.setBrush(QColor::fromRgb(Palette::White));
    p.drawRoundedRect(QRectF(8, 4, 15, 22), 1.5, 1.5);
}

void DrawDiamonds(QPainter& p) {
    for (const TDiamond& d : Diamonds) {
        QPainterPath path;
        path.moveTo(d.cx, d.cy - d.hh);
        path.lineTo(d.cx + d.hw, d.cy);
        path.lineTo(d.cx, d.cy + d.hh);
        path.lineTo(d.cx - d.hw, d.cy);
        path.closeSubpath();
        p.fillPath(path, QColor::fromRgb(Palette::Red));
    }
}
} // namespace

QImage Classic(int scale) {
    QImage img(32 * scale, 32 * scale, QImage::Format_ARGB32);
    img.fill(0);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.scale(scale, scale);
        DrawCard(p);
        if (scale > 1)
            DrawDiamonds(p);
    }
    if (scale == 1) {
        PixelArt::Blit(img, PixelArt::Mask(BigDiamond, Palette::Red), 11, 9);
        const QImage small = PixelArt::Mask(SmallDiamond, Palette::Red);
        PixelArt::Blit(img, small, 9, 5);
        PixelArt::Blit(img, small, 19, 22);
    }
    // Exact palette colours only (drawing without smoothing keeps them; this makes sure).
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            img.setPixel(x, y, qAlpha(c) < 128 ? QRgb(0) : Palette::Nearest(c));
        }
    return img;
}

QImage Smooth(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(0);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 32.0, size / 32.0);
    DrawCard(p);
    DrawDiamonds(p);
    return img;
}

} // namespace ProgramIcon
