// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "headless.h"
#include "inputblocker.h"
#include "messages.h"
#include "strong.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void TfMain::SetMessage(const QString& text) {
    lMessage->setText(text);
}

TPlayerPlace* TfMain::PlaceOf(TVeskPlayerType seat) const {
    return seat == ptMan ? PlayerPlace1 : PlayerPlace2;
}

TVeskPlayerType TfMain::SeatOf(const TPlayerPlace* hand) const {
    return hand == PlayerPlace1 ? ptMan : ptCPU;
}

bool TfMain::Act(TAction action) {
    return ::Act(FGame, action, FComputer);
}

void TfMain::PlayComputer() {
    ::PlayComputer(FGame, *FComputer);
}

void TfMain::mmNewGameClick() {
    if (mmStrongGame->isChecked()) {
        if (!FStrong)
            FStrong = std::make_unique<TStrongPolicy>();
        FComputer = FStrong.get();
    } else {
        FComputer = &FRules;
    }
    // One game, one rule set: the item counts from the next new game.
    const bool transfers = mmTransferGame->isChecked();
    setWindowTitle(transfers ? QStringLiteral("Веск переводной")
                             : QStringLiteral("Веск подкидной"));
    FGame.NewGame(TCardBatch::NextSeed(), transfers);
    FComputer->NewDeal(FGame);
    PlayComputer();
}

void TfMain::SetState(TGameState state) {
    FGame.SetState(state);
}

void TfMain::ShowState(TGameState state) {
    if (state == gsManTakes)
        return; // the button stays "Беру!", and the game refuses a take while taking
    switch (TGame::NoneAction(state, ptMan).Kind) {
    case akTake:
        ConnectStop(&TfMain::TakeClick);
        break;
    case akBeaten:
        ConnectStop(&TfMain::BeatenClick);
        break;
    case akNoMore:
        ConnectStop(&TfMain::NoMoreClick);
        break;
    case akCard: // no game: the button deals one
    case akTransfer:
        ConnectStop(&TfMain::mmNewGameClick);
        break;
    }
    bbtStop->setText(QString::fromUtf8(ButtonCaption(state)));
}

TPlayerPlace* TfMain::FirstPlayer(TPlayerPlace*, TPlayerPlace*, TCardSuit) {
    return PlaceOf(FGame.FirstPlayer());
}

void TfMain::SetTurn(TPlayerPlace* hand) {
    FGame.SetTurn(SeatOf(hand));
    PlayComputer();
}

void TfMain::RefillHands() {
    FGame.RefillHands();
}

bool TfMain::CheckGameOver() {
    return FGame.CheckGameOver();
}

void TfMain::CPUMove() {
    FGame.CPUMove();
    PlayComputer();
}

void TfMain::TakeClick() {
    Act(TAction::Take());
}

void TfMain::BeatenClick() {
    Act(TAction::Beaten());
}

void TfMain::NoMoreClick() {
    Act(TAction::NoMore());
}

void TfMain::Delay(int ms) {
    QElapsedTimer tick;
    tick.start();
    TInputBlocker blocker;
    // One nested loop per pause, woken by a single timer: the window paints, the CPU sleeps.
    do {
        const qint64 left = ms - tick.elapsed();
        if (left <= 0) {
            QCoreApplication::processEvents();
            break;
        }
        QEventLoop loop;
        bool woken = false;
        QTimer::singleShot(int(left), Qt::PreciseTimer, &loop, [&] {
            woken = true;
            loop.quit();
        });
        loop.exec();
        if (!woken)
            break; // the application is quitting: no more waiting
    } while (ms > tick.elapsed());
}
