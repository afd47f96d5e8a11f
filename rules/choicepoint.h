// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game.h"

#include <array>
#include <cstdint>

// A point of a game where one seat must choose: a card to lead or throw in (or none), or a card
// to beat with (or none: take).
struct TChoicePoint {
    TVeskPlayerType Seat = ptMan;
    bool Attack = true;
};

// The choices open at a point: indices in the seat's hand, and -1 where choosing none is
// allowed (not for a lead: a bout always has a first card).
struct TChoices {
    std::array<std::int8_t, 37> Items{};
    int Count = 0;
    void Add(int c) { Items[Count++] = std::int8_t(c); }
};

TChoices ListChoices(const TGame& game, TChoicePoint point);

// Who must choose now in a game driven step by step (TGame::Stepping); false when nobody
// (the game is over, or not started).
bool ChoiceDue(const TGame& game, TChoicePoint& point);

// Makes the choice: for the person's seat as their clicks would, for the computer's by
// resuming its driver.
void MakeChoice(TGame& game, TVeskPlayerType seat, int choice);
