// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardid.h"
#include "cardlist.h"

#include <cstdint>

// A set of cards as 36 bits, one per card (TCardId::Bit).
using TCardSet = std::uint64_t;

constexpr TCardSet AllCards = (TCardSet(1) << 36) - 1;

constexpr TCardSet CardBit(TCardId c) {
    return TCardSet(1) << c.Bit();
}

constexpr TCardId CardOfBit(int bit) {
    return {TCardSuit(bit / 9), TCardValue(bit % 9)};
}

inline TCardSet SetOf(const TCardList& cards) {
    TCardSet s = 0;
    for (const TCardId c : cards)
        s |= CardBit(c);
    return s;
}

inline int CardCount(TCardSet s) {
    return __builtin_popcountll(s);
}
