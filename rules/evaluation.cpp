// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation.h"

#include "solver.h"

#include <algorithm>

namespace {
int HandWorth(const TPosition& p, TCardSet cards, const TEvalWeights& w) {
    const TCardSet trumps = ((TCardSet(1) << 9) - 1) << (p.Trump() * 9);
    int worth = 0;
    for (TCardSet s = cards; s; s &= s - 1) {
        const TCardId c = CardOfBit(__builtin_ctzll(s));
        worth += w.Value * c.Value - w.Card;
    }
    return worth + w.Trump * CardCount(cards & trumps);
}
} // namespace

int Evaluate(const TGame& g, const TEvalWeights& w) {
    const TPosition& p = g.P;
    if (p.State == gsOver)
        return OutcomeValue(g.Outcome) * EvalWon;
    TCardSet hands[2] = {p.Hands[ptMan].Set(), p.Hands[ptCPU].Set()};
    // A seat that is taking will hold the table.
    if (p.State == gsManTakes)
        hands[ptMan] |= SetOf(p.Table.Cards);
    else if (p.State == gsCPUTakes)
        hands[ptCPU] |= SetOf(p.Table.Cards);
    int v = HandWorth(p, hands[ptMan], w) - HandWorth(p, hands[ptCPU], w);
    // Who attacks: the seat whose attack it is now; after a take the same seat again.
    const bool manLeads = p.State == gsManAttack || p.State == gsCPUTakes;
    v += manLeads ? w.Lead : -w.Lead;
    return std::clamp(v, -EvalBound, EvalBound);
}
