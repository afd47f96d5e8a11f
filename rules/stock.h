// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardid.h"

#include <array>
#include <cstdint>

// The stock: the 36 cards of a deal, the trump card at the bottom (index 0), the top at
// Count - 1.
class TStock {
public:
    std::array<TCardId, 36> Cards{};

    int Count() const { return FCount; }
    TCardSuit TrumpSuit() const { return Cards[0].Suit; }
    TCardValue TrumpValue() const { return Cards[0].Value; }
    bool IsTrump(TCardId c) const { return c.Suit == TrumpSuit(); }

    // A new order from the seed, the same on every machine; all 36 cards in the stock.
    void Shuffle(std::uint32_t seed);
    // The top card, or false when the stock is empty.
    bool PopCard(TCardId& card);
    // Sets the order and the count directly (positions built by hand, samples of a search).
    void SetCards(const std::array<TCardId, 36>& cards, int count);
    void SetCount(int count) { FCount = std::int8_t(count); }

private:
    std::int8_t FCount = 0;
};
