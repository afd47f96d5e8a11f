// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QPainter;
class QPalette;

// The two-pixel bevel of a window-style panel, the same pixels as qDrawWinPanel without a
// fill, as eight solid rectangles: the style's polylines go through the polygon rasteriser
// and cost more than the rest of a panel's paint.
// `line` is the width of each of its lines: 1, or more in device pixels under a zoom.
void DrawWinPanelFrame(QPainter& p, const QRect& r, const QPalette& pal, bool sunken,
                       int line = 1);
