// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "headless.h"

bool PlayManStep(TGame& game, TPolicy& man) {
    const TTable& table = game.P.Table;
    switch (game.P.State) {
    case gsManAttack: {
        if (table.HasUnbeaten())
            return false;
        const int i = man.ChooseAttack(game, ptMan);
        if (i >= 0)
            return game.PlayCard(i);
        if (!game.P.ButtonEnabled)
            return false; // a bout is not closed before its first card
        game.BeatenClick();
        return true;
    }
    case gsCPUAttack: {
        if (!table.HasUnbeaten())
            return false;
        const int i = man.ChooseDefence(game, ptMan);
        if (i >= 0)
            return game.PlayCard(i);
        game.TakeClick();
        return true;
    }
    case gsCPUTakes: {
        const int i = man.ChooseAttack(game, ptMan);
        if (i >= 0)
            return game.PlayCard(i);
        game.NoMoreClick();
        return true;
    }
    default:
        return false;
    }
}

bool PlayOut(TGame& game, TPolicy& man) {
    // Every step lays a card or closes a bout: a game has far fewer than this.
    for (int step = 0; step < 1000; ++step) {
        if (game.P.State == gsOver)
            return true;
        if (!PlayManStep(game, man))
            return false;
    }
    return false;
}

TOutcome PlayWholeGame(TGame& game, std::uint32_t seed, TPolicy& man) {
    game.NewGame(seed);
    man.NewDeal(game);
    return PlayOut(game, man) ? game.Outcome : ocNone;
}
