// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardfaces.h"
#include "cardframe.h"
#include "courtfigures.h"
#include "palette.h"
#include "pixelart.h"
#include "suitshapes.h"

#include <QPainter>

namespace CardFaces {

namespace {
// The court frame: its outer line at columns 12 and 58, rows 10 and 85 (ratio 1).
constexpr int FrameLeft = 12;
constexpr int FrameTop = 10;
constexpr int FrameWidth = CourtFigures::HalfWidth + 2;
constexpr int FrameHeight = 2 * CourtFigures::HalfHeight + 2;

QImage Panel(int suit, int value) {
    QImage panel(FrameWidth, FrameHeight, QImage::Format_ARGB32);
    panel.fill(Palette::Black);
    const QImage upper = CourtFigures::UpperHalf(suit, value);
    PixelArt::Blit(panel, upper, 1, 1);
    PixelArt::Blit(panel, PixelArt::Turned(upper), 1, 1 + CourtFigures::HalfHeight);
    return panel;
}
} // namespace

QImage CourtFace(int suit, int value, int scale) {
    QImage card = CardFrame::Blank(Palette::Black, scale);
    const QRgb ink = InkOf(suit);
    DrawIndex(card, suit, value, ink, scale);

    const QImage panel = Panel(suit, value);
    PixelArt::Blit(card, PixelArt::Enlarged(panel, scale), FrameLeft * scale,
                   FrameTop * scale);

    // The suit pip in the top-right corner of the frame and, turned, in the bottom-left.
    const QSize pipSize = SuitShapes::PipSize(suit, SuitShapes::PipKind::Index);
    const QImage pip = SuitShapes::Pip(suit, SuitShapes::PipKind::Index, scale, ink);
    const int pipLeft = FrameLeft + FrameWidth - 2 - pipSize.width();
    const int pipTop = FrameTop + 2;
    QImage layer(card.size(), QImage::Format_ARGB32);
    layer.fill(0);
    PixelArt::Blit(layer, pip, pipLeft * scale, pipTop * scale);
    PixelArt::Blit(card, layer, 0, 0);
    PixelArt::Blit(card, PixelArt::Turned(layer), 0, 0);
    return card;
}

} // namespace CardFaces
