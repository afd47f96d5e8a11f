// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "policy.h"

#include "computer.h"
#include "game.h"
namespace {
// The seat's action from its three index choosers, each -1 for none. Inlined for the rules'
// own choosers, which every headless game asks.
template <class Attack, class Transfer, class Defence>
TAction ActionFrom(const TGame& game, Attack attack, Transfer transfer, Defence defence) {
    const TVeskPlayerType seat = TVeskPlayerType(game.Actor());
    const TPosition& p = game.P;
    if (!game.Defending()) {
        const int i = attack(seat);
        // After a transfer the defender may hold too few cards for a throw-in.
        if (i < 0 || (p.Transfers && !game.IsLegal(TAction::Card(i))))
            return TGame::NoneAction(p.State, seat);
        return TAction::Card(i);
    }
    if (p.Transfers)
        if (const int t = transfer(seat); t >= 0 && game.CanTransfer(t))
            return TAction::Transfer(t);
    const int i = defence(seat);
    return i >= 0 ? TAction::Card(i) : TAction::Take();
}
} // namespace

TAction TCardPolicy::Choose(const TGame& game) {
    return ActionFrom(
        game, [&](TVeskPlayerType seat) { return ChooseAttack(game, seat); },
        [&](TVeskPlayerType seat) { return ChooseTransfer(game, seat); },
        [&](TVeskPlayerType seat) { return ChooseDefence(game, seat); });
}

TAction TRulePolicy::Choose(const TGame& game) {
    const TPosition& p = game.P;
    return ActionFrom(
        game, [&](TVeskPlayerType seat) { return ::ChooseAttack(p.Hands[seat], p); },
        [&](TVeskPlayerType seat) {
            return ::ChooseTransfer(p.Hands[seat], p, p.Hands[Other(seat)].CardCount());
        },
        [&](TVeskPlayerType seat) { return ::ChooseDefence(p.Hands[seat], p); });
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
