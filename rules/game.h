// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gameview.h"
#include "messages.h"
#include "policy.h"
#include "position.h"

#include <cstdint>

// One game from the deal to its outcome: the state machine, the computer's turn driver and
// the person's moves. A view, when there is one, is told every visible step as it happens.
class TGame {
public:
    TPosition P;
    TMessage Message = msStart;
    std::int8_t LastWinner = -1; // the seat that won the last decided game, or -1
    TOutcome Outcome = ocNone;   // of the game that ended last
    std::uint32_t Seed = 0;      // the deal's
    TGameView* View = nullptr;
    TPolicy* Computer = nullptr; // the computer's choices; none: its own rules
    // A search drives both seats itself: while Stepping, the driver does not ask for the
    // computer's choice but stops where it is due (Awaiting); Resume carries on with it.
    bool Stepping = false;
    bool Awaiting = false;

    void NewGame(std::uint32_t seed);
    void SetState(TGameState state);
    void SetTurn(TVeskPlayerType hand);
    TVeskPlayerType FirstPlayer() const;
    void RefillHands();
    bool CheckGameOver();
    void CPUMove();
    void TakeClick();
    void BeatenClick();
    void NoMoreClick();
    // Carries on from the point where the computer's choice is due, with that choice (an index
    // in its hand or -1), as the driver would have done on getting it.
    void Resume(int choice);

    // The person plays the card at this index of their hand; false when it is refused (an
    // untimely or illegal card, which changes nothing).
    bool PlayCard(int index);

    bool CanPlay(std::uint8_t kind, TCardId card) const;
    const THand& Man() const { return P.Hands[ptMan]; }
    const THand& Cpu() const { return P.Hands[ptCPU]; }

private:
    void SetMessage(TMessage m);
    void Pause(int ms);
    void SetButtonEnabled(bool enabled);
    void Lay(TVeskPlayerType hand, int index, bool attack);
    void TakeTable(TVeskPlayerType hand);
    // The computer's throw-ins while the person takes.
    void ThrowInWhileManTakes();
    // What follows each of the computer's choices.
    void AttackChosen(int i);
    void DefenceChosen(int i);
    bool ThrowInChosen(int i);
    // The rest of the person's take, once the computer has thrown in.
    void FinishTake();
    int ComputerAttack() const;
    int ComputerDefence() const;
};
