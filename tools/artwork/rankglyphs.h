// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The rank marks of the corner index, drawn pixel by pixel: bold strokes two pixels wide
// that stay legible at 9 pixels high.
namespace RankGlyphs {

// The mark of a card value (0..8 = six..ace: "6" .. "10", "J", "Q", "K", "A") at the given
// whole scale; larger marks are the 1x one enlarged with its diagonals kept smooth.
QImage Mark(int value, int scale, QRgb ink);

} // namespace RankGlyphs
