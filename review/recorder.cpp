// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recorder.h"

#include "cardset.h"
#include "splitmix.h"

#include <algorithm>

namespace {
enum TStepKind : std::uint8_t {
    skGameStarting,
    skShuffled,
    skStateSet,
    skButtonEnabled,
    skNews,
    skPause,
    skRolesSet,
    skTableCleared,
    skDrawn,
    skArranged,
    skLaid,
    skTableTaken,
    skGameEnded,
    skOutcomeShown,
};

using TStep = TMoveRecorder::TStep;

// Where the cards lie and what the game waits for: two games told the same steps with the
// same digests went through the same positions.
std::uint32_t Where(const TGame& g) {
    const TPosition& p = g.P;
    std::uint64_t h = HashMix(p.Hands[ptMan].Set(), p.Hands[ptCPU].Set());
    for (const TCardId c : p.Table.Cards)
        h = HashMix(h, c.Bit());
    h = HashMix(h, SetOf(p.Table.Defence));
    h = HashMix(h, std::uint64_t(p.Stock.Count()) | std::uint64_t(p.State) << 8 |
                       std::uint64_t(p.Attacker + 1) << 16);
    return std::uint32_t(h >> 32);
}

TStep StepOf(const TGame& g, std::uint8_t kind, int a = 0, int b = 0) {
    return {kind, std::uint8_t(a), std::uint16_t(b), Where(g)};
}

// Writes down what a copy of the game tells its view.
class TStepList : public TGameView {
public:
    const TGame* Game = nullptr; // the copy being played
    std::vector<TStep> Steps;
    TStep StepOf(std::uint8_t kind, int a = 0, int b = 0) const {
        return ::StepOf(*Game, kind, a, b);
    }

    void GameStarting() override { Steps.push_back(StepOf(skGameStarting)); }
    void Shuffled() override { Steps.push_back(StepOf(skShuffled)); }
    void StateSet(TGameState s) override { Steps.push_back(StepOf(skStateSet, s)); }
    void ButtonEnabled(bool e) override { Steps.push_back(StepOf(skButtonEnabled, e)); }
    void News(TNews n) override { Steps.push_back(StepOf(skNews, n)); }
    void Pause(int ms) override { Steps.push_back(StepOf(skPause, 0, ms)); }
    void RolesSet() override { Steps.push_back(StepOf(skRolesSet)); }
    void TableCleared() override { Steps.push_back(StepOf(skTableCleared)); }
    void Drawn(TVeskPlayerType h, int n) override { Steps.push_back(StepOf(skDrawn, h, n)); }
    void Arranged(TVeskPlayerType h) override { Steps.push_back(StepOf(skArranged, h)); }
    void Laid(TVeskPlayerType h, int i, bool attack) override {
        Steps.push_back(StepOf(skLaid, h, i | int(attack) << 8));
    }
    void TableTaken(TVeskPlayerType h) override { Steps.push_back(StepOf(skTableTaken, h)); }
    void GameEnded(TOutcome o) override { Steps.push_back(StepOf(skGameEnded, o)); }
    void OutcomeShown(TOutcome o) override { Steps.push_back(StepOf(skOutcomeShown, o)); }
};
} // namespace

void TMoveRecorder::GameStarting() {
    Step(skGameStarting);
    if (FInner)
        FInner->GameStarting();
}

void TMoveRecorder::Shuffled() {
    Step(skShuffled);
    if (FInner)
        FInner->Shuffled();
}

void TMoveRecorder::StateSet(TGameState state) {
    Step(skStateSet, state);
    if (FInner)
        FInner->StateSet(state);
}

void TMoveRecorder::ButtonEnabled(bool enabled) {
    Step(skButtonEnabled, enabled);
    if (FInner)
        FInner->ButtonEnabled(enabled);
}

void TMoveRecorder::News(TNews news) {
    Step(skNews, news);
    if (FInner)
        FInner->News(news);
}

void TMoveRecorder::Pause(int ms) {
    Step(skPause, 0, ms);
    if (FInner)
        FInner->Pause(ms);
}

void TMoveRecorder::RolesSet() {
    Step(skRolesSet);
    if (FInner)
        FInner->RolesSet();
}

void TMoveRecorder::TableCleared() {
    Step(skTableCleared);
    if (FInner)
        FInner->TableCleared();
}

void TMoveRecorder::Drawn(TVeskPlayerType hand, int count) {
    Step(skDrawn, hand, count);
    if (FInner)
        FInner->Drawn(hand, count);
}

void TMoveRecorder::Arranged(TVeskPlayerType hand) {
    Step(skArranged, hand);
    if (FInner)
        FInner->Arranged(hand);
}

void TMoveRecorder::Laid(TVeskPlayerType hand, int index, bool attack) {
    Step(skLaid, hand, index | int(attack) << 8);
    if (FInner)
        FInner->Laid(hand, index, attack);
}

