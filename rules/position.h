// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardset.h"
#include "hand.h"
#include "stock.h"
#include "table.h"

#include <cstdint>

enum TVeskPlayerType : std::uint8_t { ptMan = 0, ptCPU = 1 };

constexpr TVeskPlayerType Other(TVeskPlayerType p) {
    return p == ptMan ? ptCPU : ptMan;
}

enum TGameState : std::uint8_t {
    gsIdle = 0,
    gsOver = 1,
    gsCPUAttack = 2,
    gsManAttack = 3,
    gsCPUTakes = 4,
    gsManTakes = 5
};

// Everything that lies on the board at one moment of a game.
struct TPosition {
    THand Hands[2]; // by TVeskPlayerType
    TTable Table;
    TStock Stock;
    TGameState State = gsIdle;
    bool FirstBout = false; // at most five attacking cards until the first bout is closed
    std::uint8_t Role[2]{}; // 1 attacks, 2 defends in the current bout
    bool ButtonEnabled = true;
    // What both players have seen: the cards of beaten bouts, and for each hand the cards it
    // took from the table (or the trump card, drawn last of all) and has not laid since.
    TCardSet Discarded = 0;
    TCardSet Shown[2]{};

    TCardSuit Trump() const { return Stock.TrumpSuit(); }
    bool IsTrump(TCardId c) const { return c.Suit == Trump(); }
};
