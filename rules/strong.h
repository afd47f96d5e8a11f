// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "choicepoint.h"
#include "policy.h"
#include "solver.h"

class TInfoSet;

// How much the strong player thinks per choice: counts, never time, so that a deal plays the
// same on every machine.
struct TStrongSettings {
    int Samples = 128;         // deals of the unseen cards per choice
    long SolverNodes = 250000; // positions the exact solver may visit per choice
};

// A computer that plays to win without looking at hidden cards. While the stock holds cards it
// deals the unseen cards at random many times over, consistently with what it knows, plays each
// choice out in every deal and takes the one that does best; once the stock is empty every card
// is known and it solves the rest of the game exactly.
class TStrongPolicy : public TCardPolicy {
public:
    explicit TStrongPolicy(TStrongSettings settings = {});

    TAction Choose(const TGame& game) override;
    int ChooseAttack(const TGame& game, TVeskPlayerType seat) override;
    int ChooseDefence(const TGame& game, TVeskPlayerType seat) override;
    void NewDeal(const TGame& game) override;

    // How the last choice was made, for the benchmarks.
    // mdOnly: one way to go; mdSolved: exactly; mdSampled: over sampled deals; mdPlayedOut: the
    // stock empty but too much left to solve, each choice played out.
    enum TMethod { mdOnly, mdSolved, mdSampled, mdPlayedOut };
    TMethod LastMethod() const { return FLastMethod; }

private:
    int Choose(const TGame& game, TChoicePoint point);
    int Sampled(const TInfoSet& info, TChoicePoint point, const TChoices& choices, int samples);

    TStrongSettings FSettings;
    TEndgameSolver FSolver;
    TRulePolicy FRollout;
    TMethod FLastMethod = mdOnly;
};
