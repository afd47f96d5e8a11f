// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "strong.h"

#include "headless.h"
#include "infoset.h"
#include "splitmix.h"

TStrongPolicy::TStrongPolicy(TStrongSettings settings)
    : FSettings(settings), FBounded(settings.Weights) {}

TAction TStrongPolicy::Choose(const TGame& game) {
    TChoicePoint point;
    if (!ChoiceDue(game, point))
        return {};
    const int c = Choose(game, point);
    return c >= TransferChoice ? TAction::Transfer(c - TransferChoice) : game.ActionOf(c);
}

int TStrongPolicy::ChooseAttack(const TGame& game, TVeskPlayerType seat) {
    return Choose(game, {seat, true});
}

int TStrongPolicy::ChooseDefence(const TGame& game, TVeskPlayerType seat) {
    return Choose(game, {seat, false});
}

void TStrongPolicy::NewDeal(const TGame&) {
    FSolver.Clear();
}

int TStrongPolicy::Choose(const TGame& game, TChoicePoint point) {
    const TInfoSet info(game, point.Seat);
    const TChoices choices = ListChoices(info.Base(), point);
    if (choices.Count == 1) {
        FLastMethod = mdOnly;
        return choices.Items[0];
    }
    // The stock's last card is the face-up trump: nothing is hidden any more, the other hand
    // holds exactly the unseen cards and only one deal agrees with what is known.
    if (info.Base().P.Stock.Count() <= 1) {
        int choice;
        int value;
        if (FSolver.Best(info.Base(), point, FSettings.SolverNodes, choice, value)) {
            FLastMethod = mdSolved;
            return choice;
        }
        FLastMethod = mdBounded;
        return FBounded.Best(info.Base(), point, FSettings.BoundedNodes, value);
    }
    FLastMethod = mdSampled;
    return Sampled(info, point, choices, FSettings.Samples);
}

int TStrongPolicy::Sampled(const TInfoSet& info, TChoicePoint point, const TChoices& choices,
                           int samples) {
    TSplitMix random(info.Key());
    int score[40] = {};
    TGame deal;
    for (int s = 0; s < samples; ++s) {
        info.Deal(deal, random);
        for (int k = 0; k < choices.Count; ++k) {
            TGame g = deal;
            MakeChoice(g, point.Seat, choices.Items[k]);
            // A play-out that goes round in circles (the transfer game) counts as drawn.
            const int v = PlayOut(g, FRollout, FRollout) ? OutcomeValue(g.Outcome) : 0;
            score[k] += point.Seat == ptMan ? v : -v;
        }
    }
    int best = 0;
    for (int k = 1; k < choices.Count; ++k)
        if (score[k] > score[best])
            best = k;
    return choices.Items[best];
}
