// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "winframe.h"

#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace {
// One polyline of the bevel: a column going up the left side and a row along the top, or
// the mirror image along the bottom and the right.
void Corner(QPainter& p, const QColor& c, int x, int y, int w, int h, bool outer, int line) {
    if (outer) { // left column and top row
        p.fillRect(x, y, line, h - line, c);
        p.fillRect(x + line, y, w - 2 * line, line, c);
    } else { // bottom row and right column
        p.fillRect(x, y + h - line, w - line, line, c);
        p.fillRect(x + w - line, y, line, h, c);
    }
}
} // namespace

void DrawWinPanelFrame(QPainter& p, const QRect& r, const QPalette& pal, bool sunken, int line) {
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    // The style's polylines degenerate on a bevel two pixels thin; it is drawn its way.
    if (w <= 2 * line || h <= 2 * line) {
        qDrawWinPanel(&p, r, pal, sunken);
        return;
    }
    const QColor c1 = sunken ? pal.dark().color() : pal.light().color();
    const QColor c2 = sunken ? pal.light().color() : pal.shadow().color();
    const QColor c3 = sunken ? pal.shadow().color() : pal.midlight().color();
    const QColor c4 = sunken ? pal.midlight().color() : pal.dark().color();
    Corner(p, c1, x, y, w, h, true, line);
    Corner(p, c2, x, y, w, h, false, line);
    if (w > 4 * line && h > 4 * line) {
        Corner(p, c3, x + line, y + line, w - 2 * line, h - 2 * line, true, line);
        Corner(p, c4, x + line, y + line, w - 2 * line, h - 2 * line, false, line);
    }
}
