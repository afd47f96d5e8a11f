// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer.h"

#include "legality.h"

TCardId LowestOf(const TCardList& list) {
    int best = 0;
    for (int i = 1; i < list.size(); ++i)
        if (list[i].Value < list[best].Value)
            best = i;
    return list[best];
}

int LowestCard(const TCardList& hand, const TCardList& list) {
    return hand.indexOf(LowestOf(list));
}

namespace {
// PreferPair over the cards of the hand that pass a filter, without building the list: the
// lowest card (the first on equal values), or the pair rule's card. Counts as PreferPair does.
template <class Filter>
int PreferPairOf(const TCardList& hand, bool wholeHand, int stock, Filter filter) {
    int count[9] = {};
    int last[9] = {};
    int lowest = -1;
    int size = 0;
    for (int i = 0; i < hand.size(); ++i) {
        const TCardId c = hand[i];
        if (!filter(c))
            continue;
        ++size;
        ++count[c.Value];
        last[c.Value] = i;
        if (lowest < 0 || c.Value < hand[lowest].Value)
            lowest = i;
    }
    if (size <= 2)
        return lowest;
    if (wholeHand) {
        for (int v = 8; v >= 0; --v)
            if (count[v] >= 2)
                return last[v];
        return lowest;
    }
    const int allowance = 9 - stock / 3;
    for (int v = 0; v <= 8; ++v)
        if (count[v] >= 2)
            return v <= hand[lowest].Value + allowance ? last[v] : lowest;
    return lowest;
}
} // namespace

// The list is drawn from the hand in hand order, so walking the hand gives the same order.
int PreferPair(const TCardList& hand, const TCardList& list, int stock) {
    return PreferPairOf(hand, &list == &hand, stock,
                        [&list](TCardId c) { return list.contains(c); });
}

// The choices walk the hand once instead of building candidate lists: they are asked at every
// move of every game the core plays, and answer exactly as PreferPair and LowestCard would.
int ChooseAttack(const TCardList& hand, const TPosition& p) {
    const int stock = p.Stock.Count();
    const TCardSuit trump = p.Trump();
    const TTable& table = p.Table;
    if (table.AttackCount() == 0) {
        if (stock <= 2)
            return PreferPairOf(hand, true, stock, [](TCardId) { return true; });
        const auto plain = [trump](TCardId c) { return c.Suit != trump; };
        const int r = PreferPairOf(hand, false, stock, plain);
        if (r >= 0 || hand.empty())
            return r;
        return LowestCard(hand, hand); // trumps only: the lowest of them
    }
    // A throw-in: a value already on the table, while the bout has room.
    const int attacks = table.AttackCount();
    if ((p.FirstBout && attacks == 5) || attacks == 6)
        return -1;
    int plain = -1;
    int trumps = -1;
    for (int i = 0; i < hand.size(); ++i) {
        const TCardId c = hand[i];
        if (!table.HasValue(c.Value))
            continue;
        int& best = c.Suit == trump ? trumps : plain;
        if (best < 0 || c.Value < hand[best].Value)
            best = i;
    }
    if (plain >= 0)
        return plain;
    if (trumps >= 0 && stock < 8)
        return trumps;
    return -1;
}

int ChooseDefence(const TCardList& hand, const TPosition& p) {
    const TCardSuit trump = p.Trump();
    if (!p.Table.HasUnbeaten())
        return -1;
    const TCardId u = p.Table.UnbeatenCard();
    // The plain beaters all share the unbeaten card's suit, so no two share a value and the
    // pair rule always gives the lowest of them.
    int plain = -1;
    int trumps = -1;
    for (int i = 0; i < hand.size(); ++i) {
        const TCardId c = hand[i];
        if (!Beats(c, u, trump))
            continue;
        int& best = c.Suit == trump ? trumps : plain;
        if (best < 0 || c.Value < hand[best].Value)
            best = i;
    }
    int r = plain >= 0 ? plain : trumps;
    // Keep the high trumps while the stock is still thick: take instead.
    if (r >= 0 && hand[r].Suit == trump && hand[r].Value > 4 && p.Stock.Count() > 16)
        r = -1;
    return r;
}
