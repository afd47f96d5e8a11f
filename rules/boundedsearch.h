// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "choicepoint.h"
#include "evaluation.h"
#include "game.h"

// Alpha-beta over a game whose every card is known but which is too big to solve: deepened
// one choice at a time while a count of visited positions lasts, the positions at the depth
// valued by Evaluate. Counts, never time: a position gets the same answer on every machine.
class TBoundedSearch {
public:
    explicit TBoundedSearch(TEvalWeights weights = {}) : FWeights(weights) {}

    // The best choice at the point by the deepest search finished within maxNodes positions,
    // and its value to the seat on the evaluation's scale. The first choice in ListChoices
    // order when not even one choice deep could be searched.
    int Best(const TGame& game, TChoicePoint point, long maxNodes, int& value);

    long Nodes() const { return FNodes; }
    // Choices deep of the last search finished.
    int Depth() const { return FDepth; }

private:
    int Search(const TGame& game, int depth, int alpha, int beta);

    TEvalWeights FWeights;
    long FNodes = 0;
    long FLimit = 0;
    bool FAborted = false;
    bool FGuessed = false; // a position at the depth was valued by a guess
    int FDepth = 0;
};
