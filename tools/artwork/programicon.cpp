#include "programicon.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

namespace ProgramIcon {

namespace {
// The picture in the coordinates of the 32 x 32 icon.
void Draw(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(Palette::Green));
    p.drawRoundedRect(QRectF(0, 0, 32, 32), 4, 4);

    // The card's shadow, then the card.
    p.setBrush(QColor::fromRgb(Palette::Black));
    p.drawRoundedRect(QRectF(9, 5, 17, 24), 2.5, 2.5);
    p.setBrush(QColor::fromRgb(Palette::Black));
    p.drawRoundedRect(QRectF(7, 3, 17, 24), 2.5, 2.5);
    p.setBrush(QColor::fromRgb(Palette::White));
    p.drawRoundedRect(QRectF(8, 4, 15, 22), 1.5, 1.5);

    // The diamond in the middle, and small ones at two corners of the card.
    auto diamond = [&p](qreal cx, qreal cy, qreal hw, qreal hh) {
        QPainterPath d;
        d.moveTo(cx, cy - hh);
        d.lineTo(cx + hw, cy);
        d.lineTo(cx, cy + hh);
        d.lineTo(cx - hw, cy);
        d.closeSubpath();
        p.fillPath(d, QColor::fromRgb(Palette::Red));
    };
    diamond(15.5, 15, 4.5, 6.5);
    diamond(10.5, 7, 1.5, 2);
    diamond(20.5, 23, 1.5, 2);
}
} // namespace

QImage Classic(int scale) {
    QImage img(32 * scale, 32 * scale, QImage::Format_ARGB32);
    img.fill(0);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.scale(scale, scale);
        Draw(p);
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
    Draw(p);
    return img;
}

} // namespace ProgramIcon
