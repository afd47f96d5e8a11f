// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "action.h"
#include "position.h"

class TGame;

// Chooses for the seat that must act in a game: one of its legal actions.
class TPolicy {
public:
    virtual ~TPolicy() = default;
    virtual TAction Choose(const TGame& game) = 0;
    // A new deal begins; the seed is the deal's.
    virtual void NewDeal(const TGame&) {}
};

// A policy that answers as the computer's rules do: with the index of a card in the seat's
// hand, or -1 for none (take, beaten, no more, as the moment has it).
class TCardPolicy : public TPolicy {
public:
    // What to lead or throw in (an empty or beaten table), or -1.
    virtual int ChooseAttack(const TGame& game, TVeskPlayerType seat) = 0;
    // What beats the unbeaten card, or -1 to take.
    virtual int ChooseDefence(const TGame& game, TVeskPlayerType seat) = 0;
    // In the transfer game, before defending: the card to pass the attack on with, or -1.
    virtual int ChooseTransfer(const TGame&, TVeskPlayerType) { return -1; }
    TAction Choose(const TGame& game) override;
};

// The computer's own choices, as it has always played.
class TRulePolicy : public TCardPolicy {
public:
    // As the card policy chooses, without its indirections: every headless game asks it.
    TAction Choose(const TGame& game) final;
    int ChooseAttack(const TGame& game, TVeskPlayerType seat) override;
    int ChooseDefence(const TGame& game, TVeskPlayerType seat) override;
    int ChooseTransfer(const TGame& game, TVeskPlayerType seat) override;
};

// Lets the computer's seat act with its policy until the person must act, or nobody. A
// choice the game refuses is replaced by the first legal action, so that no policy can
// stall a game.
void PlayComputer(TGame& game, TPolicy& computer);
