// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "card.h"
#include "stock.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

// The stock pile: creates and owns the 36 cards, shuffles and deals them.
class TCardBatch : public QWidget {
    Q_OBJECT
public:
    explicit TCardBatch(QWidget* owner = nullptr);
    ~TCardBatch() override;

    std::array<std::uint8_t, 36> Numbers{};
    std::array<QPointer<TCard>, 36> Cards; // 0 = trump card, Count - 1 = top of the stock

    std::int8_t Count() const { return FCount; }
    TCardSuit TrumpSuit() const { return Cards[0]->Suit(); }
    TCardValue TrumpValue() const { return Cards[0]->Value(); }

    void FillNumbers();
    // A new order from the next seed.
    void Shuffle();
    // Takes every card back and lays them in the stock's order: its new deal.
    void Shuffle(const TStock& stock);
    TCard* PopCard();

    // Where each shuffle takes its seed; the clock's UTC time of day in ms unless replaced.
    static std::function<std::uint32_t()> SeedSource;
    static std::uint32_t ClockSeed();
    static std::uint32_t NextSeed() { return SeedSource ? SeedSource() : ClockSeed(); }
    // Reproducible deals: the shuffles from now on take first, first + 1, ... in turn.
    static void UseSeedsFrom(std::uint32_t first);

    // The font of the trump's sign that stands for the empty stock.
    static QFont SignFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::int8_t FCount = 0;
};
