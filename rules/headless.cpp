// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "headless.h"

namespace {
TRulePolicy& OwnRules() {
    static thread_local TRulePolicy rules;
    return rules;
}
} // namespace

bool Act(TGame& game, TAction action, TPolicy* computer) {
    if (game.Actor() != acMan || !game.Apply(action))
        return false;
    PlayComputer(game, computer ? *computer : OwnRules());
    return true;
}

bool PlayManStep(TGame& game, TPolicy& man, TPolicy& computer) {
    PlayComputer(game, computer);
    if (game.Actor() != acMan)
        return false;
    return Act(game, man.Choose(game), &computer);
}

bool PlayManStep(TGame& game, TPolicy& man) {
    return PlayManStep(game, man, OwnRules());
}

bool PlayOut(TGame& game, TPolicy& man, TPolicy& computer) {
    PlayComputer(game, computer);
    // Every step lays a card or closes a bout: a game has far fewer than this.
    for (int step = 0; step < 1000; ++step) {
        if (game.Actor() != acMan)
            return game.P.State == gsOver;
        if (!game.Apply(man.Choose(game)))
            return false;
        PlayComputer(game, computer);
    }
    return false;
}

bool PlayOut(TGame& game, TPolicy& man) {
    return PlayOut(game, man, OwnRules());
}

TOutcome PlayWholeGame(TGame& game, std::uint32_t seed, TPolicy& man, TPolicy& computer,
                       bool transfers) {
    game.NewGame(seed, transfers);
    computer.NewDeal(game);
    man.NewDeal(game);
    return PlayOut(game, man, computer) ? game.Outcome : ocNone;
}

TOutcome PlayWholeGame(TGame& game, std::uint32_t seed, TPolicy& man) {
    return PlayWholeGame(game, seed, man, OwnRules());
}
