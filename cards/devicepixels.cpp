// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "devicepixels.h"

#include <QtMath>

namespace DevicePixels {

qreal ScaleOf(const QPainter& p) {
    const QTransform t = p.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() <= 0 || t.m22() <= 0)
        return 0;
    return t.m11();
}

QRect Covered(const QPainter& p, const QRectF& r) {
    const QRectF d = p.deviceTransform().mapRect(r);
    const int left = qFloor(d.left() + 0.5);
    const int top = qFloor(d.top() + 0.5);
    const int right = qFloor(d.right() + 0.5);
    const int bottom = qFloor(d.bottom() + 0.5);
    return QRect(left, top, right - left, bottom - top);
}

TDeviceSpace::TDeviceSpace(QPainter& p) : P(p) {
    P.save();
    // The device transform is the world transform followed by what the painter adds (the
    // device's own ratio and the widget's offset): undo the latter.
    const QTransform rest = P.worldTransform().inverted() * P.deviceTransform();
    P.setWorldTransform(rest.inverted());
}

TDeviceSpace::~TDeviceSpace() {
    P.restore();
}

} // namespace DevicePixels
