#include "okglyph.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
QPixmap Tick(int scale) {
    QPixmap pixmap(18 * scale, 18 * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(2.5, 9.5);
    tick.lineTo(7.0, 14.0);
    tick.lineTo(15.5, 3.5);
    // A dark edge under the green stroke keeps the mark readable on a grey button.
    p.setPen(QPen(QColor(0, 80, 0), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(0, 170, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.end();
    return pixmap;
}
} // namespace

QIcon OkGlyph() {
    // Drawn at both densities: a dense screen gets a sharp mark, not the small one blurred up.
    QIcon icon;
    icon.addPixmap(Tick(1));
    icon.addPixmap(Tick(2));
    return icon;
}
