// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "position.h"

#include <cstdint>
#include <optional>

// The second line of a replayed game's end box.
inline constexpr const char* ReplayNote = "Повтор раздачи: в счёт не идёт";

// What dealing the last game again needs, and whether the game now played is such a replay.
struct TReplay {
    struct TDeal {
        std::uint32_t Seed = 0;
        bool Transfers = false;
        TVeskPlayerType Leader = ptMan; // who led its first bout
        bool Strong = false;            // the strong opponent sat in the computer's seat
    };
    std::optional<TDeal> Last; // the game dealt last in this run, not counting replays
    bool Asked = false;        // the deal being made is a replay
    bool Playing = false;      // the game now played is a replay: it counts nothing
    // The last winner of the counted games: the next new game's first leader, whatever a
    // replay's own end says.
    std::int8_t KeptWinner = -1;
};
