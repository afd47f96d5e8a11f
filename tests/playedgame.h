// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A whole game played headless by two policies and written down move by move, as the window's
// recorder writes a game: for the review's tests and its benchmark.
#include "game.h"
#include "movelog.h"
#include "policy.h"

#include <cstdint>

namespace playedgame {

inline TMoveLog Play(std::uint32_t seed, bool transfers, TPolicy& man, TPolicy& computer) {
    TMoveLog log;
    TGame g;
    g.NewGame(seed, transfers);
    man.NewDeal(g);
    computer.NewDeal(g);
    log.Seed = seed;
    log.Transfers = transfers;
    log.Leader = g.P.Attacker == ptCPU ? ptCPU : ptMan;
    for (int step = 0; step < 2000 && g.Actor() != acNobody; ++step) {
        const TVeskPlayerType seat = g.Actor() == acMan ? ptMan : ptCPU;
        TAction a = (seat == ptMan ? man : computer).Choose(g);
        if (!g.IsLegal(a))
            a = g.LegalActions().Items[0];
        log.Moves.push_back({g, seat, a});
        g.Apply(a);
    }
    log.Final = g;
    return log;
}

} // namespace playedgame
