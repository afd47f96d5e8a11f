// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"

// A player's hand: its cards always in hand order for the game's trump; a card's index is its
// position in that order.
class THand {
public:
    TCardList Cards;

    int CardCount() const { return Cards.size(); }
    void Clear() { Cards.clear(); }
    // Puts the card in its place in hand order; returns that place.
    int AddCard(TCardId card, TCardSuit trump);
    TCardId ExtractCard(int index);
    // The lowest card of the suit whose value is at least bound, or -1.
    int FindMinCard(TCardValue bound, TCardSuit suit) const;
    // The highest card of the suit whose value is at most bound, or -1.
    int FindMaxCard(TCardValue bound, TCardSuit suit) const;
};

// The lowest card of the suit at or above bound in a list in hand order, or -1; on equal
// values the first. FindMaxCard likewise from the top.
int FindMinCard(const TCardList& cards, TCardValue bound, TCardSuit suit);
int FindMaxCard(const TCardList& cards, TCardValue bound, TCardSuit suit);
