// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardfaces.h"
#include "palette.h"
#include "pixelart.h"
#include "suitshapes.h"

namespace CardFaces {

namespace {
// Ratio-1 placement of the large spade: 39 x 46, centred on the card.
constexpr int Left = 16;
constexpr int Top = 25;
constexpr int Width = 39;
constexpr int Height = 46;

} // namespace

void DrawAceOfSpades(QImage& card, int scale) {
    using namespace PixelArt;
    const QSize box(Width * scale, Height * scale);
    const std::vector<QPainterPath> parts = SuitShapes::Outline(3);
    const QImage sign = SuitShapes::MaskOf(parts, box, Palette::Black);
    // A white line two pixels inside the outline of the body (not into the stem).
    const QImage body = SuitShapes::MaskOf({parts.front()}, box, Palette::Black);
    const QImage line = Minus(Eroded(body, 2 * scale), Eroded(body, 3 * scale));
    Blit(card, sign, Left * scale, Top * scale);
    Blit(card, Recoloured(line, Palette::White), Left * scale, Top * scale);

    // At its heart a small spade in white, with the same line around it in black.
    const QSize small(15 * scale, 17 * scale);
    const QImage inner = SuitShapes::MaskOf(parts, small, Palette::White);
    const QImage innerLine = Minus(Eroded(inner, 2 * scale), Eroded(inner, 3 * scale));
    const int innerLeft = (35 - 7) * scale;
    const int innerTop = (Top + 10) * scale;
    Blit(card, inner, innerLeft, innerTop);
    Blit(card, Recoloured(innerLine, Palette::Black), innerLeft, innerTop);
}

} // namespace CardFaces
