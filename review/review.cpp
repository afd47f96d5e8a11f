// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "review.h"

#include "cardwords.h"
#include "choicepoint.h"
#include "headless.h"
#include "infoset.h"
#include "splitmix.h"

namespace {
int ChoiceOf(TAction a) {
    return a.Kind == akCard ? a.Index : a.Kind == akTransfer ? a.Index + TransferChoice : -1;
}
TAction ActionOfChoice(const TGame& game, int choice) {
    return choice >= TransferChoice ? TAction::Transfer(choice - TransferChoice)
                                    : game.ActionOf(choice);
}
int IndexOf(const TChoices& choices, int choice) {
    for (int k = 0; k < choices.Count; ++k)
        if (choices.Items[k] == choice)
            return k;
    return -1;
}
// The samples' randomness from what the person knows only: the info set's game has the unseen
// cards in card order, and the deal's seed (which fixes them) is left out.
std::uint64_t KnownKey(const TGame& base) {
    const TPosition& p = base.P;
    std::uint64_t h = HashMix(0x5eed, p.Hands[ptMan].Set());
    h = HashMix(h, p.Hands[ptCPU].Set());
    for (const TCardId c : p.Table.Attack)
        h = HashMix(h, c.Bit());
    h = HashMix(h, 99);
    for (const TCardId c : p.Table.Defence)
        h = HashMix(h, c.Bit());
    h = HashMix(h, p.Discarded);
    h = HashMix(h, p.Shown[ptMan]);
    h = HashMix(h, p.Shown[ptCPU]);
    return HashMix(h, std::uint64_t(p.Stock.Count()) | std::uint64_t(p.State) << 8 |
                          std::uint64_t(p.FirstBout) << 16 | std::uint64_t(p.Transfers) << 17 |
                          std::uint64_t(p.Stock.Cards[0].Bit()) << 24);
}
} // namespace

bool IsChoice(const TLoggedMove& move) {
    return move.Seat == ptMan && move.Before.Actor() == acMan &&
           move.Before.LegalActions().Count > 1;
}

std::vector<TReviewRow> ReviewRows(const TMoveLog& log) {
    std::vector<TReviewRow> rows;
    int bout = 0;
    for (std::size_t i = 0; i < log.Moves.size(); ++i) {
        const TLoggedMove& m = log.Moves[i];
        TReviewRow row;
        row.Move = int(i);
        if (m.Before.P.Table.Cards.empty() || bout == 0)
            ++bout; // a lead opens a bout
        row.Bout = bout;
        row.Attacker = m.Before.P.Attacker >= 0 ? TVeskPlayerType(m.Before.P.Attacker) : m.Seat;
        row.Seat = m.Seat;
        row.Action = m.Action;
        row.Words = ActionWords(m.Before, m.Action);
        rows.push_back(std::move(row));
    }
    return rows;
}

TReview TReviewer::Run(const TMoveLog& log) {
    TReview out;
    out.Rows = ReviewRows(log);
    FSolver.Clear();
    int total = 0;
    for (const TLoggedMove& m : log.Moves)
        total += IsChoice(m);
    int done = 0;
    for (TReviewRow& row : out.Rows) {
        const TLoggedMove& m = log.Moves[row.Move];
        if (!IsChoice(m) || Cancelled())
            continue;
        Judge(m, row);
        if (!Cancelled() && Progress)
            Progress(++done, total);
        out.Mistakes += row.Mark == mkMistake;
        out.Doubtful += row.Mark == mkDoubtful;
    }
    out.Complete = !Cancelled();
    return out;
}

void TReviewer::Judge(const TLoggedMove& move, TReviewRow& row) {
    TGame game = move.Before;
    game.View = nullptr;
    // Everything the verdict reads goes through what the person knew.
    const TInfoSet info(game, ptMan);
    const TGame& base = info.Base();
    TChoicePoint point;
    if (!ChoiceDue(base, point) || point.Seat != ptMan)
        return;
    const TChoices choices = ListChoices(base, point);
    const int chosen = IndexOf(choices, ChoiceOf(move.Action));
    if (chosen < 0 || choices.Count < 2)
        return;
    // The stock empty, or holding only the trump card in sight: nothing is hidden.
    if (base.P.Stock.Count() <= 1) {
        int values[40];
        if (FSolver.ValueEach(base, point, FSettings.SolverNodes, values)) {
            int best = 0;
            for (int k = 1; k < choices.Count; ++k)
                if (values[k] > values[best])
                    best = k;
            row.Verdict = vdExact;
            row.ValueBefore = values[best];
            row.ValueAfter = values[chosen];
            row.Best = ActionOfChoice(base, choices.Items[best]);
            row.BestWords = ActionWords(base, row.Best);
            row.Mark = row.ValueAfter < row.ValueBefore ? mkMistake : mkNone;
            return;
        }
        // One deal agrees with what is known: each action played out once.
        row.OverBudget = true;
        Estimate(move, row, 1);
        return;
    }
    Estimate(move, row, FSettings.Samples);
}

bool TReviewer::Estimate(const TLoggedMove& move, TReviewRow& row, int samples) {
    TGame game = move.Before;
    game.View = nullptr;
    const TInfoSet info(game, ptMan);
    const TGame& base = info.Base();
    TChoicePoint point;
    ChoiceDue(base, point);
    const TChoices choices = ListChoices(base, point);
    const int chosen = IndexOf(choices, ChoiceOf(move.Action));
    TSplitMix random(KnownKey(base));
    TRulePolicy rollout;
    int won[40] = {};
    TGame deal;
    for (int s = 0; s < samples; ++s) {
        if (Cancelled())
            return false;
        info.Deal(deal, random);
        for (int k = 0; k < choices.Count; ++k) {
            TGame g = deal;
            MakeChoice(g, ptMan, choices.Items[k]);
            // A play-out that goes round in circles (the transfer game) is no win.
            won[k] += PlayOut(g, rollout, rollout) && g.Outcome == ocWon;
        }
    }
    int best = 0;
    for (int k = 1; k < choices.Count; ++k)
        if (won[k] > won[best])
            best = k;
    auto percent = [samples](int n) { return (n * 200 + samples) / (2 * samples); };
    row.Verdict = vdEstimate;
    row.ChanceChosen = percent(won[chosen]);
    row.ChanceBest = percent(won[best]);
    row.Best = ActionOfChoice(base, choices.Items[best]);
    row.BestWords = ActionWords(base, row.Best);
    row.Mark = row.ChanceBest - row.ChanceChosen > DoubtfulPoints ? mkDoubtful : mkNone;
    return true;
}
