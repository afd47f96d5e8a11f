// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gameview.h"
#include "movelog.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// Writes down a game's actions from what its view is told, standing in front of that view,
// which is told everything as before. A game's steps follow from its position and the action
// taken: each action open at a moment is tried on a copy, and the one whose steps are the
// steps the view is being told is the one taken. The game itself is never changed or asked
// to report anything more; a game whose steps match no action (a position laid out by hand)
// is no longer followed until the next deal.
class TMoveRecorder : public TGameView {
public:
    TMoveRecorder(const TGame& game, TGameView* inner) : FGame(game), FInner(inner) {}

    // The game being dealt or played, when it is followed.
    const TMoveLog* Current() const { return FFollowing ? &FCurrent : nullptr; }
    // The last game that ended, or was left by a new deal after at least one action.
    const std::optional<TMoveLog>& Last() const { return FLast; }

    // Told when a deal begins, followed or not; when it is complete (the first bout's leader
    // known); and when Last changes.
    std::function<void()> OnDealStarting;
    std::function<void()> OnDeal;
    std::function<void()> OnLogged;

    void GameStarting() override;
    void Shuffled() override;
    void StateSet(TGameState state) override;
    void ButtonEnabled(bool enabled) override;
    void News(TNews news) override;
    void Pause(int ms) override;
    void RolesSet() override;
    void TableCleared() override;
    void Drawn(TVeskPlayerType hand, int count) override;
    void Arranged(TVeskPlayerType hand) override;
    void Laid(TVeskPlayerType hand, int index, bool attack) override;
    void TableTaken(TVeskPlayerType hand) override;
    void GameEnded(TOutcome outcome) override;
    void OutcomeShown(TOutcome outcome) override;

    // One step a view is told, with its arguments and a digest of where the cards lie then.
    struct TStep {
        std::uint8_t Kind = 0;
        std::uint8_t A = 0;
        std::uint16_t B = 0;
        std::uint32_t Where = 0;
        bool operator==(const TStep&) const = default;
    };

private:
    // What the game would tell its view after an action (or the deal), and where it ends up.
    struct TCandidate {
        bool Deal = false;
        TAction Action;
        std::vector<TStep> Steps;
        TGame After;
    };

    void Step(std::uint8_t kind, int a = 0, int b = 0);
    void Match(TStep step);
    void Candidates();
    void Commit(const TCandidate& c);
    void Finish();
    void Lose();

    const TGame& FGame;
    TGameView* FInner;
    bool FFollowing = false;
    bool FDealing = false; // from a new deal's first step until its last
    bool FLogged = false;  // the game followed is in Last already
    TGame FShadow;         // the game as it was before the action now being told
    TMoveLog FCurrent;
    std::optional<TMoveLog> FLast;
    std::vector<TStep> FTold; // the steps of the present action so far
    std::vector<TCandidate> FOpen;
    // A candidate whose steps have all been told while a longer one still agreed.
    std::optional<TCandidate> FComplete;
};
