// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

using TCardValue = std::uint8_t; // 0..8 = six..ace
using TCardSuit = std::uint8_t;  // 0..3 = clubs, diamonds, hearts, spades

// One card of the pack as a value: what the rules need to know of it.
struct TCardId {
    TCardSuit Suit;
    TCardValue Value;

    // Suit * 10 + Value, the number the pictures and the hand order go by.
    constexpr std::uint8_t Nomber() const { return std::uint8_t(Suit * 10 + Value); }
    static constexpr TCardId FromNomber(int n) { return {TCardSuit(n / 10), TCardValue(n % 10)}; }
    // 0..35, dense: for sets of cards.
    constexpr int Bit() const { return Suit * 9 + Value; }
    constexpr bool operator==(const TCardId&) const = default;
};

// Hand order: plain cards first by card number, then trumps by card number.
constexpr int CompareHandOrder(TCardId a, bool aTrump, TCardId b, bool bTrump) {
    if (aTrump != bTrump)
        return aTrump ? 1 : -1;
    return a.Nomber() > b.Nomber() ? 1 : (a.Nomber() < b.Nomber() ? -1 : 0);
}
constexpr int CompareCards(TCardId a, TCardId b, TCardSuit trump) {
    return CompareHandOrder(a, a.Suit == trump, b, b.Suit == trump);
}

// A card's place in hand order, 0..35: the plain suits in suit order, nine values each, then
// the trumps. Ranks compare as CompareCards does.
constexpr int HandRank(TCardId c, TCardSuit trump) {
    // Without a branch: hands are walked card by card and their suits are random.
    const int s = c.Suit;
    const int block = s - int(s > trump) + int(s == trump) * (3 - s);
    return block * 9 + c.Value;
}
