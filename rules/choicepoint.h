// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game.h"

#include <array>
#include <cstdint>

// The searches' view of a game's actions: a choice is an index in the seat's hand, a transfer
// the index plus TransferChoice, or -1 for the action that lays none.
constexpr int TransferChoice = 64;
struct TChoicePoint {
    TVeskPlayerType Seat = ptMan;
    bool Attack = true;
};

// The choices open at a point, in the order of the game's legal actions.
struct TChoices {
    std::array<std::int8_t, 40> Items{};
    int Count = 0;
    void Add(int c) { Items[Count++] = std::int8_t(c); }
};

TChoices ListChoices(const TGame& game, TChoicePoint point);

// Who must choose now; false when nobody (the game is over, or not started).
bool ChoiceDue(const TGame& game, TChoicePoint& point);

// The order the searches try choices in: cheap cards first, low plain cards, then low trumps;
// choosing none last.
int ChoiceCost(const TGame& game, TVeskPlayerType seat, int choice);

// Makes the choice of the seat that must act.
void MakeChoice(TGame& game, TVeskPlayerType seat, int choice);
