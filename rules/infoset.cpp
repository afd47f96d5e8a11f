// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "infoset.h"

void FillHand(THand& hand, TCardSet cards, TCardSuit trump) {
    hand.Clear();
    const TCardSet trumps = ((TCardSet(1) << 9) - 1) << (trump * 9);
    // Card bits run in card-number order: plain cards first, then trumps, is hand order, so
    // each card goes to the end.
    for (const TCardSet part : {cards & ~trumps, cards & trumps})
        for (TCardSet s = part; s; s &= s - 1)
            hand.AddCard(CardOfBit(__builtin_ctzll(s)), trump);
}

TInfoSet::TInfoSet(const TGame& game, TVeskPlayerType seat) : FSeat(seat), FBase(game) {
    const TVeskPlayerType other = Other(seat);
    const TPosition& p = game.P;
    const int stock = p.Stock.Count();
    const TCardId trumpCard = p.Stock.Cards[0];
    const TCardSet own = p.Hands[seat].Set();
    TCardSet seen = own | SetOf(p.Table.Cards) | p.Discarded | p.Shown[other];
    if (stock > 0)
        seen |= CardBit(trumpCard);
    FUnseen = AllCards & ~seen;
    FHidden = p.Hands[other].CardCount() - CardCount(p.Shown[other]);
    for (TCardSet s = FUnseen; s; s &= s - 1)
        FOrder[FCount++] = CardOfBit(__builtin_ctzll(s));

    FBase.View = nullptr;
    Place(FBase, FOrder);

    std::uint64_t h = HashMix(game.Seed, seat);
    h = HashMix(h, own);
    for (const TCardId c : p.Table.Attack)
        h = HashMix(h, c.Bit());
    h = HashMix(h, 99);
    for (const TCardId c : p.Table.Defence)
        h = HashMix(h, c.Bit());
    h = HashMix(h, p.Discarded);
    h = HashMix(h, p.Shown[ptMan]);
    h = HashMix(h, p.Shown[ptCPU]);
    h = HashMix(h, std::uint64_t(stock) | std::uint64_t(p.Hands[other].CardCount()) << 8 |
                       std::uint64_t(p.State) << 16 | std::uint64_t(p.FirstBout) << 24 |
                       std::uint64_t(trumpCard.Bit()) << 32);
    FKey = h;
}

void TInfoSet::Place(TGame& game, const std::array<TCardId, 36>& order) const {
    TPosition& p = game.P;
    const TVeskPlayerType other = Other(FSeat);
    TCardSet hand = p.Shown[other];
    for (int i = 0; i < FHidden; ++i)
        hand |= CardBit(order[i]);
    FillHand(p.Hands[other], hand, p.Trump());
    std::array<TCardId, 36> stock{};
    stock[0] = p.Stock.Cards[0];
    for (int i = FHidden; i < FCount; ++i)
        stock[1 + i - FHidden] = order[i];
    p.Stock.SetCards(stock, p.Stock.Count());
}

void TInfoSet::Deal(TGame& out, TSplitMix& random) const {
    std::array<TCardId, 36> order = FOrder;
    for (int i = FCount - 1; i > 0; --i) {
        const int j = random.Below(i + 1);
        const TCardId t = order[i];
        order[i] = order[j];
        order[j] = t;
    }
    out = FBase;
    Place(out, order);
}
