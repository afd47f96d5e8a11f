// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hand.h"

void THand::Clear() {
    FCards.clear();
    FRanks = 0;
    FOrdered = true;
}

int THand::AddCard(TCardId card, TCardSuit trump) {
    if (FCards.empty())
        FTrump = trump;
    const int rank = HandRank(card, trump);
    FOrdered &= trump == FTrump && !(FRanks >> rank & 1);
    // After the last card that does not come later in hand order: the place is the number of
    // cards ranked below, unless the list is out of order.
    int i;
    if (FOrdered) {
        i = handbits::IndexOf(FRanks, rank);
    } else {
        i = FCards.size();
        while (i > 0 && CompareCards(FCards[i - 1], card, trump) > 0)
            --i;
    }
    FCards.insert(i, card);
    FRanks |= handbits::TBits(1) << rank;
    return i;
}

TCardId THand::ExtractCard(int index) {
    const TCardId card = FCards[index];
    FCards.erase(index);
    FRanks &= ~(handbits::TBits(1) << HandRank(card, FTrump));
    return card;
}

void THand::SetCards(const TCardList& cards, TCardSuit trump) {
    FCards = cards;
    FTrump = trump;
    FOrdered = handbits::Of(cards, trump, FRanks);
}

int THand::FindMinCard(TCardValue bound, TCardSuit suit) const {
    return ::FindMinCard(FCards, bound, suit);
}

int THand::FindMaxCard(TCardValue bound, TCardSuit suit) const {
    return ::FindMaxCard(FCards, bound, suit);
}

int FindMinCard(const TCardList& cards, TCardValue bound, TCardSuit suit) {
    int found = -1;
    for (int i = 0; i < cards.size(); ++i) {
        const TCardId c = cards[i];
        if (c.Suit != suit || c.Value < bound)
            continue;
        if (found < 0 || c.Value < cards[found].Value)
            found = i;
    }
    return found;
}

int FindMaxCard(const TCardList& cards, TCardValue bound, TCardSuit suit) {
    int found = -1;
    for (int i = 0; i < cards.size(); ++i) {
        const TCardId c = cards[i];
        if (c.Suit != suit || c.Value > bound)
            continue;
        if (found < 0 || c.Value > cards[found].Value)
            found = i;
    }
    return found;
}
