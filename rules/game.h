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
    int ComputerAttack() const;
    int ComputerDefence() const;
};
