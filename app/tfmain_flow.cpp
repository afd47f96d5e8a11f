// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "inputblocker.h"

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

void TfMain::mmNewGameClick() {
    FGame.LastWinner = LastWinner ? std::int8_t(SeatOf(LastWinner)) : std::int8_t(-1);
    FGame.Computer = mmStrongGame->isChecked() ? &FStrong : nullptr;
    FGame.NewGame(TCardBatch::NextSeed());
}

void TfMain::SetState(TGameState state) {
    FGame.SetState(state);
}

void TfMain::ShowState(TGameState state) {
    switch (state) {
    case gsIdle:
    case gsOver:
        ConnectStop(&TfMain::mmNewGameClick);
        break;
    case gsCPUAttack:
        ConnectStop(&TfMain::TakeClick);
        break;
    case gsManAttack:
        ConnectStop(&TfMain::BeatenClick);
        break;
    case gsCPUTakes:
        ConnectStop(&TfMain::NoMoreClick);
        break;
    case gsManTakes:
        return; // the button stays "Беру!", and TakeClick ignores it now
    }
    bbtStop->setText(QString::fromUtf8(ButtonCaption(state)));
}

TPlayerPlace* TfMain::FirstPlayer(TPlayerPlace*, TPlayerPlace*, TCardSuit) {
    FGame.LastWinner = LastWinner ? std::int8_t(SeatOf(LastWinner)) : std::int8_t(-1);
    return PlaceOf(FGame.FirstPlayer());
}

void TfMain::SetTurn(TPlayerPlace* hand) {
    FGame.SetTurn(SeatOf(hand));
}

void TfMain::RefillHands() {
    FGame.RefillHands();
}

bool TfMain::CheckGameOver() {
    return FGame.CheckGameOver();
}

void TfMain::CPUMove() {
    FGame.CPUMove();
}

void TfMain::TakeClick() {
    FGame.TakeClick();
}

void TfMain::BeatenClick() {
    FGame.BeatenClick();
}

void TfMain::NoMoreClick() {
    FGame.NoMoreClick();
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
