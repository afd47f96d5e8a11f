// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boundedsearch.h"

#include <algorithm>

namespace {
// Deep enough for any ending: each choice lays a card or closes a bout.
constexpr int MaxDepth = 80;
// Matches no choice (-1 is the one that lays none).
constexpr int NoChoice = -2;

void Order(const TGame& g, TChoicePoint point, TChoices& choices, int first) {
    std::int8_t* begin = choices.Items.data();
    std::stable_sort(begin, begin + choices.Count, [&](int x, int y) {
        if ((x == first) != (y == first))
            return x == first;
        return ChoiceCost(g, point.Seat, x) < ChoiceCost(g, point.Seat, y);
    });
}
} // namespace

int TBoundedSearch::Search(const TGame& g, int depth, int alpha, int beta) {
    if (g.P.State == gsOver)
        return Evaluate(g, FWeights);
    if (++FNodes > FLimit) {
        FAborted = true;
        return 0;
    }
    if (depth == 0) {
        FGuessed = true;
        return Evaluate(g, FWeights);
    }
    TChoicePoint point;
    ChoiceDue(g, point);
    TChoices choices = ListChoices(g, point);
    Order(g, point, choices, NoChoice);
    const bool maxing = point.Seat == ptMan;
    int best = maxing ? -EvalWon - 1 : EvalWon + 1;
    for (int k = 0; k < choices.Count; ++k) {
        TGame child = g;
        MakeChoice(child, point.Seat, choices.Items[k]);
        const int v = Search(child, depth - 1, alpha, beta);
        if (FAborted)
            return 0;
        if (maxing) {
            best = std::max(best, v);
            alpha = std::max(alpha, v);
        } else {
            best = std::min(best, v);
            beta = std::min(beta, v);
        }
        if (alpha >= beta)
            break;
    }
    return best;
}

int TBoundedSearch::Best(const TGame& game, TChoicePoint point, long maxNodes, int& value) {
    TGame root = game;
    root.View = nullptr;
    TChoices choices = ListChoices(root, point);
    int choice = choices.Items[0];
    value = 0;
    FNodes = 0;
    FLimit = maxNodes;
    FAborted = false;
    FDepth = 0;
    for (int depth = 1; depth <= MaxDepth; ++depth) {
        // The best of the last depth first: a deeper search that runs out leaves it standing.
        Order(root, point, choices, choice);
        FGuessed = false;
        int bestHere = -EvalWon - 1;
        int choiceHere = choices.Items[0];
        for (int k = 0; k < choices.Count && !FAborted; ++k) {
            TGame child = root;
            MakeChoice(child, point.Seat, choices.Items[k]);
            // Only a better value than the best so far matters: a window just above it.
            const int v = point.Seat == ptMan ? Search(child, depth - 1, bestHere, EvalWon + 1)
                                              : -Search(child, depth - 1, -EvalWon - 1, -bestHere);
            if (!FAborted && v > bestHere) {
                bestHere = v;
                choiceHere = choices.Items[k];
            }
        }
        if (FAborted)
            break;
        choice = choiceHere;
        value = bestHere;
        FDepth = depth;
        // Nothing left to guess: every line was played to its end.
        if (!FGuessed || bestHere == EvalWon)
            break;
    }
    return choice;
}
