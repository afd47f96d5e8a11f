// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "invariants.h"

#include "legality.h"

namespace {
bool TableLegal(const TTable& t, bool firstBout, TCardSuit trump, const char*& why) {
    if (t.Cards.size() != t.Attack.size() + t.Defence.size()) {
        why = "the table's lists disagree";
        return false;
    }
    if (SetOf(t.Cards) != (SetOf(t.Attack) | SetOf(t.Defence))) {
        why = "the table's lists hold different cards";
        return false;
    }
    if (t.Defence.size() > t.Attack.size()) {
        why = "more beaters than attacking cards";
        return false;
    }
    if (t.Attack.size() > (firstBout ? 5 : 6)) {
        why = "too many attacking cards for the bout";
        return false;
    }
    for (int i = 0; i < t.Defence.size(); ++i)
        if (!Beats(t.Defence[i], t.Attack[i], trump)) {
            why = "a beater does not beat its card";
            return false;
        }
    // Each attacking card after the first matches a value laid before it.
    std::uint16_t values = 0;
    int attacks = 0;
    for (const TCardId c : t.Cards) {
        if (t.Attack.contains(c)) {
            if (attacks > 0 && !(values & (1u << c.Value))) {
                why = "a thrown-in card matches no value on the table";
                return false;
            }
            ++attacks;
        }
        values |= std::uint16_t(1u << c.Value);
    }
    return true;
}
} // namespace

const char* BrokenInvariant(const TPosition& p) {
    const int stock = p.Stock.Count();
    if (stock < 0 || stock > 36)
        return "the stock's count is out of range";
    TCardSet seen = 0;
    int total = 0;
    auto add = [&](TCardId c) {
        if (c.Suit > 3 || c.Value > 8)
            return false;
        if (seen & CardBit(c))
            return false;
        seen |= CardBit(c);
        ++total;
        return true;
    };
    for (int i = 0; i < stock; ++i)
        if (!add(p.Stock.Cards[i]))
            return "a card of the stock lies twice";
    for (const THand& h : p.Hands)
        for (const TCardId c : h.Cards())
            if (!add(c))
                return "a card of a hand lies twice";
    for (const TCardId c : p.Table.Cards)
        if (!add(c))
            return "a card of the table lies twice";
    if (seen & p.Discarded)
        return "a discarded card lies in play";
    if ((seen | p.Discarded) != AllCards)
        return "a card is missing";
    for (const THand& h : p.Hands)
        for (int i = 1; i < h.Cards().size(); ++i)
            if (CompareCards(h.Cards()[i - 1], h.Cards()[i], p.Trump()) >= 0)
                return "a hand is out of order";
    for (int s = 0; s < 2; ++s)
        if (p.Shown[s] & ~SetOf(p.Hands[s].Cards()))
            return "a hand shows a card it does not hold";
    const char* why = nullptr;
    if (!TableLegal(p.Table, p.FirstBout, p.Trump(), why))
        return why;
    const int unbeaten = p.Table.AttackCount() - p.Table.DefenceCount();
    switch (p.State) {
    case gsManAttack:
    case gsCPUAttack:
        // A transferred row may lie unbeaten as a whole, no longer than the defender's hand.
        if (unbeaten > 1 && !p.Transfers)
            return "more than one unbeaten card while the defender beats";
        if (unbeaten > p.Hands[p.State == gsManAttack ? ptCPU : ptMan].CardCount())
            return "more unbeaten cards than the defender's hand";
        break;
    case gsCPUTakes:
        if (unbeaten > p.Hands[ptCPU].CardCount())
            return "more unbeaten cards than the computer's hand";
        break;
    case gsManTakes:
        if (unbeaten > p.Hands[ptMan].CardCount())
            return "more unbeaten cards than the person's hand";
        break;
    default:
        break;
    }
    return nullptr;
}

const char* BrokenAtBoutStart(const TPosition& p) {
    if (p.Stock.Count() > 0 && (p.Hands[0].CardCount() < 6 || p.Hands[1].CardCount() < 6))
        return "a hand holds fewer than six cards while the stock lasts";
    if (!p.Table.Cards.empty())
        return "the table is not clear at the start of a bout";
    return nullptr;
}
