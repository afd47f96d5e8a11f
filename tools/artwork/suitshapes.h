// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPainterPath>
#include <QSize>

#include <vector>

// The four suit signs as outlines, and their pixel masks at the sizes the cards use.
namespace SuitShapes {

enum class PipKind { Index, Number, Ace };

// The parts of a suit sign (clubs, diamonds, hearts, spades = 0..3) in a 100 x 100 box;
// each part is filled on its own, so overlapping parts need no union.
std::vector<QPainterPath> Outline(int suit);

// Size of a pip at ratio 1: odd widths centre on a pixel column; the number pips and the
// aces have even heights, so that a pip centred on the card's middle line turns onto itself.
QSize PipSize(int suit, PipKind kind);

// The sign filled into a box of the given size: a pixel is ink when at least half of it is
// covered. Mirror pixels are decided together, so the mask is exactly symmetric.
QImage PipMask(int suit, QSize box, QRgb ink);

// Any parts of an outline filled into a box by the same rule.
QImage MaskOf(const std::vector<QPainterPath>& parts, QSize box, QRgb ink);

// PipMask at the given kind's size times scale.
QImage Pip(int suit, PipKind kind, int scale, QRgb ink);

} // namespace SuitShapes
