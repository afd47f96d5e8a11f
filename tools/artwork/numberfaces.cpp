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

struct PipPlace {
    int left;
    int top;
    bool turned;
};

// Two columns of three (six to eight) or four (nine, ten) and the extra pips in the middle
// column; every place in the lower half has its mirror above it, so the picture reads the
// same both ways up.
std::vector<PipPlace> Places(int value) {
    std::vector<PipPlace> places;
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

QImage Erode(const QImage& mask) {
    QImage out(mask.size(), QImage::Format_ARGB32);
    out.fill(0);
    auto ink = [&](int x, int y) { return mask.valid(x, y) && qAlpha(mask.pixel(x, y)) != 0; };
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (ink(x, y) && ink(x - 1, y) && ink(x + 1, y) && ink(x, y - 1) && ink(x, y + 1))
                out.setPixel(x, y, mask.pixel(x, y));
    return out;
}

QImage Recoloured(const QImage& mask, QRgb colour) {
    QImage out = mask.copy();
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (qAlpha(out.pixel(x, y)) != 0)
                out.setPixel(x, y, colour);
    return out;
}

// Pixels of a that are not in b.
QImage Minus(const QImage& a, const QImage& b) {
    QImage out = a.copy();
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (qAlpha(b.pixel(x, y)) != 0)
                out.setPixel(x, y, 0);
    return out;
}

// The ace of spades: one large spade with a white line following its outline inside and a
// small white spade at its heart.
void DrawGreatSpade(QImage& card, int scale) {
    const QSize box(39 * scale, 46 * scale);
    const QImage body = SuitShapes::PipMask(3, box, Palette::Black);
    QImage inset = body;
    for (int i = 0; i < 3 * scale; ++i)
        inset = Erode(inset);
    QImage inner = inset;
    for (int i = 0; i < scale; ++i)
        inner = Erode(inner);
    const QImage ring = Recoloured(Minus(inset, inner), Palette::White);
    const int left = (35 - 19) * scale;
    const int top = (48 - 23) * scale;
    PixelArt::Blit(card, body, left, top);
    PixelArt::Blit(card, ring, left, top);
    const QImage heart = SuitShapes::PipMask(3, QSize(11, 12) * scale, Palette::White);
    PixelArt::Blit(card, heart, (35 - 5) * scale, (48 - 6 - 4) * scale);
}
} // namespace

QImage NumberFace(int suit, int value, int scale) {
    const QRgb ink = InkOf(suit);
    QImage card = CardFrame::Blank(ink, scale);
    DrawIndex(card, suit, value, ink, scale);
    if (value == 8) {
        if (suit == 3) {
            DrawGreatSpade(card, scale);
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
    for (const PipPlace& place : Places(value))
        PixelArt::Blit(card, place.turned ? turned : slot, place.left * scale, place.top * scale);
    return card;
}

} // namespace CardFaces
