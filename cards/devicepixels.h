// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QRect>

// Painting pixel for pixel under a painter that scales: a zoomed table, a dense screen, or
// both. The layout stays in layout pixels; what must stay sharp is drawn in device pixels.
namespace DevicePixels {

// The painter's device pixels per layout pixel, when it only scales and moves (the same
// along both axes, up to rounding); 0 when it turns or shears.
qreal ScaleOf(const QPainter& p);

// The device pixels a rectangle in the painter's coordinates covers: both edges rounded to
// the nearest pixel boundary, as the painter's clip of a widget is. Adjacent rectangles
// cover adjacent pixels, and a whole scale maps edges exactly.
QRect Covered(const QPainter& p, const QRectF& r);

// While it lives, the painter's coordinates are its device's pixels: (0, 0) is the device's
// top-left pixel and one unit is one pixel; the clip stays as it was.
class TDeviceSpace {
public:
    explicit TDeviceSpace(QPainter& p);
    ~TDeviceSpace();
    TDeviceSpace(const TDeviceSpace&) = delete;
    TDeviceSpace& operator=(const TDeviceSpace&) = delete;

private:
    QPainter& P;
};

} // namespace DevicePixels
