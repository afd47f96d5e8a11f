// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "policy.h"

#include "computer.h"
#include "game.h"

int TRulePolicy::ChooseAttack(const TGame& game, TVeskPlayerType seat) {
    return ::ChooseAttack(game.P.Hands[seat], game.P);
}

int TRulePolicy::ChooseDefence(const TGame& game, TVeskPlayerType seat) {
    return ::ChooseDefence(game.P.Hands[seat], game.P);
}
