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

// The bits set in each byte, one count per byte: the baseline instruction set has no popcount
// but a library call, and the rules count hands at every move.
inline std::uint64_t ByteCounts(std::uint64_t s) {
    s = s - ((s >> 1) & 0x5555555555555555u);
    s = (s & 0x3333333333333333u) + ((s >> 2) & 0x3333333333333333u);
    return (s + (s >> 4)) & 0x0f0f0f0f0f0f0f0fu;
}

inline int CardCount(TCardSet s) {
    return int((ByteCounts(s) * 0x0101010101010101u) >> 56);
}
