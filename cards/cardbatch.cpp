// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardbatch.h"

#include "artwork.h"
#include "gameplace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

std::function<std::uint32_t()> TCardBatch::SeedSource;

std::uint32_t TCardBatch::ClockSeed() {
    return std::uint32_t(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

void TCardBatch::UseSeedsFrom(std::uint32_t first) {
    SeedSource = [next = first]() mutable { return next++; }; // wraps round after 2^32 - 1
}

namespace {
// The double-size pictures are only worth loading where a screen is dense enough to show them.
bool DenseScreen() {
    if (!qGuiApp)
        return false;
    for (const QScreen* s : QGuiApplication::screens())
        if (s->devicePixelRatio() >= 1.5)
            return true;
    return false;
}
} // namespace

TCardBatch::TCardBatch(QWidget* owner) : QWidget(owner) {
    resize(192, 192);
    for (auto& card : Cards)
        card = new TCard(this);
    Shuffle();
}

TCardBatch::~TCardBatch() {
    // The pile owns the cards wherever they lie; a card deleted with its parent already is gone.
    for (auto& card : Cards)
        delete card.data();
}

void TCardBatch::FillNumbers() {
    int k = 0;
    for (int suit = 0; suit < 4; ++suit)
        for (int value = 0; value < 9; ++value)
            Numbers[k++] = std::uint8_t(suit * 10 + value);
}

void TCardBatch::Shuffle() {
    TStock stock;
    stock.Shuffle(NextSeed());
    Shuffle(stock);
}

void TCardBatch::Shuffle(const TStock& stock) {
    FillNumbers();
    for (auto& card : Cards) {
        card->setVisible(false);
        card->Reveal(); // none stays off the screen into the new deal
    }
    // Input must not run here: a second new game inside this deal would corrupt it.
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const bool dense = DenseScreen();
    for (int i = 0; i < 36; ++i) {
        TCard* card = Cards[i];
        card->SetCardNomber(stock.Cards[i].Nomber());
        const int id = CardBitmapIds[card->Suit() * 9 + card->Value()];
        card->FaceBitmap = LoadCardBitmap(id);
        card->FaceBitmap2x = dense ? LoadCardBitmap2x(id) : QImage();
        card->SetParentControl(this);
        card->OnClick = nullptr;
        card->OnDblClick = nullptr;
        card->move(3 * (i / 3), 3 * (i / 3) + 32);
        card->SetOrientation(coHorisontal);
        card->IsTrump = card->Suit() == Cards[0]->Suit();
        card->Selected = false;
    }
    TCard* trump = Cards[0];
    trump->SetOrientation(coVertical);
    trump->SetFaced(true);
    trump->move(8, 4);
    FCount = 36;
    if (auto* table = qobject_cast<TGamePlace*>(parentWidget()))
        table->ClearTable();
    for (int i = 0; i < 36; ++i)
        Cards[i]->setVisible(i <= 2 || i % 3 == 0);
    update();
}

TCard* TCardBatch::PopCard() {
    if (FCount <= 0)
        return nullptr;
    --FCount;
    return Cards[FCount];
}

QFont TCardBatch::SignFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(24); // 18 points at 96 dots per inch, whatever the screen says
    return font;
}

void TCardBatch::paintEvent(QPaintEvent*) {
    if (FCount != 0)
        return;
    QPainter p(this);
    const TCardSuit suit = TrumpSuit();
    p.setFont(SignFont());
    p.setPen(SuitColors[suit]);
    p.setBackgroundMode(Qt::TransparentMode);
    const int x = width() / 2 - 5;
    const int y = height() / 2 - 8;
    p.drawText(QRect(x, y, width(), height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
               SuitSymbols[suit]);
}