void TMoveRecorder::TableTaken(TVeskPlayerType hand) {
    Step(skTableTaken, hand);
    if (FInner)
        FInner->TableTaken(hand);
}

void TMoveRecorder::GameEnded(TOutcome outcome) {
    Step(skGameEnded, outcome);
    if (FInner)
        FInner->GameEnded(outcome);
}

void TMoveRecorder::OutcomeShown(TOutcome outcome) {
    Step(skOutcomeShown, outcome);
    if (FInner)
        FInner->OutcomeShown(outcome);
}

// Written down before the view is told: the view may wait (a pause, the end-of-game box), and
// what was played must be there meanwhile.
void TMoveRecorder::Step(std::uint8_t kind, int a, int b) {
    const TStep step = StepOf(FGame, kind, a, b);
    if (kind == skGameStarting) {
        Finish();
        FFollowing = true;
        FDealing = true;
        FLogged = false;
        FCurrent = TMoveLog{};
        FOpen.clear();
        FTold.assign(1, step);
        if (OnDealStarting)
            OnDealStarting();
        return;
    }
    if (FFollowing)
        Match(step);
}

void TMoveRecorder::Match(TStep step) {
    FTold.push_back(step);
    if (FOpen.empty()) {
        if (FDealing) {
            // The deal's steps follow from its seed, known from the shuffle on.
            if (step.Kind != skShuffled)
                return;
            TCandidate deal{true, {}, {}, FGame};
            TStepList told;
            told.Game = &deal.After;
            deal.After.View = &told;
            deal.After.NewGame(FGame.Seed, FGame.P.Transfers);
            deal.After.View = nullptr;
            deal.Steps = std::move(told.Steps);
            // Before the shuffle the old deal still lay about, in the game and not in its copy.
            for (std::size_t i = 0; i + 1 < FTold.size() && i < deal.Steps.size(); ++i)
                deal.Steps[i].Where = FTold[i].Where;
            FOpen.push_back(std::move(deal));
        } else {
            Candidates();
        }
    }
    // Only the candidates whose steps begin with the steps told so far remain.
    const std::size_t told = FTold.size();
    std::erase_if(FOpen, [&](const TCandidate& c) {
        return c.Steps.size() < told || !std::equal(FTold.begin(), FTold.end(), c.Steps.begin());
    });
    if (FOpen.empty()) {
        if (FComplete) {
            // The steps matched an action in full a step ago; this one begins the next.
            const TCandidate done = std::move(*FComplete);
            FComplete.reset();
            Commit(done);
            FTold.clear();
            Match(step);
            return;
        }
        Lose();
        return;
    }
    FComplete.reset();
    for (TCandidate& c : FOpen)
        if (c.Steps.size() == told)
            FComplete = c;
    if (FComplete && FOpen.size() == 1) {
        const TCandidate done = std::move(*FComplete);
        FComplete.reset();
        FOpen.clear();
        FTold.clear();
        Commit(done);
    }
}

void TMoveRecorder::Candidates() {
    const TActor actor = FShadow.Actor();
    if (actor == acNobody)
        return;
    TStepList told;
    for (const TAction a : FShadow.LegalActions()) {
        TCandidate c{false, a, {}, FShadow};
        told.Game = &c.After;
        told.Steps.clear();
        c.After.View = &told;
        c.After.Apply(a);
        c.After.View = nullptr;
        c.Steps = told.Steps;
        FOpen.push_back(std::move(c));
    }
}

void TMoveRecorder::Commit(const TCandidate& c) {
    FOpen.clear();
    if (c.Deal) {
        FDealing = false;
        FCurrent.Seed = c.After.Seed;
        FCurrent.Transfers = c.After.P.Transfers;
        FCurrent.Leader = TVeskPlayerType(c.After.P.Attacker);
    } else {
        FCurrent.Moves.push_back({FShadow, TVeskPlayerType(FShadow.Actor()), c.Action});
    }
    FShadow = c.After;
    FCurrent.Final = c.After;
    if (c.Deal && OnDeal)
        OnDeal();
    if (FCurrent.Over())
        Finish();
}

void TMoveRecorder::Finish() {
    if (!FFollowing || FLogged)
        return;
    if (FComplete) {
        const TCandidate done = std::move(*FComplete);
        FComplete.reset();
        Commit(done);
        if (FLogged)
            return;
    }
    if (FCurrent.Moves.empty() && !FCurrent.Over())
        return;
    FLast = FCurrent;
    FLogged = true;
    if (OnLogged)
        OnLogged();
}

void TMoveRecorder::Lose() {
    FFollowing = false;
    FOpen.clear();
    FTold.clear();
    FComplete.reset();
}
