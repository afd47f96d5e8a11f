// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "movelog.h"
#include "solver.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

// How much the review thinks per choice: counts, never time, so that a game reviews the same
// on every machine.
struct TReviewSettings {
    int Samples = 64;          // deals of the unseen cards per choice while the stock is hidden
    long SolverNodes = 100000; // positions the exact solver may visit per choice
};

// What the review says of one of the person's choices.
enum TVerdictKind : std::uint8_t {
    vdNone,     // not the person's, or the only action open
    vdExact,    // every card known: values with best play
    vdEstimate, // sampled over what the person could know
};
enum TMark : std::uint8_t { mkNone, mkMistake, mkDoubtful };

struct TReviewRow {
    int Move = 0; // index in the log's moves
    int Bout = 1; // counted from 1
    TVeskPlayerType Attacker = ptMan;
    TVeskPlayerType Seat = ptMan;
    TAction Action;
    std::string Words; // what the action did, in Russian

    TVerdictKind Verdict = vdNone;
    TMark Mark = mkNone;
    // The stock was empty (or held the trump card alone) but the solver's budget ran out: the
    // verdict is an estimate.
    bool OverBudget = false;
    int ValueBefore = 0;  // vdExact: best play's value, 1 won, 0 drawn, -1 lost
    int ValueAfter = 0;   // vdExact: after the chosen action
    int ChanceChosen = 0; // vdEstimate: per cent of sampled deals won after the chosen action
    int ChanceBest = 0;   // vdEstimate: after the best action
    TAction Best;         // the best action (the first of equals in the game's order)
    std::string BestWords;
};

struct TReview {
    std::vector<TReviewRow> Rows; // every move of both seats
    int Mistakes = 0;
    int Doubtful = 0;
    bool Complete = false; // false when cancelled: the rows after that carry no verdicts
};

// Goes through a played game move by move and judges the person's choices: exactly once
// every card is known to the person, else from the person's information set alone, by
// sampled deals of the unseen cards each played out by the computer's rules for both seats.
class TReviewer {
public:
    explicit TReviewer(TReviewSettings settings = {}) : FSettings(settings) {}

    // Checked between choices and between samples.
    const std::atomic<bool>* Cancel = nullptr;
    // Told after each judged choice: how many are done of how many.
    std::function<void(int done, int total)> Progress;

    TReview Run(const TMoveLog& log);
    // The verdict on one move, filled into its row.
    void Judge(const TLoggedMove& move, TReviewRow& row);

    // A choice that costs more points of chance to win than this is doubtful.
    static constexpr int DoubtfulPoints = 15;

private:
    bool Cancelled() const { return Cancel && Cancel->load(std::memory_order_relaxed); }
    bool Estimate(const TLoggedMove& move, TReviewRow& row, int samples);

    TReviewSettings FSettings;
    TEndgameSolver FSolver;
};

// The rows of every move of both seats, with no verdicts yet.
std::vector<TReviewRow> ReviewRows(const TMoveLog& log);

// The person must choose among more than one action at this move.
bool IsChoice(const TLoggedMove& move);
