// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "recorder.h"
#include "strong.h"
#include "windowview.h"

#include <QAction>
#include <QMenu>

void TfMain::CreateLearnMenu() {
    mmReplay = new QAction(QStringLiteral("Повторить раздачу"), this);
    mmReplay->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F2));
    mmReplay->setShortcutContext(Qt::WindowShortcut);
    mmReplay->setEnabled(false); // nothing dealt yet
    N1->insertAction(N3, mmReplay);
    connect(mmReplay, &QAction::triggered, this, [this] { Handler([this] { mmReplayClick(); }); });
    mmReview = new QAction(QStringLiteral("Разбор партии..."), this);
    mmReview->setEnabled(false); // no game ended or left yet
    N1->insertAction(N3, mmReview);
    connect(mmReview, &QAction::triggered, this, [this] { Handler([this] { mmReviewClick(); }); });
}

void TfMain::FollowGame() {
    FRecorder = std::make_unique<TMoveRecorder>(FGame, FGame.View);
    FGame.View = FRecorder.get();
    FRecorder->OnDealStarting = [this] {
        FReplay.Playing = FReplay.Asked;
        FReplay.Asked = false;
    };
    FRecorder->OnDeal = [this] {
        if (!FReplay.Playing) {
            const TMoveLog& log = *FRecorder->Current();
            FReplay.Last = {log.Seed, log.Transfers, log.Leader, StrongPlays()};
        }
        mmReplay->setEnabled(true);
    };
    FRecorder->OnLogged = [this] { mmReview->setEnabled(FRecorder->Last().has_value()); };
}

// The deal of then, its leader, rule set and opponent; this run's last winner still leads
// the next new game.
void TfMain::mmReplayClick() {
    if (!FReplay.Last)
        return;
    const TReplay::TDeal deal = *FReplay.Last;
    if (deal.Strong) {
        if (!FStrong)
            FStrong = std::make_unique<TStrongPolicy>();
        FComputer = FStrong.get();
    } else {
        FComputer = &FRules;
    }
    FReplay.KeptWinner = FGame.LastWinner;
    FGame.LastWinner = deal.Leader;
    FReplay.Asked = true;
    FGame.NewGame(deal.Seed, deal.Transfers);
    FGame.LastWinner = FReplay.KeptWinner;
    FComputer->NewDeal(FGame);
    PlayComputer();
}

bool TfMain::StrongPlays() const {
    return FStrong && FComputer == FStrong.get();
}

void TfMain::CountGame(TOutcome outcome) {
    if (FReplay.Playing) {
        FGame.LastWinner = FReplay.KeptWinner;
        return;
    }
    FScore.Count(outcome);
    FBreakdown.Count(StrongPlays() ? opStrong : opRules, FGame.P.Transfers ? rsTransfer : rsThrowIn,
                     outcome);
}
