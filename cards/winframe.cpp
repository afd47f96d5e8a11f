// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "winframe.h"

#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace {
// One polyline of the bevel: a column going up the left side and a row along the top, or
// the mirror image along the bottom and the right.
void Corner(QPainter& p, const QColor& c, int x, int y, int w, int h, bool outer) {
    if (outer) { // left column and top row
        p.fillRect(x, y, 1, h - 1, c);
        p.fillRect(x + 1, y, w - 2, 1, c);
    } else { // bottom row and right column
        p.fillRect(x, y + h - 1, w - 1, 1, c);
        p.fillRect(x + w - 1, y, 1, h, c);
    }
}
} // namespace

void DrawWinPanelFrame(QPainter& p, const QRect& r, const QPalette& pal, bool sunken) {
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    // The style's polylines degenerate on a bevel two pixels thin; it is drawn its way.
    if (w <= 2 || h <= 2) {
        qDrawWinPanel(&p, r, pal, sunken);
        return;
    }
    const QColor c1 = sunken ? pal.dark().color() : pal.light().color();
    const QColor c2 = sunken ? pal.light().color() : pal.shadow().color();
    const QColor c3 = sunken ? pal.shadow().color() : pal.midlight().color();
    const QColor c4 = sunken ? pal.midlight().color() : pal.dark().color();
    Corner(p, c1, x, y, w, h, true);
    Corner(p, c2, x, y, w, h, false);
    if (w > 4 && h > 4) {
        Corner(p, c3, x + 1, y + 1, w - 2, h - 2, true);
        Corner(p, c4, x + 1, y + 1, w - 2, h - 2, false);
    }
}
