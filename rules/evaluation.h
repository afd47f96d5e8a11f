// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game.h"

// A won game on the evaluation's scale (lost: -EvalWon, drawn: 0). A guess stays within
// ±EvalBound, so a known outcome always counts for more.
constexpr int EvalWon = 1000;
constexpr int EvalBound = 900;

// What a position with every card known is likely worth to the person's seat, on the scale
// -EvalBound..EvalBound: fewer cards to shed, more trumps and high cards, and the lead, are
// good. Reads only what lies in the position: the hands, the table and the state.
struct TEvalWeights {
    int Card = 12;  // each card still to shed
    int Trump = 10; // each trump, on top of its value
    int Value = 1;  // each step of a card's value above the six
    int Lead = 6;   // the seat that attacks next or now
};

int Evaluate(const TGame& game, const TEvalWeights& weights = {});
