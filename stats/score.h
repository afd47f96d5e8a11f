// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gameview.h"

#include <cstdint>

namespace vesk {
class TRegistry;
}

// The games won, lost and drawn from the person's side, and their store. Each counter the
// load could not read keeps its stored value at exit unless this run changed it.
class TScore {
public:
    std::int32_t Wins = 0;
    std::int32_t Lose = 0;
    std::int32_t Draw = 0;

    // A game has ended.
    void Count(TOutcome outcome);
    // The statistics dialog's "Очистить": written at exit even where the load could not read.
    void Clear();

    // Every counter counts as unread until Load has read it.
    void ForgetLoad() { FUnread = AllUnread; }
    // Reads the counters from the open key, in store order; an error leaves the rest unread.
    void Load(vesk::TRegistry& reg);
    void Save(vesk::TRegistry& reg) const;

private:
    enum : std::uint8_t { uvWins = 1, uvLose = 2, uvDraw = 4, AllUnread = 7 };
    std::uint8_t FUnread = 0;
};
