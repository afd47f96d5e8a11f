// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Positions with an empty stock drawn from random games, and their values by plain minimax
// over every card and button: the yardstick of the endgame solver. Used by the solver's test
// and by its larger check in bench/.
#include "choicepoint.h"
#include "game.h"
#include "solver.h"
#include "splitmix.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace endgames {

// A random legal choice at the point due.
inline int RandomChoice(const TGame& g, TChoicePoint point, TSplitMix& random) {
    const TChoices c = ListChoices(g, point);
    return c.Items[random.Below(c.Count)];
}

// A game stepped at random from a seeded deal until the stock is empty and at most maxCards
// lie in the hands and on the table, a choice due; false when the game ended first.
inline bool RandomEndgame(std::uint32_t seed, int maxCards, TGame& out, bool transfers = false) {
    TSplitMix random(seed * 0x9e3779b97f4a7c15ull + 7);
    TGame g;
    g.NewGame(seed, transfers);
    TChoicePoint point;
    while (ChoiceDue(g, point)) {
        const int cards =
            g.P.Hands[0].CardCount() + g.P.Hands[1].CardCount() + g.P.Table.Cards.size();
        if (g.P.Stock.Count() == 0 && cards <= maxCards) {
            out = g;
            return true;
        }
        MakeChoice(g, point.Seat, RandomChoice(g, point, random));
    }
    return false;
}

// Every action a seat could try: each card of its hand and each button; the game itself
// refuses those it does not take.
inline std::vector<TAction> EveryAction(const TGame& g) {
    std::vector<TAction> out;
    const int seat = g.Actor() == acCPU ? ptCPU : ptMan;
    for (int i = 0; i < g.P.Hands[seat].CardCount(); ++i)
        out.push_back(TAction::Card(i));
    for (const TAction a : {TAction::Take(), TAction::Beaten(), TAction::NoMore()})
        out.push_back(a);
    return out;
}

// Everything the rest of a game depends on, written out in full: equal strings, equal games.
inline std::string FullKey(const TGame& g) {
    std::string k;
    auto list = [&](const TCardList& cards) {
        for (const TCardId c : cards)
            k += char('A' + c.Bit());
        k += '|';
    };
    list(g.P.Hands[0].Cards());
    list(g.P.Hands[1].Cards());
    list(g.P.Table.Attack);
    list(g.P.Table.Defence);
    for (int i = 0; i < g.P.Stock.Count(); ++i)
        k += char('A' + g.P.Stock.Cards[i].Bit());
    k += char('0' + g.P.State);
    k += g.Actor() == acCPU ? 'w' : '-';
    k += g.P.FirstBout ? 'f' : '-';
    k += g.ButtonEnabled() ? 'b' : '-';
    return k;
}

// The value to the person's seat by minimax over every accepted choice: no pruning, no move
// order; positions already valued are remembered by every detail of them. Cyclic when a line
// comes back to a position on it.
constexpr int Cyclic = 99;
inline int BruteValue(const TGame& g, long& nodes, std::map<std::string, int>& known) {
    if (g.P.State == gsOver)
        return OutcomeValue(g.Outcome);
    const std::string key = FullKey(g);
    if (const auto it = known.find(key); it != known.end())
        return it->second;
    // Met again below itself (the transfer game can bring a position back): no value.
    known[key] = Cyclic;
    ++nodes;
    const bool maxing = g.Actor() == acMan;
    int best = maxing ? -2 : 2;
    for (const TAction a : EveryAction(g)) {
        TGame child = g;
        if (!child.Apply(a))
            continue;
        const int v = BruteValue(child, nodes, known);
        if (v == Cyclic)
            return Cyclic;
        best = maxing ? (v > best ? v : best) : (v < best ? v : best);
    }
    known[key] = best;
    return best;
}

inline int BruteValue(const TGame& g, long& nodes) {
    std::map<std::string, int> known;
    return BruteValue(g, nodes, known);
}

} // namespace endgames
