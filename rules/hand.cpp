// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hand.h"

using namespace handbits;

const TCardList& THand::Cards() const {
    if (!FListed) {
        FCards.clear();
        for (TBits b = FRanks; b; b &= b - 1)
            FCards.push_back(CardOfRank(__builtin_ctzll(b), FTrump));
        FListed = true;
    }
    return FCards;
}

TCardSet THand::Set() const {
    if (!FOrdered)
        return SetOf(FCards);
    // Each rank block is one suit's nine cards.
    TCardSet s = 0;
    for (int block = 0; block < 4; ++block)
        s |= (FRanks >> (block * 9) & Block) << (CardOfRank(block * 9, FTrump).Suit * 9);
    return s;
}

void THand::Clear() {
    FCards.clear();
    FListed = true;
    FRanks = 0;
    FOrdered = true;
    FCount = 0;
}

int THand::AddUnordered(TCardId card, TCardSuit trump) {
    Cards(); // the list alone from now on
    FOrdered = false;
    ++FCount;
    // After the last card that does not come later in hand order.
    int i = FCards.size();
    while (i > 0 && CompareCards(FCards[i - 1], card, trump) > 0)
        --i;
    FCards.insert(i, card);
    return i;
}

TCardId THand::ExtractUnordered(int index) {
    --FCount;
    const TCardId card = FCards[index];
    FCards.erase(index);
    return card;
}

void THand::SetCards(const TCardList& cards, TCardSuit trump) {
    FCards = cards;
    FListed = true;
    FTrump = trump;
    FCount = std::uint8_t(cards.size());
    FOrdered = Of(cards, trump, FRanks);
}

int THand::FindMinCard(TCardValue bound, TCardSuit suit) const {
    return ::FindMinCard(Cards(), bound, suit);
}

int THand::FindMaxCard(TCardValue bound, TCardSuit suit) const {
    return ::FindMaxCard(Cards(), bound, suit);
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
