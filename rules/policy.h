// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "position.h"

class TGame;

// Chooses the cards of one seat: what to lead or throw in, and what to beat with. The answer
// is the index of a card in that seat's hand, or -1 for none (take, or no more).
class TPolicy {
public:
    virtual ~TPolicy() = default;
    virtual int ChooseAttack(const TGame& game, TVeskPlayerType seat) = 0;
    virtual int ChooseDefence(const TGame& game, TVeskPlayerType seat) = 0;
    // A new deal begins; the seed is the deal's.
    virtual void NewDeal(const TGame&) {}
};

// The computer's own choices, as it has always played.
class TRulePolicy : public TPolicy {
public:
    int ChooseAttack(const TGame& game, TVeskPlayerType seat) override;
    int ChooseDefence(const TGame& game, TVeskPlayerType seat) override;
};
