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

int PreferPair(const TCardList& hand, const TCardList& list, int stock) {
    if (list.empty())
        return -1;
    const TCardId lowest = LowestOf(list);
    if (list.size() <= 2)
        return hand.indexOf(lowest);
    int count[9] = {};
    TCardId last[9] = {};
    for (const TCardId c : list) {
        ++count[c.Value];
        last[c.Value] = c;
    }
    // The whole hand itself (the end game): lead the highest value held twice.
    if (&list == &hand) {
        for (int v = 8; v >= 0; --v)
            if (count[v] >= 2)
                return hand.indexOf(last[v]);
        return hand.indexOf(lowest);
    }
    // A candidate list: the lowest pair, when it is not too far above the lowest card.
    const int allowance = 9 - stock / 3;
    for (int v = 0; v <= 8; ++v) {
        if (count[v] < 2)
            continue;
        return hand.indexOf(v <= lowest.Value + allowance ? last[v] : lowest);
    }
    return hand.indexOf(lowest);
}

int ChooseAttack(const TCardList& hand, const TPosition& p) {
    const int stock = p.Stock.Count();
    const TCardSuit trump = p.Trump();
    if (p.Table.AttackCount() == 0) {
        if (stock <= 2)
            return PreferPair(hand, hand, stock);
        TCardList plain;
        for (const TCardId c : hand)
            if (c.Suit != trump)
                plain.push_back(c);
        if (!plain.empty())
            return PreferPair(hand, plain, stock);
        return hand.empty() ? -1 : LowestCard(hand, hand);
    }
    TCardList plain;
    TCardList trumps;
    for (const TCardId c : hand)
        if (CanPlay(1, c, p.Table, p.FirstBout, trump))
            (c.Suit == trump ? trumps : plain).push_back(c);
    if (!plain.empty())
        return LowestCard(hand, plain);
    if (!trumps.empty() && stock < 8)
        return LowestCard(hand, trumps);
    return -1;
}

int ChooseDefence(const TCardList& hand, const TPosition& p) {
    const TCardSuit trump = p.Trump();
    TCardList plain;
    TCardList trumps;
    for (const TCardId c : hand)
        if (CanPlay(2, c, p.Table, p.FirstBout, trump))
            (c.Suit == trump ? trumps : plain).push_back(c);
    int r = -1;
    if (!plain.empty())
        r = PreferPair(hand, plain, p.Stock.Count());
    else if (!trumps.empty())
        r = LowestCard(hand, trumps);
    if (r >= 0) {
        const TCardId c = hand[r];
        // Keep the high trumps while the stock is still thick: take instead.
        if (c.Suit == trump && c.Value > 4 && p.Stock.Count() > 16)
            r = -1;
    }
    return r;
}
