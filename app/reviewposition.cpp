// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reviewposition.h"

#include "artwork.h"
#include "cardpicture.h"
#include "devicepixels.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace {
const QColor Ground(0, 128, 0);
constexpr int CardW = 71;
constexpr int CardH = 96;
constexpr int Margin = 10;
constexpr int Caption = 18;
constexpr int StockWidth = CardW + 2 * Margin + 40;
const char* const SuitNames[4] = {"трефы", "бубны", "черви", "пики"};
} // namespace

TReviewPosition::TReviewPosition(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TReviewPosition::SetGame(const TGame& game) {
    FGame = game;
    FGame->View = nullptr;
    update();
}

void TReviewPosition::Clear() {
    FGame.reset();
    update();
}

QSize TReviewPosition::sizeHint() const {
    return {StockWidth + 8 * (CardW + 6) + Margin, 3 * (CardH + Caption + Margin) + Margin + 24};
}

// As a card of the table shows its face: the picture made for the device pixels it covers,
// the corners showing what lies beneath.
void TReviewPosition::PaintCard(QPainter& p, QPoint at, TCardId card) const {
    if (card.Value > 8 || card.Suit > 3)
        return;
    const QRect device = DevicePixels::Covered(p, QRectF(QRect(at, QSize(CardW, CardH))));
    if (device.isEmpty())
        return;
    const CardPictures::TFace& face =
        CardPictures::FaceAt(CardBitmapIds[card.Suit * 9 + card.Value], device.size());
    DevicePixels::TDeviceSpace space(p);
    QRegion body(QRect(device.topLeft(), face.Opaque.size()));
    for (int c = 0; c < 4; ++c)
        body -= QRect(device.topLeft() + face.At[c], face.Corners[c].size());
    p.save();
    p.setClipRegion(body, Qt::IntersectClip);
    p.drawImage(device.topLeft(), face.Opaque);
    p.restore();
    for (int c = 0; c < 4; ++c)
        p.drawImage(device.topLeft() + face.At[c], face.Corners[c]);
}

void TReviewPosition::PaintHand(QPainter& p, int y, const THand& hand, const QString& title) const {
    p.drawText(QRect(StockWidth, y, width() - StockWidth, Caption),
               Qt::AlignLeft | Qt::AlignVCenter, title);
    const int n = hand.CardCount();
    const int room = width() - StockWidth - Margin - CardW;
    const int step = n > 1 ? std::min(CardW + 6, room / (n - 1)) : 0;
    for (int i = 0; i < n; ++i)
        PaintCard(p, {StockWidth + i * std::max(step, 8), y + Caption}, hand.Card(i));
}

void TReviewPosition::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Ground);
    if (!FGame)
        return;
    const TPosition& pos = FGame->P;
    p.setPen(Qt::white);
    const int row = CardH + Caption + Margin;
    PaintHand(p, Margin, pos.Hands[ptCPU],
              QStringLiteral("Карты компьютера: %1").arg(pos.Hands[ptCPU].CardCount()));
    PaintHand(p, Margin + 2 * row + 24, pos.Hands[ptMan],
              QStringLiteral("Ваши карты: %1").arg(pos.Hands[ptMan].CardCount()));

    // The table: each beating card over the card it beats, a little lower and to the right.
    const int tableY = Margin + row;
    p.drawText(QRect(StockWidth, tableY, width() - StockWidth, Caption),
               Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("На столе: %1").arg(pos.Table.Cards.size()));
    const int pairs = pos.Table.Attack.size();
    const int room = width() - StockWidth - Margin - CardW - 16;
    const int step = pairs > 1 ? std::min(CardW + 22, room / (pairs - 1)) : 0;
    for (int i = 0; i < pairs; ++i) {
        const QPoint at(StockWidth + i * step, tableY + Caption);
        PaintCard(p, at, pos.Table.Attack[i]);
        if (i < int(pos.Table.Defence.size()))
            PaintCard(p, at + QPoint(16, 20), pos.Table.Defence[i]);
    }

    // The trump card while the stock holds it, and the count.
    const QString suit = QString::fromUtf8(SuitNames[pos.Trump() & 3]);
    const int stockY = tableY + Caption;
    if (pos.Stock.Count() > 0)
        PaintCard(p, {Margin, stockY}, pos.Stock.Cards[0]);
    const QRect text(Margin, stockY + CardH + 4, StockWidth - Margin, 3 * Caption);
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("В колоде: %1\nкозырь — %2").arg(pos.Stock.Count()).arg(suit));
}
