// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "glyphs.h"

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace vesk {

namespace {

constexpr int Side = 18;

const QRgb Olive = qRgb(128, 128, 0);
const QRgb Green = qRgb(0, 128, 0);
const QRgb Lime = qRgb(0, 255, 0);
const QRgb Grey = qRgb(128, 128, 128);
const QRgb White = qRgb(255, 255, 255);

// The 16 standard colours.
const QList<QRgb> Palette = {
    qRgb(0, 0, 0),
    qRgb(128, 0, 0),
    Green,
    Olive,
    qRgb(0, 0, 128),
    qRgb(128, 0, 128),
    qRgb(0, 128, 128),
    Grey,
    qRgb(192, 192, 192),
    qRgb(255, 0, 0),
    Lime,
    qRgb(255, 255, 0),
    qRgb(0, 0, 255),
    qRgb(255, 0, 255),
    qRgb(0, 255, 255),
    White,
};

struct TPoint {
    double X, Y;
};

// Whether a pixel centre lies in the picture.
using TShape = std::function<bool(TPoint)>;

TPoint Polar(TPoint centre, double degrees, double radius) {
    const double a = degrees * std::numbers::pi / 180;
    return {centre.X + radius * std::cos(a), centre.Y - radius * std::sin(a)};
}

bool InTriangle(TPoint p, TPoint a, TPoint b, TPoint c) {
    auto side = [](TPoint p, TPoint q, TPoint r) {
        return (q.X - p.X) * (r.Y - p.Y) - (q.Y - p.Y) * (r.X - p.X);
    };
    const double d1 = side(a, b, p), d2 = side(b, c, p), d3 = side(c, a, p);
    return !((d1 < 0 || d2 < 0 || d3 < 0) && (d1 > 0 || d2 > 0 || d3 > 0));
}

double SegmentDistance(TPoint p, TPoint a, TPoint b) {
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    double t = ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / (dx * dx + dy * dy);
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

// The picture in lime with a green rim, and beside it the greyed twin: grey with a white
// shadow one pixel down and right, as a disabled button shows it.
QImage Bitmap(const TShape& shape) {
    bool mask[Side][Side];
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            mask[y][x] = shape({x + 0.5, y + 0.5});
    auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < Side && y < Side && mask[y][x]; };

    QImage image(2 * Side, Side, QImage::Format_RGB32);
    image.fill(Olive);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            if (!mask[y][x])
                continue;
            const bool rim = !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1);
            image.setPixel(x, y, rim ? Green : Lime);
            if (x + 1 < Side && y + 1 < Side)
                image.setPixel(Side + x + 1, y + 1, White);
        }
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            if (mask[y][x])
                image.setPixel(Side + x, y, Grey);
    return image.convertToFormat(QImage::Format_Indexed8, Palette);
}

// The check mark: a short stroke down to the right, a long one up to the right. The bitmap's
// short stroke stands half a pixel higher than the smooth one's.
struct TCheckMark {
    TPoint A, B, C;
};

TCheckMark CheckMark(TOkLook look) {
    if (look == TOkLook::Bitmap16)
        return {{2.5, 9.0}, {7.0, 13.5}, {15.5, 3.5}};
    return {{2.5, 9.5}, {7.0, 14.0}, {15.5, 3.5}};
}

// The smooth look, 18 x 18 at the given density.
QPixmap SmoothCheckMark(int scale) {
    const TCheckMark m = CheckMark(TOkLook::Smooth);
    QPixmap pixmap(Side * scale, Side * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(m.A.X, m.A.Y);
    tick.lineTo(m.B.X, m.B.Y);
    tick.lineTo(m.C.X, m.C.Y);
    // A dark edge under the green stroke keeps the mark readable on a grey button.
    p.setPen(QPen(QColor(0, 80, 0), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(0, 170, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.end();
    return pixmap;
}

} // namespace

QIcon OkGlyph(TOkLook look) {
    if (look == TOkLook::Bitmap16)
        return GlyphIcon(OkGlyphBitmap());
    // Drawn at both densities: a dense screen gets a sharp mark, not the small one blurred up.
    QIcon icon;
    icon.addPixmap(SmoothCheckMark(1));
    icon.addPixmap(SmoothCheckMark(2));
    return icon;
}

QImage OkGlyphBitmap() {
    const TCheckMark m = CheckMark(TOkLook::Bitmap16);
    return Bitmap([=](TPoint p) {
        return std::min(SegmentDistance(p, m.A, m.B), SegmentDistance(p, m.B, m.C)) < 1.9;
    });
}

QImage ClearGlyphBitmap() {
    // Two arrows chasing each other clockwise round a ring: one over the top, pointing down
    // at the right, one under the bottom, pointing up at the left.
    const TPoint centre{9.0, 9.0};
    return Bitmap([=](TPoint p) {
        const double r = std::hypot(p.X - centre.X, p.Y - centre.Y);
        double angle = std::atan2(centre.Y - p.Y, p.X - centre.X) * 180 / std::numbers::pi;
        if (angle < 0)
            angle += 360;
        const bool ring = r >= 3.9 && r <= 6.9;
        if (ring && ((angle >= 60 && angle <= 175) || (angle >= 240 && angle <= 355)))
            return true;
        for (double base : {60.0, 240.0}) {
            if (InTriangle(p, Polar(centre, base, 1.4), Polar(centre, base, 9.4),
                           Polar(centre, base - 55, 5.4)))
                return true;
        }
        return false;
    });
}

QIcon GlyphIcon(const QImage& bitmap) {
    const QRgb transparent = bitmap.pixel(0, bitmap.height() - 1);
    const int side = bitmap.width() / 2;
    QIcon icon;
    for (int half = 0; half < 2; ++half) {
        QImage image = bitmap.copy(half * side, 0, side, bitmap.height())
                           .convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == transparent)
                    image.setPixel(x, y, qRgba(0, 0, 0, 0));
        icon.addPixmap(QPixmap::fromImage(image), half == 0 ? QIcon::Normal : QIcon::Disabled);
    }
    return icon;
}

} // namespace vesk
