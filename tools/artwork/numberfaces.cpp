// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardfaces.h"
#include "cardframe.h"
#include "palette.h"
#include "pixelart.h"
#include "suitshapes.h"

#include <vector>

namespace CardFaces {

namespace {
// The slot a number pip is centred in (ratio 1); its centre column is left + 5.
constexpr int SlotWidth = 11;
constexpr int SlotHeight = 12;
constexpr int LeftColumn = 17;
constexpr int MiddleColumn = 30;
constexpr int RightColumn = 43;

struct TPipPlace {
    int left;
    int top;
    bool turned;
};

// Two columns of three (six to eight) or four (nine, ten) and the extra pips in the middle
// column; every place in the lower half has its mirror above it, so the picture reads the
// same both ways up.
std::vector<TPipPlace> Places(int value) {
    std::vector<TPipPlace> places;
    auto sides = [&](int top, bool turned) {
        places.push_back({LeftColumn, top, turned});
        places.push_back({RightColumn, top, turned});
    };
    if (value <= 2) {
        sides(12, false);
        sides(42, false);
        sides(72, true);
    } else {
        sides(12, false);
        sides(32, false);
        sides(52, true);
        sides(72, true);
    }
    switch (value) {
    case 1:
        places.push_back({MiddleColumn, 27, false});
        break;
    case 2:
        places.push_back({MiddleColumn, 27, false});
        places.push_back({MiddleColumn, 57, true});
        break;
    case 3:
        places.push_back({MiddleColumn, 42, false});
        break;
    case 4:
        places.push_back({MiddleColumn, 22, false});
        places.push_back({MiddleColumn, 62, true});
        break;
    default:
        break;
    }
    return places;
}

QImage Slot(int suit, int scale, QRgb ink) {
    QImage slot(SlotWidth * scale, SlotHeight * scale, QImage::Format_ARGB32);
    slot.fill(0);
    const QImage pip = SuitShapes::Pip(suit, SuitShapes::PipKind::Number, scale, ink);
    PixelArt::Blit(slot, pip, (slot.width() - pip.width()) / 2, (slot.height() - pip.height()) / 2);
    return slot;
}

} // namespace

QImage NumberFace(int suit, int value, int scale) {
    const QRgb ink = InkOf(suit);
    QImage card = CardFrame::Blank(ink, scale);
    DrawIndex(card, suit, value, ink, scale);
    if (value == 8) {
        if (suit == 3) {
            DrawAceOfSpades(card, scale);
        } else {
            const QSize size = SuitShapes::PipSize(suit, SuitShapes::PipKind::Ace);
            const QImage pip = SuitShapes::Pip(suit, SuitShapes::PipKind::Ace, scale, ink);
            PixelArt::Blit(card, pip, (35 - (size.width() - 1) / 2) * scale,
                           (48 - size.height() / 2) * scale);
        }
        return card;
    }
    const QImage slot = Slot(suit, scale, ink);
    const QImage turned = PixelArt::Turned(slot);
    for (const TPipPlace& place : Places(value))
        PixelArt::Blit(card, place.turned ? turned : slot, place.left * scale, place.top * scale);
    return card;
}

} // namespace CardFaces
