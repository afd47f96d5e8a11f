// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hand.h"

int THand::AddCard(TCardId card, TCardSuit trump) {
    // After the last card that does not come later in hand order: a walk without a branch
    // per card, which a refill's random cards would mispredict.
    const int rank = HandRank(card, trump);
    int i = 0;
    for (int k = 0; k < Cards.size(); ++k)
        i = HandRank(Cards[k], trump) <= rank ? k + 1 : i;
    Cards.insert(i, card);
    return i;
}

TCardId THand::ExtractCard(int index) {
    const TCardId card = Cards[index];
    Cards.erase(index);
    return card;
}

int THand::FindMinCard(TCardValue bound, TCardSuit suit) const {
    return ::FindMinCard(Cards, bound, suit);
}

int THand::FindMaxCard(TCardValue bound, TCardSuit suit) const {
    return ::FindMaxCard(Cards, bound, suit);
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
