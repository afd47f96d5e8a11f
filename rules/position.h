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
    // Dealt by a new game, not written by hand: the debug self-check holds it to every rule.
    bool Dealt = false;
    bool Transfers = false;    // the transfer game: a defender may pass the attack on
    std::int8_t Attacker = -1; // the seat that leads the present (or last) bout; -1 before any
    // What both players have seen: the cards of beaten bouts, and for each hand the cards it
    // took from the table (or the trump card, drawn last of all) and has not laid since.
    TCardSet Discarded = 0;
    TCardSet Shown[2]{};

    TCardSuit Trump() const { return Stock.TrumpSuit(); }
    // 1 attacks, 2 defends in the present bout; 0 before the first.
    std::uint8_t Role(TVeskPlayerType seat) const {
        return Attacker < 0 ? 0 : seat == Attacker ? 1 : 2;
    }
    bool IsTrump(TCardId c) const { return c.Suit == Trump(); }
};
