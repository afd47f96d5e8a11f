// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer.h"

#include "handbits.h"
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

using namespace handbits;

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

// The list may be in any order: walked once, first on equal values in the list's order.
int ListChooseAttack(const TCardList& hand, const TPosition& p) {
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
    if (table.Full(p.FirstBout))
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

int ListChooseDefence(const TCardList& hand, const TPosition& p) {
    const TCardSuit trump = p.Trump();
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

// PreferPairOf over the candidates, a subset of a hand in hand order.
int PreferPairBits(TBits hand, TBits candidates, bool wholeHand, int stock) {
    if (!candidates)
        return -1;
    const int low = __builtin_ctz(Values(candidates));
    const int lowest = FirstOfValue(candidates, low);
    const unsigned pairs = Pairs(candidates);
    if (CardCount(candidates) <= 2 || !pairs)
        return IndexOf(hand, lowest);
    if (wholeHand)
        return IndexOf(hand, LastOfValue(candidates, 31 - __builtin_clz(pairs)));
    const int v = __builtin_ctz(pairs);
    const int allowance = 9 - stock / 3;
    return IndexOf(hand, v <= low + allowance ? LastOfValue(candidates, v) : lowest);
}

int AttackByBits(TBits h, const TPosition& p) {
    const int stock = p.Stock.Count();
    const TTable& table = p.Table;
    if (table.AttackCount() == 0) {
        if (stock <= 2)
            return PreferPairBits(h, h, true, stock);
        const int r = PreferPairBits(h, h & Plain, false, stock);
        if (r >= 0 || !h)
            return r;
        return 0; // trumps only: the lowest of them is the first
    }
    // A throw-in: a value already on the table, while the bout has room.
    if (table.Full(p.FirstBout))
        return -1;
    const TBits fit = h & (TBits(table.Values()) * Column);
    if (const TBits plain = fit & Plain)
        return IndexOf(h, FirstOfValue(plain, __builtin_ctz(Values(plain))));
    if (fit && stock < 8)
        return IndexOf(h, __builtin_ctzll(fit)); // the lowest trump
    return -1;
}

int DefenceByBits(TBits h, const TPosition& p) {
    const TCardId u = p.Table.UnbeatenCard();
    const int rank = HandRank(u, p.Trump());
    // The higher cards of the unbeaten card's suit; for a plain card, then any trump.
    TBits beaters = h & (Block << (rank - u.Value)) & ~((TBits(2) << rank) - 1);
    if (rank < 27) {
        if (beaters)
            return IndexOf(h, __builtin_ctzll(beaters));
        beaters = h & ~Plain;
    }
    if (!beaters)
        return -1;
    const int r = __builtin_ctzll(beaters);
    // Keep the high trumps while the stock is still thick: take instead.
    if (r - 27 > 4 && p.Stock.Count() > 16)
        return -1;
    return IndexOf(h, r);
}
} // namespace

int ChooseTransfer(const THand& hand, const TPosition& p, int otherCards) {
    const TTable& t = p.Table;
    if (!p.Transfers || !t.HasUnbeaten() || t.DefenceCount() > 0 || t.Full(p.FirstBout) ||
        otherCards <= t.AttackCount())
        return -1;
    const TCardValue value = t.Attack[0].Value;
    const TCardList& cards = hand.Cards();
    int trump = -1;
    for (int i = 0; i < cards.size(); ++i) {
        if (cards[i].Value != value)
            continue;
        if (cards[i].Suit != p.Trump())
            return i; // plain cards come first in hand order
        trump = i;
    }
    return p.Stock.Count() < 8 ? trump : -1;
}

// The list is drawn from the hand in hand order, so walking the hand gives the same order.
int PreferPair(const TCardList& hand, const TCardList& list, int stock) {
    return PreferPairOf(hand, &list == &hand, stock,
                        [&list](TCardId c) { return list.contains(c); });
}

// Asked at every move of every game the core plays: a hand in hand order is answered with
// bit operations, any other list by walking it; both answer as PreferPair and LowestCard would.
int ChooseAttack(const TCardList& hand, const TPosition& p) {
    TBits h;
    return Of(hand, p.Trump(), h) ? AttackByBits(h, p) : ListChooseAttack(hand, p);
}

int ChooseAttack(const THand& hand, const TPosition& p) {
    TBits h;
    return hand.RankBits(h) ? AttackByBits(h, p) : ListChooseAttack(hand.Cards(), p);
}

int ChooseDefence(const TCardList& hand, const TPosition& p) {
    if (!p.Table.HasUnbeaten())
        return -1;
    TBits h;
    return Of(hand, p.Trump(), h) ? DefenceByBits(h, p) : ListChooseDefence(hand, p);
}

int ChooseDefence(const THand& hand, const TPosition& p) {
    if (!p.Table.HasUnbeaten())
        return -1;
    TBits h;
    return hand.RankBits(h) ? DefenceByBits(h, p) : ListChooseDefence(hand.Cards(), p);
}
