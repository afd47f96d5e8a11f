// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "choicepoint.h"
#include "game.h"
#include "transposition.h"

#include <cstdint>
#include <vector>

// Exact values of games whose every card is known (the stock empty, or a sampled deal): the
// real game driven step by step through both seats' choices, alpha-beta over them, with a
// table of the positions already valued. Values are the person's seat's: 1 won, 0 drawn,
// -1 lost.
class TEndgameSolver {
public:
    explicit TEndgameSolver(int tableBits = 17);

    // The value of a game driven step by step (or over), with best play by both seats; false
    // when more than maxNodes positions would have to be visited.
    bool Value(const TGame& game, long maxNodes, int& value);
    // At a point where a choice is due: the first of the choices, in ListChoices order, with
    // the best value for the seat; its value to the seat (1, 0, -1). False when more than
    // maxNodes positions would have to be visited. The game may be one whose driver is waiting
    // for the computer's answer (not stepping): the choice is then its answer.
    bool Best(const TGame& game, TChoicePoint point, long maxNodes, int& choice, int& value);
    // The values of every choice at the point to the seat, in ListChoices order.
    bool ValueEach(const TGame& game, TChoicePoint point, long maxNodes, int* values);

    // Forgets every valued position (a new deal: they will not come again).
    void Clear();
    long Nodes() const { return FNodes; }
    // Slots of the table of valued positions: none until the first search.
    std::size_t TableSlots() const { return FTable.Slots(); }

private:
    int Search(const TGame& game, int alpha, int beta);
    void Start(long maxNodes);

    TTranspositionTable FTable;
    long FNodes = 0;
    long FLimit = 0;
    bool FAborted = false;
    std::vector<std::uint64_t> FPath; // the positions of the present line, in the transfer game
};

// The value of an ended game to the person's seat.
int OutcomeValue(TOutcome outcome);
