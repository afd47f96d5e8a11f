// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "policy.h"

#include "computer.h"
#include "game.h"
TAction TCardPolicy::Choose(const TGame& game) {
    const TVeskPlayerType seat = TVeskPlayerType(game.Actor());
    return game.ActionOf(game.Defending() ? ChooseDefence(game, seat) : ChooseAttack(game, seat));
}

int TRulePolicy::ChooseAttack(const TGame& game, TVeskPlayerType seat) {
    return ::ChooseAttack(game.P.Hands[seat], game.P);
}

int TRulePolicy::ChooseDefence(const TGame& game, TVeskPlayerType seat) {
    return ::ChooseDefence(game.P.Hands[seat], game.P);
}

void PlayComputer(TGame& game, TPolicy& computer) {
    while (game.Actor() == acCPU) {
        if (!game.Apply(computer.Choose(game)))
            game.Apply(*game.LegalActions().begin());
    }
}
