// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "policy.h"

#include "computer.h"
#include "game.h"
TAction TCardPolicy::Choose(const TGame& game) {
    const TVeskPlayerType seat = TVeskPlayerType(game.Actor());
    if (!game.Defending()) {
        const int i = ChooseAttack(game, seat);
        return i >= 0 ? TAction::Card(i) : TGame::NoneAction(game.P.State, seat);
    }
    if (game.P.Transfers)
        if (const int t = ChooseTransfer(game, seat); t >= 0 && game.CanTransfer(t))
            return TAction::Transfer(t);
    const int i = ChooseDefence(game, seat);
    return i >= 0 ? TAction::Card(i) : TAction::Take();
}

TAction TRulePolicy::Choose(const TGame& game) {
    const TVeskPlayerType seat = TVeskPlayerType(game.Actor());
    const TPosition& p = game.P;
    if (!game.Defending()) {
        const int i = ::ChooseAttack(p.Hands[seat], p);
        // After a transfer the defender may hold too few cards for a throw-in.
        if (i < 0 || (p.Transfers && !game.IsLegal(TAction::Card(i))))
            return TGame::NoneAction(p.State, seat);
        return TAction::Card(i);
    }
    if (p.Transfers)
        if (const int t = ::ChooseTransfer(p.Hands[seat], p, p.Hands[Other(seat)].CardCount());
            t >= 0)
            return TAction::Transfer(t);
    const int i = ::ChooseDefence(p.Hands[seat], p);
    return i >= 0 ? TAction::Card(i) : TAction::Take();
}

int TRulePolicy::ChooseAttack(const TGame& game, TVeskPlayerType seat) {
    return ::ChooseAttack(game.P.Hands[seat], game.P);
}

int TRulePolicy::ChooseDefence(const TGame& game, TVeskPlayerType seat) {
    return ::ChooseDefence(game.P.Hands[seat], game.P);
}

int TRulePolicy::ChooseTransfer(const TGame& game, TVeskPlayerType seat) {
    return ::ChooseTransfer(game.P.Hands[seat], game.P, game.P.Hands[Other(seat)].CardCount());
}

void PlayComputer(TGame& game, TPolicy& computer) {
    while (game.Actor() == acCPU) {
        if (!game.Apply(computer.Choose(game)))
            game.Apply(*game.LegalActions().begin());
    }
}
