// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardfaces.h"
#include "cardframe.h"
#include "palette.h"
#include "pixelart.h"
#include "rankglyphs.h"
#include "suitshapes.h"

namespace CardFaces {

namespace {
// Centre column of the corner index and the top rows of its mark and pip (ratio 1).
constexpr int IndexCentre = 7;
constexpr int MarkTop = 4;
constexpr int PipTop = 15;
} // namespace

QRgb InkOf(int suit) {
    return suit == 1 || suit == 2 ? Palette::Red : Palette::Black;
}

void DrawIndex(QImage& card, int suit, int value, QRgb ink, int scale) {
    QImage layer(card.size(), QImage::Format_ARGB32);
    layer.fill(0);
    const QImage mark = RankGlyphs::Mark(value, 1, ink);
    const QImage markAtScale = RankGlyphs::Mark(value, scale, ink);
    const int markLeft = IndexCentre - mark.width() / 2;
    PixelArt::Blit(layer, markAtScale, markLeft * scale, MarkTop * scale);

    const QSize pipSize = SuitShapes::PipSize(suit, SuitShapes::PipKind::Index);
    const QImage pip = SuitShapes::Pip(suit, SuitShapes::PipKind::Index, scale, ink);
    PixelArt::Blit(layer, pip, (IndexCentre - pipSize.width() / 2) * scale, PipTop * scale);

    PixelArt::Blit(card, layer, 0, 0);
    PixelArt::Blit(card, PixelArt::Turned(layer), 0, 0);
}

QImage Face(int suit, int value, int scale) {
    if (value >= 5 && value <= 7)
        return CourtFace(suit, value, scale);
    return NumberFace(suit, value, scale);
}

} // namespace CardFaces
