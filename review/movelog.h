// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game.h"

#include <cstdint>
#include <vector>

// One action of either seat, with the position it was chosen in.
struct TLoggedMove {
    TGame Before; // no view
    TVeskPlayerType Seat = ptMan;
    TAction Action;
};

// One game as it was played: its deal, every action of both seats in order, where it stands
// after the last one.
struct TMoveLog {
    std::uint32_t Seed = 0;
    bool Transfers = false;
    TVeskPlayerType Leader = ptMan; // who led the first bout
    std::vector<TLoggedMove> Moves;
    TGame Final; // after the deal, then after each move; no view

    bool Over() const { return Final.P.State == gsOver; }
    // How it ended, or ocNone while it goes on or when it was left.
    TOutcome Outcome() const { return Over() ? Final.Outcome : ocNone; }
};
