// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boundedsearch.h"
#include "choicepoint.h"
#include "policy.h"
#include "solver.h"

class TInfoSet;

// How much the strong player thinks per choice: counts, never time, so that a deal plays the
// same on every machine.
struct TStrongSettings {
    int Samples = 1024;        // deals of the unseen cards per choice
    long SolverNodes = 400000; // positions the exact solver may visit per choice
    long BoundedNodes = 80000; // positions the bounded search may visit when that is too few
    TEvalWeights Weights;
};

// A computer that plays to win without looking at hidden cards. While the stock holds cards it
// deals the unseen cards at random many times over, consistently with what it knows, plays each
// choice out in every deal and takes the one that does best; once the stock holds no more than
// its face-up trump card every card is known and it solves the rest of the game exactly, or
// when that is too big searches it as deep as a bounded count of positions allows.
class TStrongPolicy : public TCardPolicy {
public:
    explicit TStrongPolicy(TStrongSettings settings = {});

    TAction Choose(const TGame& game) override;
    int ChooseAttack(const TGame& game, TVeskPlayerType seat) override;
    int ChooseDefence(const TGame& game, TVeskPlayerType seat) override;
    void NewDeal(const TGame& game) override;

    // How the last choice was made, for the benchmarks.
    // mdOnly: one way to go; mdSolved: exactly; mdSampled: over sampled deals; mdBounded:
    // every card known but too much left to solve, a bounded search with an evaluation.
    enum TMethod { mdOnly, mdSolved, mdSampled, mdBounded };
    TMethod LastMethod() const { return FLastMethod; }

private:
    int Choose(const TGame& game, TChoicePoint point);
    int Sampled(const TInfoSet& info, TChoicePoint point, const TChoices& choices, int samples);

    TStrongSettings FSettings;
    TEndgameSolver FSolver;
    TBoundedSearch FBounded;
    TRulePolicy FRollout;
    TMethod FLastMethod = mdOnly;
};
