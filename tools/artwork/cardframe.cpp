// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardframe.h"

#include <QPainter>

namespace CardFrame {

bool IsBorder(int x, int y) {
    // Fold every corner onto the top-left one.
    const int fx = x < Width / 2 ? x : Width - 1 - x;
    const int fy = y < Height / 2 ? y : Height - 1 - y;
    if (fx == 1 && fy == 1)
        return true;
    return (fy == 0 && fx >= 2) || (fx == 0 && fy >= 2);
}

QImage Blank(QRgb border, int scale) {
    QImage img(Width * scale, Height * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            if (IsBorder(x, y))
                p.fillRect(x * scale, y * scale, scale, scale, QColor::fromRgb(border));
    return img;
}

} // namespace CardFrame
